#pragma once
// An opaque place in a list that is walked with GetNext...(POSITION&); nullptr ends the walk.
struct PositionTag;
using POSITION = PositionTag*;
