#pragma once
// What the login's two link labels open, and the rule the user dialogs share.

// A password has at least this many characters.
constexpr int kMinPasswordLength = 4;

// The login's label 2523 runs the registration (on OK its user name goes into the login's
// user name, control 2519); label 2524 runs the password change (its user name goes there
// however it ends). Call once before the login is shown; calling again changes nothing.
void RegisterAccountLinks();
