// The pictures of one group (photos or maps): the list on top, the preview below it, the
// keys that work it at the bottom. The dialog lays its controls out anew when it is sized;
// the menu is opened from the two buttons of its top row.
#include "platform/DialogTemplate.h"
#include "platform/Resources.h"
#include "res/ListPageIds.h"

namespace {

const DialogTemplate& kScannedImages = []() -> const DialogTemplate& {
    DialogTemplate dialog{IDD_SCANNED_IMAGES, "Сканирани изображения", {259, 377}, {
        Button(5048, "И&зображения", {0, 0, 56, 12}),
        Button(5049, "&Изход", {56, 0, 36, 12}),
        CustomControl("MFCGridCtrl", 5020, {6, 16, 247, 96}, WS_TABSTOP | WS_BORDER),
        Frame(5017, {6, 116, 247, 214}),
        Label(5034,
              "  За да запишете направените от вас промени натиснете\t - F5\n"
              "  За да добавите ново сканирано изображение натиснете \t - F6\n"
              "  За да изтриете селектирано изображение натиснете \t - F7\n"
              "  За изход без запис от диалоговия прозорец натиснете \t - F8",
              {6, 334, 247, 38}, SS_NOPREFIX),
    }};
    dialog.style |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    return RegisterDialogTemplate(std::move(dialog));
}();

const MenuTemplate& kScannedImagesMenu = RegisterMenu({IDR_SCANNED_IMAGES_MENU, {
    MenuPopup("И&зображения", {
        MenuItem("&Зареди\tF6", ID_IMAGES_ADD),
        MenuItem("&Изтрий\tF7", ID_IMAGES_DELETE),
    }),
    MenuPopup("&Изход", {
        MenuItem("&Потвърди\tF5", ID_IMAGES_CONFIRM),
        MenuItem("&Откажи\tF8", ID_IMAGES_CANCEL),
    }),
}});

}  // namespace
