#include "CxImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "DC.h"
#include "qt/GdiAccess.h"

namespace {

struct Format {
    DWORD type;
    const char* name;  // Qt's name of the format
};

const Format kFormats[] = {
    {CXIMAGE_FORMAT_BMP, "bmp"}, {CXIMAGE_FORMAT_GIF, "gif"}, {CXIMAGE_FORMAT_JPG, "jpeg"},
    {CXIMAGE_FORMAT_PNG, "png"}, {CXIMAGE_FORMAT_ICO, "ico"}, {CXIMAGE_FORMAT_TIF, "tiff"},
    {CXIMAGE_FORMAT_TGA, "tga"}, {CXIMAGE_FORMAT_WBMP, "wbmp"},
};

QByteArray NameOf(DWORD type) {
    for (const Format& format : kFormats)
        if (format.type == type) return format.name;
    return {};
}

DWORD TypeOf(QByteArray name) {
    name = name.toLower();
    if (name == "jpg") name = "jpeg";
    if (name == "tif") name = "tiff";
    for (const Format& format : kFormats)
        if (name == format.name) return format.type;
    return CXIMAGE_FORMAT_UNKNOWN;
}

// Scanned maps are large, but a picture of more than this many megabytes is refused rather
// than exhausting memory.
constexpr int kLargestPictureMegabytes = 512;

std::uint32_t LittleEndian(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// The reader shows a BMP whose pixels are cut short as far as they go; a picture kept in the
// database must be whole, so uncompressed pixel data is measured against the headers.
bool CompleteBmp(QIODevice& device) {
    device.seek(0);
    const QByteArray head = device.peek(34);
    if (head.size() < 30 || !head.startsWith("BM")) return false;
    const std::uint32_t dataOffset = LittleEndian(head, 10, 4);
    const std::uint32_t headerSize = LittleEndian(head, 14, 4);
    if (headerSize < 40 || head.size() < 34) return true;  // an old OS/2 header: left to the reader
    const auto width = static_cast<std::int32_t>(LittleEndian(head, 18, 4));
    const auto height = static_cast<std::int32_t>(LittleEndian(head, 22, 4));
    const std::uint32_t bits = LittleEndian(head, 28, 2);
    const std::uint32_t compression = LittleEndian(head, 30, 4);
    if (compression != 0 && compression != 3) return true;  // run-length data has no fixed size
    const std::uint64_t rowBits = static_cast<std::uint64_t>(std::abs(width)) * bits;
    const std::uint64_t rowBytes = (rowBits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(height));
    if (rows == 0) return true;
    // Some writers leave out the padding of the last row; its pixels must be there.
    const std::uint64_t needed = dataOffset + rowBytes * (rows - 1) + (rowBits + 7) / 8;
    return static_cast<std::uint64_t>(device.size()) >= needed;
}

// Reads one picture; with `type` 0 the format comes from the content, then from `suffix`.
bool ReadPicture(QIODevice& device, DWORD type, const QString& suffix, QImage* image, QByteArray* format, QString* error) {
    QImageReader::setAllocationLimit(kLargestPictureMegabytes);
    QList<QByteArray> attempts;
    if (type != CXIMAGE_FORMAT_UNKNOWN) {
        attempts << NameOf(type);
        if (attempts.front().isEmpty()) {
            *error = "Unknown picture format.";
            return false;
        }
    } else {
        attempts << QByteArray();  // from the content
        if (!suffix.isEmpty()) attempts << suffix.toLatin1().toLower();
    }
    for (const QByteArray& name : attempts) {
        device.seek(0);
        QImageReader reader(&device, name);
        reader.setDecideFormatFromContent(name.isEmpty());
        const QByteArray found = reader.format();  // before reading moves the device on
        if (found == "bmp" && !CompleteBmp(device)) {
            *error = "The BMP data is cut short.";
            continue;
        }
        if (reader.read(image) && !image->isNull()) {
            *format = found;
            return true;
        }
        *error = reader.errorString();
    }
    return false;
}

// Whether BMP bytes hold a whole picture of an allowed size, judged by their headers alone.
bool WholeBmp(QIODevice& device) {
    if (!CompleteBmp(device)) return false;
    device.seek(0);
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    const qint64 bytes = static_cast<qint64>(size.width()) * size.height() * 4;
    return reader.canRead() && size.isValid() && !size.isEmpty() &&
           bytes <= static_cast<qint64>(kLargestPictureMegabytes) * 1024 * 1024;
}

bool WritePicture(const QImage& source, const QByteArray& name, QByteArray* bytes) {
    QImage picture = source;
    if (name == "bmp" || name == "jpeg") {
        // These formats hold no transparency: transparent parts become white, not black. An
        // opaque picture needs no painting, only the 24-bit pixels these files are written in.
        if (picture.hasAlphaChannel()) {
            QImage opaque(picture.size(), QImage::Format_RGB888);
            opaque.fill(Qt::white);
            QPainter painter(&opaque);
            painter.drawImage(0, 0, picture);
            painter.end();
            picture = opaque;
        } else if (picture.depth() <= 8) {
            picture = picture.convertToFormat(QImage::Format_RGB888);
        }
    }
    QBuffer device(bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, name);
    return writer.write(picture) && !bytes->isEmpty();
}

}  // namespace

CxImage::CxImage(DWORD imageType) : m_type(imageType) {}

CxImage::CxImage(const CxImage& other)
    : m_image(other.m_image ? std::make_unique<QImage>(*other.m_image) : nullptr),
      m_bmp(other.m_bmp),
      m_undecoded(other.m_undecoded),
      m_unread(other.m_unread),
      m_type(other.m_type),
      m_lastError(other.m_lastError) {}

CxImage& CxImage::operator=(const CxImage& other) {
    if (this != &other) {
        m_image = other.m_image ? std::make_unique<QImage>(*other.m_image) : nullptr;
        m_bmp = other.m_bmp;
        m_undecoded = other.m_undecoded;
        m_unread = other.m_unread;
        m_type = other.m_type;
        m_lastError = other.m_lastError;
    }
    return *this;
}

CxImage::~CxImage() = default;

bool CxImage::Refuse(const char* reason) {
    Destroy();
    m_lastError = reason;
    return false;
}

bool CxImage::RefuseKeeping(const BYTE* buffer, DWORD size, const char* reason) {
    Refuse(reason);
    m_unread = std::make_shared<const std::vector<BYTE>>(buffer, buffer + size);
    return false;
}

bool CxImage::Destroy() {
    m_image.reset();
    m_bmp.reset();
    m_unread.reset();
    m_undecoded = false;
    return true;
}

const QImage* CxImage::Pixels() const {
    if (m_undecoded) {
        m_undecoded = false;
        QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(m_bmp->data()),
                                                   static_cast<qsizetype>(m_bmp->size()));
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        QImage image;
        QByteArray format;
        QString error;
        if (ReadPicture(device, CXIMAGE_FORMAT_BMP, QString(), &image, &format, &error)) {
            m_image = std::make_unique<QImage>(std::move(image));
        } else {
            m_unread = std::move(m_bmp);  // kept, as bytes refused at once are
            m_lastError = error.isEmpty() ? "The picture data cannot be read." : error.toUtf8().constData();
        }
    }
    return m_image && !m_image->isNull() ? m_image.get() : nullptr;
}

