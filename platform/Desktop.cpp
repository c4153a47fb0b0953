#include "Desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "qt/GdiAccess.h"

namespace {

std::function<bool(const CString&)>& Opener() {
    static std::function<bool(const CString&)> opener;
    return opener;
}

constexpr std::intptr_t kOpened = 42;

bool IsAddress(const QString& target) {
    static const char* const schemes[] = {"http:", "https:", "ftp:", "mailto:", "file:", "news:"};
    for (const char* scheme : schemes)
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    return false;
}

QClipboard* Clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

void SetDesktopOpener(std::function<bool(const CString& url)> opener) { Opener() = std::move(opener); }

std::intptr_t ShellExecute(HWND, LPCTSTR, LPCTSTR target, LPCTSTR, LPCTSTR directory, int) {
    const QString text = QString::fromUtf8(target ? target : "").trimmed();
    if (text.isEmpty()) return SE_ERR_FNF;
    QUrl url;
    if (IsAddress(text)) {
        url = QUrl(text);
    } else if (text.startsWith("www.", Qt::CaseInsensitive)) {
        url = QUrl("http://" + text);
    } else {
        QString path = text;
        path.replace('\\', '/');
        const QString base = QString::fromUtf8(directory ? directory : "");
        const QFileInfo file(base.isEmpty() || QDir::isAbsolutePath(path) ? path : QDir(base).filePath(path));
        if (!file.exists()) return file.dir().exists() ? SE_ERR_FNF : SE_ERR_PNF;
        if (!file.isReadable()) return SE_ERR_ACCESSDENIED;
        url = QUrl::fromLocalFile(file.absoluteFilePath());
    }
    if (!url.isValid()) return SE_ERR_FNF;
    const bool opened = Opener() ? Opener()(FromQString(url.toString())) : QDesktopServices::openUrl(url);
    return opened ? kOpened : SE_ERR_NOASSOC;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (format != CF_TEXT && format != CF_UNICODETEXT) return FALSE;
    QClipboard* clipboard = Clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasText() ? TRUE : FALSE;
}

BOOL SetClipboardText(const CString& text) {
    QClipboard* clipboard = Clipboard();
    if (!clipboard) return FALSE;
    clipboard->setText(ToQString(text));
    return TRUE;
}

CString GetClipboardText() {
    QClipboard* clipboard = Clipboard();
    return clipboard ? FromQString(clipboard->text()) : CString();
}
