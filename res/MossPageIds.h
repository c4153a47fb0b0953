#pragma once
// Templates of the moss pages.
#include "platform/Types.h"

constexpr UINT IDD_MOSS_NOTES_PAGE = 268;  // free notes, walked also by the deer, chamois and wolf forms
