// The threats of a form, as paths in the classification; wider than the other pages for
// the long paths.
#include "platform/DialogTemplate.h"
#include "res/ListPageIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kThreatsPage = RegisterDialogTemplate({IDD_THREATS_PAGE, "", {460, 200}, WithPageHeader({
    Label(2003, "Заплахи", {7, 7, 250, 12}),
    ListBox(2802, {7, 24, 446, 132}, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP),
    Button(2800, "Добави", {341, 160, 54, 15}),
    Button(2598, "Изтрий", {399, 160, 54, 15}),
    Button(2579, "<< Назад ", {333, 182, 58, 15}),
    Button(2581, "Продължи >>", {395, 182, 58, 15}),
})});

}  // namespace
