#pragma once
// The application: prepares the framework, the program folder and the one document with
// its main window, then runs the login. Without a login the program ends at once; after
// one, the document holds the user, session and inspectorate for the whole run.
#include "platform/WinApp.h"

class CTovan_splitApp : public CWinApp {
public:
    CTovan_splitApp();

    const MessageMap& GetMessageMap() const override;
    // TRUE when a user has logged in.
    BOOL InitInstance() override;

    // The program folder: the folder of the running executable, with its trailing separator;
    // the database, the report files and the manual are found there.
    void InitAppDir();
    CString GetAppDir() const;

private:
    void OnAppAbout();
};
