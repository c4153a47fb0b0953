// A page that prints the report of a form; no step shows it.
#include "platform/CrystalCtrl.h"
#include "platform/DialogTemplate.h"
#include "res/ListPageIds.h"

namespace {

const DialogTemplate& kReportPage = RegisterDialogTemplate({IDD_REPORT_PAGE, "", {330, 120}, {
    Button(2630, "Репорт", {7, 7, 58, 15}),
    CustomControl(CCrystalCtrl::kWindowClass, 2822, {7, 28, 20, 20}, 0),
    Button(2579, "<< Назад", {203, 98, 58, 15}),
    Button(2581, "Напред >>", {265, 98, 58, 15}),
}});

}  // namespace
