#include "TestDatabase.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "tools/DemoDatabase.h"

namespace fs = std::filesystem;

CString MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quorin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return CString(pattern + "/");
}

namespace {

// The scripts are run once per test program; every test copies the result.
const fs::path& TemplateDatabase() {
    static const fs::path path = [] {
        const fs::path folder = MakeTempFolder().str();
        const fs::path file = folder / "template.db3";
        BuildDemoDatabase(file.c_str(), QUORIN_DATA_DIR);
        return file;
    }();
    static const struct Cleanup {
        ~Cleanup() {
            std::error_code ignored;
            fs::remove_all(path.parent_path(), ignored);
        }
    } cleanup;
    return path;
}

}  // namespace

CTestDatabase::CTestDatabase() : m_folder(MakeTempFolder()), m_path(m_folder + "nomenklaturi.db3") {
    fs::copy_file(TemplateDatabase(), m_path.str());
}

CTestDatabase::~CTestDatabase() {
    std::error_code ignored;
    fs::remove_all(m_folder.str(), ignored);
}
