#include "ThreatPaths.h"

#include <map>
#include <string>

#include "controls/TreeHelpers.h"
#include "db/ProgramFolder.h"
#include "store/DlgThreats.h"

namespace {

void CollectPaths(const CTreeCtrl& tree, HTREEITEM item, std::unordered_map<int, CString>& paths) {
    for (; item; item = tree.GetNextSiblingItem(item)) {
        paths.emplace(static_cast<int>(tree.GetItemData(item)), CTreeHelpers::GetItemPath(tree, item));
        CollectPaths(tree, tree.GetChildItem(item), paths);
    }
}

}  // namespace

CThreatPaths::CThreatPaths() {
    CDlg_Threats picker{CThreatArray()};
    if (!picker.Create(CDlg_Threats::IDD)) return;
    CollectPaths(picker.m_tree, picker.m_tree.GetRootItem(), m_paths);
    picker.DestroyWindow();
}

const CThreatPaths& CThreatPaths::Current() {
    static std::map<std::string, CThreatPaths> byDatabase;
    const std::string database = TheProgramFolder().DatabasePath().GetString();
    if (const auto found = byDatabase.find(database); found != byDatabase.end()) return found->second;
    CThreatPaths paths;
    // A classification that could not be read is tried again by the next load.
    if (paths.m_paths.empty()) {
        static CThreatPaths none;
        none = std::move(paths);
        return none;
    }
    return byDatabase.emplace(database, std::move(paths)).first->second;
}

CString CThreatPaths::PathOf(int threatId) const {
    const auto found = m_paths.find(threatId);
    return found != m_paths.end() ? found->second : CString();
}
