#pragma once
// Icons of the program's resources (res/icons/<id>.*), for window captions.
#include "Types.h"

struct IconImage;
using HICON = const IconImage*;

// The icon of resource `id`, loaded once and kept for the run; nullptr when there is none.
HICON LoadIconResource(UINT id);
