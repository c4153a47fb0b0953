#pragma once
// Template ids of the dialogs about the people who use the program and who observe: the
// about box, the observers dialog, user registration and password change.
#include "platform/Types.h"

constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_PERSONS = 136;
constexpr UINT IDD_CHANGE_PASSWORD = 138;
constexpr UINT IDD_ADD_USER = 139;
