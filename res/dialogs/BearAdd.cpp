// One bear seen: its size, colour and sex, and how many.
#include "platform/DialogTemplate.h"
#include "res/BearIds.h"

namespace {

const DialogTemplate& kBearAdd = RegisterDialogTemplate({IDD_BEAR_ADD, "Добави мечка", {302, 124}, {
    GroupBox(IDC_STATIC, "Размер:", {7, 7, 118, 88}),
    RadioButton(2760, "мече", {15, 19, 106, 10}).Group(),
    RadioButton(2761, "малка мечка", {15, 31, 106, 10}),
    RadioButton(2762, "дребна мечка", {15, 43, 106, 10}),
    RadioButton(2763, "средно голяма мечка", {15, 55, 106, 10}),
    RadioButton(2764, "голяма мечка", {15, 67, 106, 10}),
    RadioButton(2765, "много голяма мечка", {15, 79, 106, 10}),
    GroupBox(IDC_STATIC, "Цвят:", {131, 7, 84, 64}).Group(),
    RadioButton(2766, "светлокафяв", {139, 19, 72, 10}).Group(),
    RadioButton(2767, "кафяв", {139, 31, 72, 10}),
    RadioButton(2768, "тъмен", {139, 43, 72, 10}),
    RadioButton(2769, "златист", {139, 55, 72, 10}),
    GroupBox(IDC_STATIC, "Пол:", {221, 7, 74, 40}).Group(),
    RadioButton(2758, "мъжки", {229, 19, 60, 10}).Group(),
    RadioButton(2759, "женски", {229, 31, 60, 10}),
    Label(IDC_STATIC, "Брой:", {221, 58, 28, 8}).Group(),
    Edit(2612, {251, 56, 30, 13}, ES_NUMBER),
    DefPushButton(IDOK, "Продължи", {187, 102, 52, 15}),
    Button(IDCANCEL, "Отказ", {243, 102, 52, 15}),
}});

}  // namespace
