#include "ImageBlob.h"

#include "platform/CxImage.h"

std::vector<BYTE> EncodeImageBmp(const CxImage* image) {
    std::vector<BYTE> bmp;
    BYTE* buffer = nullptr;
    long size = 0;
    if (image && image->Encode(buffer, size, CXIMAGE_FORMAT_BMP)) {
        bmp.assign(buffer, buffer + size);
        CxImage::FreeMemory(buffer);
    }
    return bmp;
}

CImageRef DecodeImageBmp(const BYTE* data, int length) {
    auto image = std::make_shared<CxImage>(CXIMAGE_FORMAT_BMP);
    if (data && length > 0) image->Decode(data, static_cast<DWORD>(length), CXIMAGE_FORMAT_BMP);
    return image;
}
