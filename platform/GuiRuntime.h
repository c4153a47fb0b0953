#pragma once
// The window system of the process: create one GuiRuntime before the first window (the
// application object does; window tests do in their main). It sets the look the windows
// are laid out for (the dialog font; Bulgarian texts, dates and numbers in the standard
// dialogs, with Bulgarian as the default locale) and passes
// every input message through the windows' PreTranslateMessage before it is dispatched.
#include <memory>

class GuiRuntime {
public:
    GuiRuntime(int& argc, char** argv);
    ~GuiRuntime();
    GuiRuntime(const GuiRuntime&) = delete;
    GuiRuntime& operator=(const GuiRuntime&) = delete;

    // Runs the event loop until the application quits; returns its exit code.
    int Run();
    // Delivers what is waiting now (posted messages, due timers, repaints) without blocking.
    static void PumpMessages();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
