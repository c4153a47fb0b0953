#pragma once
// The seams through which window tests answer what would wait for a user: every message
// box is recorded and answered, every modal dialog is handed to a script that works it.
// Both put the previous handler back when they go.
#include <deque>
#include <functional>
#include <vector>

#include "platform/Dialog.h"
#include "platform/MessageBox.h"

class MessageBoxLog {
public:
    struct Box {
        CString text;
        CString caption;
        UINT type;
    };
    // `answers` are given to the boxes in turn; then OK (Yes for a yes/no question).
    explicit MessageBoxLog(std::deque<int> answers = {}) : m_answers(std::move(answers)) {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, UINT type) {
            boxes.push_back({text, caption, type});
            if (!m_answers.empty()) {
                const int answer = m_answers.front();
                m_answers.pop_front();
                return answer;
            }
            return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        });
    }
    ~MessageBoxLog() { SetMessageBoxHandler(std::move(m_previous)); }
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    std::vector<CString> Texts() const {
        std::vector<CString> texts;
        for (const Box& box : boxes) texts.push_back(box.text);
        return texts;
    }

    std::vector<Box> boxes;

private:
    std::deque<int> m_answers;
    MessageBoxHandler m_previous;
};

class ModalRun {
public:
    explicit ModalRun(std::function<void(CDialog&)> script) : m_previous(CDialog::SetModalHook(std::move(script))) {}
    ~ModalRun() { CDialog::SetModalHook(std::move(m_previous)); }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

private:
    CDialog::ModalHook m_previous;
};
