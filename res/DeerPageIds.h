#pragma once
// Templates and pictures of the red deer pages.
#include "platform/Types.h"

constexpr UINT IDD_DEER_STAGS_PAGE = 115;   // stags by age class
constexpr UINT IDD_DEER_HINDS_PAGE = 117;   // hinds by age class
constexpr UINT IDD_DEER_RUTTING_PAGE = 119; // the rutting stag and its place
constexpr UINT IDD_DEER_AROUND_PAGE = 121;  // hinds and stags around the rutting place
constexpr UINT IDB_DEER_STAGS = 143;        // the four age classes of stags
constexpr UINT IDB_DEER_HINDS = 145;        // the four age classes of hinds
