#include "FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "Wnd.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"

namespace {
CFileDialog::Hook& HookSlot() {
    static CFileDialog::Hook hook;
    return hook;
}
}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : m_parent(parent) {
    m_request.open = openFileDialog;
    m_request.filter = filter ? filter : "";
    m_request.qtFilter = QtFilter(m_request.filter);
    m_request.defaultExtension = defaultExtension ? defaultExtension : "";
    m_request.fileName = fileName ? fileName : "";
    m_request.flags = flags;
}

CFileDialog::Hook CFileDialog::SetHook(Hook hook) {
    Hook previous = std::move(HookSlot());
    HookSlot() = std::move(hook);
    return previous;
}

CString CFileDialog::QtFilter(const CString& filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) patterns << pattern.trimmed();
        if (description.isEmpty() && patterns.isEmpty()) break;
        filters << QString("%1 (%2)").arg(description, patterns.join(' '));
    }
    return FromQString(filters.join(";;"));
}

INT_PTR CFileDialog::DoModal() {
    if (const Hook& hook = HookSlot()) {
        const std::optional<CString> chosen = hook(m_request);
        if (!chosen || chosen->IsEmpty()) return IDCANCEL;
        m_path = *chosen;
        return IDOK;
    }
    QWidget* parent = TopWidgetOf(m_parent);
    if (!parent) parent = TopWidgetOf(AfxGetMainWnd());
    QFileDialog dialog(parent, QString(), ToQString(m_request.fileName), ToQString(m_request.qtFilter));
    dialog.setAcceptMode(m_request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!m_request.defaultExtension.IsEmpty()) dialog.setDefaultSuffix(ToQString(m_request.defaultExtension));
    if (!(m_request.flags & OFN_OVERWRITEPROMPT)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
    m_path = FromQString(dialog.selectedFiles().front());
    return IDOK;
}

CString CFileDialog::GetFileName() const { return FromQString(QFileInfo(ToQString(m_path)).fileName()); }
CString CFileDialog::GetFileExt() const { return FromQString(QFileInfo(ToQString(m_path)).suffix()); }
CString CFileDialog::GetFileTitle() const { return FromQString(QFileInfo(ToQString(m_path)).completeBaseName()); }
