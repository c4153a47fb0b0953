#pragma once
// The progress window of a save, shown from construction to destruction; it moves on once
// per stored piece of the form.
#include <memory>

class CDlgProgress;

class CSaveProgress {
public:
    CSaveProgress();
    ~CSaveProgress();
    CSaveProgress(const CSaveProgress&) = delete;
    CSaveProgress& operator=(const CSaveProgress&) = delete;

    void SetRange(int upper);  // from 0, one unit per StepIt
    void StepIt();

private:
    std::unique_ptr<CDlgProgress> m_dialog;
};
