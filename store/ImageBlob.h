#pragma once
// Pictures of a form as the database keeps them: each one a BMP file image in a blob.
#include <memory>
#include <vector>

#include "platform/Types.h"
#include "store/CommonRecords.h"

// The BMP file of a picture, shared with the picture; null for none or a picture that holds
// no image.
std::shared_ptr<const std::vector<BYTE>> ImageBmpBytes(const CxImage* image);
// A copy of those bytes; empty for none.
std::vector<BYTE> EncodeImageBmp(const CxImage* image);
// A new picture from a stored blob; a blob that is no BMP gives an empty picture, so that
// the row still loads with its name.
CImageRef DecodeImageBmp(const BYTE* data, int length);
