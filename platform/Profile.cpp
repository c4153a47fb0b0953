#include "Profile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "qt/GdiAccess.h"

namespace {

CString& ChosenFile() {
    static CString path;
    return path;
}

QString FilePath() {
    if (!ChosenFile().IsEmpty()) return ToQString(ChosenFile());
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quorin/quorin.ini";
}

QString Key(const char* section, const char* entry) {
    return QString::fromUtf8(section ? section : "") + '/' + QString::fromUtf8(entry ? entry : "");
}

BOOL Write(const char* section, const char* entry, const QVariant& value) {
    const QString path = FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(Key(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError ? TRUE : FALSE;
}

QVariant Read(const char* section, const char* entry) {
    const QSettings settings(FilePath(), QSettings::IniFormat);
    return settings.value(Key(section, entry));
}

const char kRecentSection[] = "Recent File List";

}  // namespace

void SetProfileFile(const CString& path) { ChosenFile() = path; }

CString GetProfileFile() { return FromQString(FilePath()); }

int GetProfileInt(const char* section, const char* entry, int defaultValue) {
    bool ok = false;
    const int value = Read(section, entry).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

BOOL WriteProfileInt(const char* section, const char* entry, int value) { return Write(section, entry, QString::number(value)); }

CString GetProfileString(const char* section, const char* entry, const char* defaultValue) {
    const QVariant value = Read(section, entry);
    return value.isValid() ? FromQString(value.toString()) : CString(defaultValue);
}

BOOL WriteProfileString(const char* section, const char* entry, const char* value) {
    return Write(section, entry, QString::fromUtf8(value ? value : ""));
}

// ---- recent files --------------------------------------------------------------------------

CRecentFileList::CRecentFileList(int size) : m_size(size > 0 ? size : 1) {}

CString CRecentFileList::operator[](int index) const { return index >= 0 && index < GetCount() ? m_files[index] : CString(); }

void CRecentFileList::Add(const CString& path) {
    if (path.IsEmpty()) return;
    for (int i = 0; i < m_files.GetSize(); ++i) {
        if (m_files[i] == path) {
            m_files.RemoveAt(i);
            break;
        }
    }
    m_files.InsertAt(0, path);
    if (m_files.GetSize() > m_size) m_files.SetSize(m_size);
}

void CRecentFileList::Remove(int index) { m_files.RemoveAt(index); }

void CRecentFileList::ReadList() {
    m_files.RemoveAll();
    for (int i = 1; i <= m_size; ++i) {
        CString entry;
        entry.Format("File%d", i);
        const CString path = GetProfileString(kRecentSection, entry, "");
        if (!path.IsEmpty()) m_files.Add(path);
    }
}

void CRecentFileList::WriteList() const {
    const QString path = FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.remove(kRecentSection);
    for (int i = 0; i < m_files.GetSize(); ++i)
        settings.setValue(QString("%1/File%2").arg(kRecentSection).arg(i + 1), ToQString(m_files[i]));
    settings.sync();
}