bool CxImage::IsValid() const { return Pixels() != nullptr; }
DWORD CxImage::GetWidth() const { return IsValid() ? static_cast<DWORD>(m_image->width()) : 0; }
DWORD CxImage::GetHeight() const { return IsValid() ? static_cast<DWORD>(m_image->height()) : 0; }

bool CxImage::Load(const CString& fileName, DWORD imageType) {
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly)) return Refuse("The file cannot be opened.");
    if (file.size() == 0) return Refuse("The file is empty.");
    QImage image;
    QByteArray format;
    QString error;
    if (!ReadPicture(file, imageType, QFileInfo(file).suffix(), &image, &format, &error))
        return Refuse(error.isEmpty() ? "The file is not a picture that can be read." : error.toUtf8().constData());
    Destroy();
    m_image = std::make_unique<QImage>(std::move(image));
    m_type = TypeOf(format);
    m_lastError.Empty();
    return true;
}

bool CxImage::Decode(const BYTE* buffer, DWORD size, DWORD imageType) {
    if (!buffer || size == 0) return Refuse("The picture data is empty.");
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    if (imageType == CXIMAGE_FORMAT_BMP) {
        // The bytes are kept as they are, and read into pixels when first needed.
        if (!WholeBmp(device)) return RefuseKeeping(buffer, size, "The BMP data cannot be read.");
        Destroy();
        m_bmp = std::make_shared<const std::vector<BYTE>>(buffer, buffer + size);
        m_undecoded = true;
        m_type = CXIMAGE_FORMAT_BMP;
        m_lastError.Empty();
        return true;
    }
    QImage image;
    QByteArray format;
    QString error;
    if (!ReadPicture(device, imageType, QString(), &image, &format, &error))
        return RefuseKeeping(buffer, size,
                             error.isEmpty() ? "The picture data cannot be read." : error.toUtf8().constData());
    image.detach();  // the bytes belong to the caller
    Destroy();
    m_image = std::make_unique<QImage>(std::move(image));
    m_type = TypeOf(format);
    m_lastError.Empty();
    return true;
}

