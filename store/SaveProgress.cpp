#include "SaveProgress.h"

#include "store/DlgProgress.h"

CSaveProgress::CSaveProgress() : m_dialog(std::make_unique<CDlgProgress>()) {
    // Without its window the save goes on all the same; the bar is only a courtesy.
    if (m_dialog->Create(CDlgProgress::IDD)) m_dialog->ShowWindow(SW_SHOW);
}

CSaveProgress::~CSaveProgress() {
    if (m_dialog->GetSafeHwnd()) m_dialog->DestroyWindow();
}

void CSaveProgress::SetRange(int upper) {
    if (!m_dialog->m_progress.GetSafeHwnd()) return;
    m_dialog->m_progress.SetRange32(0, upper);
    m_dialog->m_progress.SetStep(1);
}

void CSaveProgress::StepIt() {
    CProgressCtrl& bar = m_dialog->m_progress;
    if (!bar.GetSafeHwnd()) return;
    // The save steps once more than the range it set: a full bar stays full.
    int lower = 0, upper = 0;
    bar.GetRange(lower, upper);
    if (bar.GetPos() < upper) bar.StepIt();
}
