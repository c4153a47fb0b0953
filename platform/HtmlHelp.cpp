#include "HtmlHelp.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "MessageBox.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"

namespace {

constexpr char kWindowName[] = "quorin-help";
constexpr char kDefaultTitle[] = "Наръчник";

// The help window closes with Escape, as the desktop's help windows do.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
};

QPointer<QTextBrowser>& HelpWindow() {
    static QPointer<QTextBrowser> window;
    return window;
}

DWORD g_sessions = 0;

void ReportHelpProblem(const CString& text) { AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

// Splits "folder/quorin.chm::/page.htm#part" into the page file and the anchor.
void SplitTopic(const CString& topic, QString* file, QString* anchor) {
    QString path = ToQString(topic).trimmed();
    path.replace('\\', '/');
    const int hash = static_cast<int>(path.indexOf('#', path.lastIndexOf('/') + 1));
    if (hash >= 0) {
        *anchor = path.mid(hash + 1);
        path.truncate(hash);
    }
    const int separator = static_cast<int>(path.indexOf("::"));
    if (separator < 0) {
        *file = path;
        return;
    }
    const QString archive = path.left(separator);
    QString page = path.mid(separator + 2);
    while (page.startsWith('/')) page.remove(0, 1);
    if (page.isEmpty()) page = "Content.htm";
    const int slash = static_cast<int>(archive.lastIndexOf('/'));
    const QString folder = slash >= 0 ? archive.left(slash + 1) : QString();
    *file = folder + "help/" + page;
}

QTextBrowser* OpenWindow(CWnd* owner) {
    QPointer<QTextBrowser>& window = HelpWindow();
    if (!window) {
        QWidget* parent = WidgetOf(owner);
        window = new HelpBrowser(parent ? parent->window() : nullptr);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(kWindowName);
        window->setOpenExternalLinks(true);
        QRect place(0, 0, 760, 600);
        if (parent) {
            place.moveCenter(parent->window()->geometry().center());
            window->setGeometry(place);
        } else {
            window->resize(place.size());
        }
        QObject::connect(window, &QTextBrowser::sourceChanged, window, [browser = window.data()] {
            const QString title = browser->documentTitle();
            browser->setWindowTitle(title.isEmpty() ? QString::fromUtf8(kDefaultTitle) : title);
        });
    }
    return window;
}

}  // namespace

CString HelpTopicFile(const CString& topic) {
    QString file;
    QString anchor;
    SplitTopic(topic, &file, &anchor);
    return FromQString(file);
}

DWORD HtmlHelpInitialize() { return ++g_sessions; }

void HtmlHelpUninitialize(DWORD) {
    if (HelpWindow()) HelpWindow()->close();  // deletes itself
}

BOOL HtmlHelpDisplayTopic(CWnd* owner, const CString& topic) {
    QString file;
    QString anchor;
    SplitTopic(topic, &file, &anchor);
    const QFileInfo page(file);
    if (file.isEmpty() || !page.isFile() || !page.isReadable()) {
        ReportHelpProblem("Страницата от наръчника не е намерена:\n" + FromQString(page.absoluteFilePath()) +
                          "\n\nПроверете дали папката „help“ е инсталирана до програмата.");
        return FALSE;
    }
    QTextBrowser* window = OpenWindow(owner);
    QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    window->setSource(url);
    window->show();
    window->raise();
    window->activateWindow();
    return TRUE;
}
