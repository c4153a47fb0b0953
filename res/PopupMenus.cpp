// Pop-up menus of the program.
#include "platform/Resources.h"

namespace {

// Right click on a stored form: delete (editing mode) or show and open for reading (look-up mode).
const MenuTemplate& kStoredFormMenu = RegisterMenu({369, {
    MenuPopup("del_grid_row", {
        MenuItem("Изтрий", 32800),
    }),
    MenuPopup("show_report", {
        MenuItem("Покажи справка", 32808),
        MenuItem("Зареди формуляр за четене", 32809),
    }),
}});

}  // namespace
