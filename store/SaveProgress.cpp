#include "SaveProgress.h"

#include "store/DlgProgress.h"

CSaveProgress::CSaveProgress() = default;

CSaveProgress::~CSaveProgress() {
    if (m_dialog && m_dialog->GetSafeHwnd()) m_dialog->DestroyWindow();
}

CSaveProgress::Showing::Showing(CSaveProgress& progress) : m_progress(progress) {
    // Without its window the save goes on all the same; the bar is only a courtesy.
    if (!m_progress.m_dialog) {
        m_progress.m_dialog = std::make_unique<CDlgProgress>();
        m_progress.m_dialog->Create(CDlgProgress::IDD);
    }
    CDlgProgress& dialog = *m_progress.m_dialog;
    if (!dialog.GetSafeHwnd()) return;
    if (dialog.m_progress.GetSafeHwnd()) dialog.m_progress.SetPos(0);
    dialog.ShowWindow(SW_SHOW);
    // No message loop runs during the save, which may wait long for a locked database:
    // drawn now, or not before the save ends.
    dialog.UpdateWindow();
}

CSaveProgress::Showing::~Showing() {
    if (m_progress.m_dialog->GetSafeHwnd()) m_progress.m_dialog->ShowWindow(SW_HIDE);
}

void CSaveProgress::SetRange(int upper) {
    if (!m_dialog || !m_dialog->m_progress.GetSafeHwnd()) return;
    m_dialog->m_progress.SetRange32(0, upper);
    m_dialog->m_progress.SetStep(1);
}

void CSaveProgress::StepIt() {
    if (!m_dialog) return;
    CProgressCtrl& bar = m_dialog->m_progress;
    if (!bar.GetSafeHwnd()) return;
    // The save steps once more than the range it set: a full bar stays full.
    int lower = 0, upper = 0;
    bar.GetRange(lower, upper);
    if (bar.GetPos() < upper) bar.StepIt();
}
