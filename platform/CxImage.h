#pragma once
// A picture in memory: read from a picture file of any common format, kept as Windows BMP
// file bytes in the database, and drawn stretched into a device context.
//
// Format codes: 0 means "find out from the content"; 1 is the BMP file format (the one the
// database keeps). A file or buffer that is empty, damaged or of an unknown format is
// refused: the call returns false and the picture stays invalid. The bytes of a refused
// buffer are kept as they came (GetUnreadBytes), so that a picture another program stored
// can be written back unchanged although it cannot be shown.
//
// A picture keeps its BMP file bytes: the ones it was decoded from, or its BMP encoding made
// once and kept until the picture changes, so that storing it again costs no new encoding.
// A picture decoded from BMP bytes reads its pixels only when something needs them.
#include <memory>
#include <vector>

#include "CString.h"
#include "Geometry.h"
#include "Types.h"

class CDC;
class QImage;

enum : DWORD {
    CXIMAGE_FORMAT_UNKNOWN = 0,
    CXIMAGE_FORMAT_BMP = 1,
    CXIMAGE_FORMAT_GIF = 2,
    CXIMAGE_FORMAT_JPG = 3,
    CXIMAGE_FORMAT_PNG = 4,
    CXIMAGE_FORMAT_ICO = 5,
    CXIMAGE_FORMAT_TIF = 6,
    CXIMAGE_FORMAT_TGA = 7,
    CXIMAGE_FORMAT_WBMP = 8,
};

class CxImage {
public:
    explicit CxImage(DWORD imageType = CXIMAGE_FORMAT_UNKNOWN);
    CxImage(const CxImage& other);
    CxImage& operator=(const CxImage& other);
    ~CxImage();

    bool Load(const CString& fileName, DWORD imageType = CXIMAGE_FORMAT_UNKNOWN);
    bool Decode(const BYTE* buffer, DWORD size, DWORD imageType);
    // A new buffer with the encoded picture (release it with FreeMemory); false, with a null
    // buffer and size 0, for an invalid picture or a format that cannot be written.
    bool Encode(BYTE*& buffer, long& size, DWORD imageType) const;
    static void FreeMemory(void* buffer);
    // The picture as a BMP file, shared and never changed; null for an invalid picture.
    std::shared_ptr<const std::vector<BYTE>> GetBmpBytes() const;
    // The bytes handed to Decode that could not be read into a picture, unchanged; null
    // otherwise (BMP bytes whose pixels are not read yet are still GetBmpBytes).
    std::shared_ptr<const std::vector<BYTE>> GetUnreadBytes() const;

    bool IsValid() const;
    bool Destroy();  // back to an invalid picture
    DWORD GetWidth() const;
    DWORD GetHeight() const;
    DWORD GetType() const { return m_type; }  // the format it was read from
    const char* GetLastError() const { return m_lastError.GetString(); }

    // Draws the whole picture into the rectangle, stretched (colour-on-colour stretch
    // mode); nothing for an invalid picture. Returns 1 when drawn, 0 otherwise.
    long Stretch(CDC* dc, long x, long y, long width, long height) const;
    long Stretch(CDC* dc, const CRect& rect) const { return Stretch(dc, rect.left, rect.top, rect.Width(), rect.Height()); }

private:
    bool Refuse(const char* reason);
    bool RefuseKeeping(const BYTE* buffer, DWORD size, const char* reason);
    const QImage* Pixels() const;  // decodes the kept BMP bytes on first use; null while invalid

    mutable std::unique_ptr<QImage> m_image;  // null while invalid or not decoded yet
    mutable std::shared_ptr<const std::vector<BYTE>> m_bmp;
    mutable bool m_undecoded = false;  // m_bmp holds a picture whose pixels are not read yet
    mutable std::shared_ptr<const std::vector<BYTE>> m_unread;  // bytes that held no readable picture
    DWORD m_type;
    mutable CString m_lastError;
};
