// main() of the test programs that open windows: the window system is made once, offscreen,
// before any test runs. A message box, modal dialog, file dialog or pop-up menu that a test
// does not answer itself fails that test instead of waiting for a user who is not there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/GuiRuntime.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    GuiRuntime runtime(argc, argv);
    SetMessageBoxHandler([](const CString& text, const CString&, UINT type) {
        ADD_FAILURE() << "unexpected message box: " << text.GetString();
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    });
    CDialog::SetModalHook([](CDialog& dialog) {
        ADD_FAILURE() << "unexpected modal dialog " << dialog.GetTemplateId();
        dialog.EndDialog(IDCANCEL);
    });
    CFileDialog::SetHook([](const CFileDialog::Request&) {
        ADD_FAILURE() << "unexpected file dialog";
        return std::optional<CString>();
    });
    CMenu::SetPopupHook([](const CMenu&, CPoint) {
        ADD_FAILURE() << "unexpected pop-up menu";
        return 0u;
    });
    return RUN_ALL_TESTS();
}
