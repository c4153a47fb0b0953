// The moss pages.
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kNotesPage = RegisterDialogTemplate({IDD_MOSS_NOTES_PAGE, "", {330, 184}, WithPageHeader({
    Label(2003, "Мъхове - 06", {7, 7, 250, 12}),
    Label(2570, "Бележки", {7, 24, 200, 8}),
    Edit(2645, {7, 34, 316, 124}, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
    Button(2579, "<< Назад ", {203, 162, 58, 15}),
    Button(2581, "Продължи >>", {265, 162, 58, 15}),
})});

}  // namespace
