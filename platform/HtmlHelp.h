#pragma once
// The program's manual: HTML pages in the folder "help" beside the program, shown in one
// help window. The program names a topic as "<program folder>quorin.chm::/Content.htm";
// that is the page help/Content.htm of the same folder.
#include "CString.h"
#include "WinDefs.h"

// Starts a help session; the cookie goes back to HtmlHelpUninitialize.
DWORD HtmlHelpInitialize();
// Shows the topic in the help window (opened on first use centred on the owner's window,
// then reused and raised; Escape closes it). A page that does not exist is reported with a
// message box naming the file; FALSE then.
BOOL HtmlHelpDisplayTopic(CWnd* owner, const CString& topic);
// Ends the session: the help window closes.
void HtmlHelpUninitialize(DWORD cookie);

// The page file a topic names, without its "#anchor"; a plain page path stays as it is.
CString HelpTopicFile(const CString& topic);
