#pragma once
// The progress window of a save: built on the first save and kept for the later ones, shown
// while a save runs; it moves on once per stored piece of the form.
#include <memory>

class CDlgProgress;

class CSaveProgress {
public:
    CSaveProgress();
    ~CSaveProgress();
    CSaveProgress(const CSaveProgress&) = delete;
    CSaveProgress& operator=(const CSaveProgress&) = delete;

    // The window is shown, its bar empty, from construction to destruction.
    class Showing {
    public:
        explicit Showing(CSaveProgress& progress);
        ~Showing();
        Showing(const Showing&) = delete;
        Showing& operator=(const Showing&) = delete;

    private:
        CSaveProgress& m_progress;
    };

    void SetRange(int upper);  // from 0, one unit per StepIt
    void StepIt();

private:
    std::unique_ptr<CDlgProgress> m_dialog;  // null until the first save
};