std::shared_ptr<const std::vector<BYTE>> CxImage::GetBmpBytes() const {
    if (m_bmp) return m_bmp;
    const QImage* pixels = Pixels();
    QByteArray bytes;
    if (!pixels || !WritePicture(*pixels, "bmp", &bytes)) return nullptr;
    m_bmp = std::make_shared<const std::vector<BYTE>>(bytes.begin(), bytes.end());
    return m_bmp;
}

std::shared_ptr<const std::vector<BYTE>> CxImage::GetUnreadBytes() const { return m_unread; }

bool CxImage::Encode(BYTE*& buffer, long& size, DWORD imageType) const {
    buffer = nullptr;
    size = 0;
    const QByteArray name = NameOf(imageType);
    if (name.isEmpty() || !QImageWriter::supportedImageFormats().contains(name)) return false;
    QByteArray written;
    const BYTE* data = nullptr;
    std::shared_ptr<const std::vector<BYTE>> bmp;
    if (imageType == CXIMAGE_FORMAT_BMP) {
        bmp = GetBmpBytes();
        if (!bmp) return false;
        data = bmp->data();
        size = static_cast<long>(bmp->size());
    } else {
        if (!IsValid() || !WritePicture(*m_image, name, &written)) return false;
        data = reinterpret_cast<const BYTE*>(written.constData());
        size = static_cast<long>(written.size());
    }
    buffer = static_cast<BYTE*>(std::malloc(static_cast<size_t>(size)));
    if (!buffer) {
        size = 0;
        return false;
    }
    std::memcpy(buffer, data, static_cast<size_t>(size));
    return true;
}

void CxImage::FreeMemory(void* buffer) { std::free(buffer); }

long CxImage::Stretch(CDC* dc, long x, long y, long width, long height) const {
    if (!dc || !IsValid() || width <= 0 || height <= 0) return 0;
    const int previous = dc->SetStretchBltMode(COLORONCOLOR);
    const BOOL drawn = StretchQImage(dc, CRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width),
                                               static_cast<int>(y + height)),
                                     *m_image);
    dc->SetStretchBltMode(previous);
    return drawn ? 1 : 0;
}
