// gallery: every page and dialog of the program as a picture, to look the whole program over.
//   gallery <program folder> <output folder>
// Runs offscreen on a copy of the program folder's database, logged in as the demo user, and
// writes one PNG per window (named by step code or template id, and class) and index.html,
// a contact sheet with each picture, its name and its title.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "controls/ComboHelpers.h"
#include "platform/GuiRuntime.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/WindowImage.h"
#include "shell/DlgLogin.h"
#include "shell/MainFrm.h"
#include "shell/TovanSplitApp.h"
#include "shell/WindowWalk.h"

namespace fs = std::filesystem;

namespace {

std::string Escaped(const std::string& text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
            case '&': html += "&amp;"; break;
            case '<': html += "&lt;"; break;
            case '>': html += "&gt;"; break;
            case '"': html += "&quot;"; break;
            default: html += c;
        }
    }
    return html;
}

// Starts the program on the folder's database and logs in as the demo user.
bool StartLoggedIn(CTovan_splitApp& app, const fs::path& folder) {
    // The program lies in the folder of the copy.
    AfxSetModuleFileName((folder / "quorin").c_str());
    char* argv[] = {const_cast<char*>("quorin")};
    AfxWinInit(1, argv);
    const CDialog::ModalHook previous = CDialog::SetModalHook([](CDialog& dialog) {
        auto* login = dynamic_cast<CDlgLogin*>(&dialog);
        if (!login || login->m_cbRiosw.GetCount() == 0) return dialog.EndDialog(IDCANCEL);
        login->m_cbRiosw.SetCurSel(0);
        login->SetDlgItemText(CDlgLogin::IDC_USER_NAME, "demo");
        login->SetDlgItemText(CDlgLogin::IDC_PASSWORD, "demo");
        login->PressButton(IDOK);
    });
    const bool started = app.InitInstance() && TheMainFrame();
    CDialog::SetModalHook(previous);
    return started;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gallery <program folder> <output folder>\n");
        return 2;
    }
    const fs::path output = argv[2];
    // A copy of the database, so that nothing the windows do reaches the program's own.
    const fs::path work = fs::temp_directory_path() / ("quorin-gallery-" + std::to_string(getpid()));
    std::error_code error;
    fs::create_directories(work);
    fs::create_directories(output);
    if (!fs::copy_file(fs::path(argv[1]) / "nomenklaturi.db3", work / "nomenklaturi.db3", error)) {
        std::fprintf(stderr, "gallery: no database in %s: %s\n", argv[1], error.message().c_str());
        fs::remove_all(work, error);
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuiRuntime runtime(argc, argv);
    SetProfileFile((work / "quorin.ini").c_str());
    SetMessageBoxHandler([](const CString& text, const CString&, UINT) {
        std::fprintf(stderr, "gallery: message box: %s\n", text.GetString());
        return IDOK;
    });

    int status = 0;
    {
        CTovan_splitApp app;
        if (!StartLoggedIn(app, work)) {
            std::fprintf(stderr, "gallery: the program did not start\n");
            status = 1;
        } else {
            std::ofstream index(output / "index.html");
            index << "<!DOCTYPE html>\n<html lang=\"bg\"><head><meta charset=\"utf-8\"><title>Кворин: всички прозорци</title>"
                     "<style>body{font-family:sans-serif;background:#ddd}figure{display:inline-block;vertical-align:top;"
                     "margin:8px;padding:8px;background:#fff}img{max-width:640px}</style></head><body>\n";
            int windows = 0;
            WalkWindows(*TheMainFrame(), [&](const ShownWindow& shown) {
                const std::string file = shown.name.str() + ".png";
                if (!shown.window || !SaveWindowImage(shown.window, (output / file).c_str())) {
                    std::fprintf(stderr, "gallery: %s did not open\n", shown.name.GetString());
                    status = 1;
                    return;
                }
                ++windows;
                index << "<figure><img src=\"" << Escaped(file) << "\" alt=\"\"><figcaption><b>" << Escaped(shown.name.str())
                      << "</b><br>" << Escaped(shown.title.str()) << "</figcaption></figure>\n";
            });
            index << "</body></html>\n";
            std::printf("%d windows in %s\n", windows, (output / "index.html").c_str());
            TheMainFrame()->DestroyWindow();
        }
    }
    fs::remove_all(work, error);
    return status;
}
