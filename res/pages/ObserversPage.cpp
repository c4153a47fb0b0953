// The team of observers of a form.
#include "platform/DialogTemplate.h"
#include "res/ListPageIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kObserversPage = RegisterDialogTemplate({IDD_OBSERVERS_PAGE, "", {372, 200}, WithPageHeader({
    Label(2003, "Екип.", {7, 7, 250, 12}),
    CustomControl("MFCGridCtrl", 2682, {7, 24, 358, 132}, WS_TABSTOP | WS_BORDER),
    Button(2684, "Добави", {253, 160, 54, 15}),
    Button(2549, "Изтрий", {311, 160, 54, 15}),
    Button(2579, "<< Назад ", {245, 182, 58, 15}),
    Button(2581, "Продължи >>", {307, 182, 58, 15}),
})});

}  // namespace
