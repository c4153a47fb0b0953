// One point in degrees, minutes, seconds and a fraction of a second, longitude above
// latitude, each part in a right-aligned digits-only field.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"

namespace {

constexpr DWORD kNumber = ES_NUMBER | ES_RIGHT;

const DialogTemplate& kCoordinates = RegisterDialogTemplate({IDD_COORDINATES, "Въвеждане на координати", {222, 74}, {
    Label(IDC_STATIC, "Longitude (дължина):", {7, 12, 78, 8}),
    Edit(2677, {88, 10, 24, 13}, kNumber),
    Label(2901, "°", {113, 8, 7, 12}),
    Edit(2063, {121, 10, 20, 13}, kNumber),
    Label(2902, "'", {142, 8, 6, 12}),
    Edit(2085, {149, 10, 20, 13}, kNumber),
    Label(2903, ".", {170, 8, 6, 12}),
    Edit(2101, {177, 10, 28, 13}, kNumber),
    Label(2904, "''", {206, 8, 10, 12}),
    Label(IDC_STATIC, "Latitude (ширина):", {7, 32, 78, 8}),
    Edit(2006, {88, 30, 24, 13}, kNumber),
    Label(2905, "°", {113, 28, 7, 12}),
    Edit(2049, {121, 30, 20, 13}, kNumber),
    Label(2906, "'", {142, 28, 6, 12}),
    Edit(2093, {149, 30, 20, 13}, kNumber),
    Label(2907, ".", {170, 28, 6, 12}),
    Edit(2541, {177, 30, 28, 13}, kNumber),
    Label(2908, "''", {206, 28, 10, 12}),
    DefPushButton(IDOK, "Потвърди", {104, 53, 54, 15}),
    Button(IDCANCEL, "Отказ", {162, 53, 54, 15}),
}});

}  // namespace
