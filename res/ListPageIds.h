#pragma once
// Template ids of the common pages that keep lists (the team of observers, the threats, the
// photos and maps), of the pictures dialog with its menu, and of the pages no step reaches.
#include "platform/Types.h"

constexpr UINT IDD_OBSERVERS_PAGE = 113;
constexpr UINT IDD_IMAGES_PAGE = 123;
constexpr UINT IDD_THREATS_PAGE = 230;
constexpr UINT IDD_REPORT_PAGE = 222;
constexpr UINT IDD_OLD_CHOOSE_FORM = 5101;
constexpr UINT IDD_SCANNED_IMAGES = 5044;
constexpr UINT IDR_SCANNED_IMAGES_MENU = 5047;

// Commands of the pictures dialog's menu.
constexpr UINT ID_IMAGES_CONFIRM = 32771;
constexpr UINT ID_IMAGES_CANCEL = 32772;
constexpr UINT ID_IMAGES_ADD = 32773;
constexpr UINT ID_IMAGES_DELETE = 32774;
