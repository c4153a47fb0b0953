// The photos and the maps of a form, each group a numbered list of file names.
#include "platform/DialogTemplate.h"
#include "res/ListPageIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kImagesPage = RegisterDialogTemplate({IDD_IMAGES_PAGE, "", {372, 200}, WithPageHeader({
    Label(2003, "Снимки и карти.", {7, 7, 250, 12}),
    Label(2570, "Снимки.", {7, 24, 176, 8}),
    CustomControl("MFCGridCtrl", 2574, {7, 34, 176, 122}, WS_TABSTOP | WS_BORDER),
    Button(2576, "Добави", {71, 160, 54, 15}),
    Button(2577, "Изтрий", {129, 160, 54, 15}),
    Label(2571, "Карти.", {189, 24, 176, 8}),
    CustomControl("MFCGridCtrl", 2575, {189, 34, 176, 122}, WS_TABSTOP | WS_BORDER),
    Button(2578, "Добави", {253, 160, 54, 15}),
    Button(2580, "Изтрий", {311, 160, 54, 15}),
    Button(2579, "<< Назад ", {245, 182, 58, 15}),
    Button(2581, "Продължи >>", {307, 182, 58, 15}),
})});

}  // namespace
