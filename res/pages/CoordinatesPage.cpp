// The coordinates page: the GPS points in a table with their two buttons, the region, the
// altitude and, on the forms that ask for it, the exposure.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kCoordinatesPage = RegisterDialogTemplate({IDD_COORDINATES_PAGE, "", {364, 176}, WithPageHeader({
    Label(2003, "Координати, биогеографски регион.", {7, 7, 250, 12}),

    GroupBox(2778, "GPS координати (WGS 84)", {7, 24, 184, 124}),
    CustomControl("MFCGridCtrl", 2662, {15, 37, 168, 84}, WS_TABSTOP | WS_BORDER),
    Button(2664, "Добави точка", {15, 126, 64, 15}),
    Button(2666, "Изтрий точка", {83, 126, 64, 15}),

    GroupBox(2779, "Биогеографски регион", {199, 24, 158, 56}),
    RadioButton(2064, "алпийски", {207, 37, 140, 10}).Group(),
    RadioButton(2084, "континентален", {207, 51, 140, 10}),
    RadioButton(2092, "черноморски", {207, 65, 140, 10}),

    Label(2780, "Надморска височина:", {199, 93, 78, 8}).Group(),
    Edit(2559, {279, 90, 32, 13}, ES_NUMBER),
    Label(2781, "в метри", {315, 93, 42, 8}),
    Label(1406, "Изложение:", {199, 111, 78, 8}),
    ComboBox(2460, {279, 108, 78, 150}, CBS_DROPDOWNLIST | WS_VSCROLL),

    Button(2579, "<< Назад ", {237, 154, 58, 15}),
    Button(2581, "Продължи >>", {299, 154, 58, 15}),
})});

}  // namespace
