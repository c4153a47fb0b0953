// The about box: the program's icon (drawn by the box into the frame 1000), its name and
// purpose, its makers, who holds its rights and where to turn.
#include "platform/DialogTemplate.h"
#include "res/UserDialogIds.h"

namespace {

const DialogTemplate& kAbout = RegisterDialogTemplate({IDD_ABOUTBOX, "За Кворин...", {240, 126}, {
    Label(1000, "", {11, 10, 22, 20}),
    Label(IDC_STATIC, "Кворин, версия 1.0", {44, 10, 188, 8}, SS_NOPREFIX),
    Label(IDC_STATIC, "Клиент за въвеждане на формулярите за мониторинг на защитени видове в системата „Ведрин“.",
          {44, 22, 188, 18}, SS_NOPREFIX),
    Label(IDC_STATIC, "Разработка: екипът на Кворин.", {44, 46, 188, 8}, SS_NOPREFIX),
    Label(IDC_STATIC, "Всички права са запазени за възложителя на системата „Ведрин“.", {44, 58, 188, 18}, SS_NOPREFIX),
    Label(IDC_STATIC, "За въпроси: администраторът на системата във Вашата инспекция или парк.", {44, 80, 188, 18},
          SS_NOPREFIX),
    DefPushButton(IDOK, "ОК", {178, 104, 54, 15}),
}});

}  // namespace
