#pragma once
// The program's message box. Plain styles (the buttons OK ... Retry/Cancel, an icon, the
// default button) go to the one message box of the program; styles that ask for more (a
// Continue/Abort pair, a help button, "'Да' за всички" / "'Не' за всички", a "do not ask
// again" check box) get a box of their own, built in memory. An empty caption shows the
// application's title.
#include "platform/CString.h"
#include "platform/WinDefs.h"

// Style bits beyond the ordinary box's.
constexpr UINT MB_CONTINUEABORT = 0x00000008;  // buttons "П&родължи", "&Прекъсни"
constexpr UINT MB_HELP_BUTTON = 0x00004000;    // adds "&Помощ"
constexpr UINT MB_DONT_ASK_AGAIN = 0x01000000;
constexpr UINT MB_DONT_DISPLAY_AGAIN = 0x02000000;
constexpr UINT MB_YES_TO_ALL = 0x04000000;  // "'Да' за &всички" after "&Да"
constexpr UINT MB_NO_TO_ALL = 0x08000000;   // "'Не' за &всички" after "&Не"
constexpr UINT MB_NO_SOUND = 0x80000000;

// Results beyond the ordinary box's; a ticked check box adds its style bit to the result.
constexpr int IDCONTINUE_EX = 10;
constexpr int IDYESTOALL = 11;
constexpr int IDNOTOALL = 12;
constexpr int IDC_MSGBOX_CHECK = 5555;
constexpr int IDC_MSGBOX_HELP = 300;

// Shows the box and returns the button chosen (IDOK, IDYES, IDNO, IDCONTINUE_EX...).
int CMsgBoxEx(const CString& text, const CString& caption, UINT style, UINT helpContext = 0);
