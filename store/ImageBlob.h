#pragma once
// Pictures of a form as the database keeps them: each one a BMP file image in a blob.
#include <memory>
#include <vector>

#include "platform/Types.h"
#include "store/CommonRecords.h"

// The bytes a picture is stored with, shared with the picture: its BMP file, or the bytes
// of a blob that held no picture this program reads, exactly as they were stored; null for
// none.
std::shared_ptr<const std::vector<BYTE>> ImageBlobBytes(const CxImage* image);
// A copy of those bytes; empty for none.
std::vector<BYTE> EncodeImageBmp(const CxImage* image);
// A new picture from a stored blob; a blob that is no BMP gives a picture that cannot be
// shown, so that the row still loads with its name, and keeps the blob for the next save.
CImageRef DecodeImageBmp(const BYTE* data, int length);
