#include "ImageBlob.h"

#include "platform/CxImage.h"

std::shared_ptr<const std::vector<BYTE>> ImageBlobBytes(const CxImage* image) {
    if (!image) return nullptr;
    auto bytes = image->GetBmpBytes();
    return bytes ? bytes : image->GetUnreadBytes();
}

std::vector<BYTE> EncodeImageBmp(const CxImage* image) {
    const auto bytes = ImageBlobBytes(image);
    return bytes ? *bytes : std::vector<BYTE>();
}

CImageRef DecodeImageBmp(const BYTE* data, int length) {
    auto image = std::make_shared<CxImage>(CXIMAGE_FORMAT_BMP);
    if (data && length > 0) image->Decode(data, static_cast<DWORD>(length), CXIMAGE_FORMAT_BMP);
    return image;
}
