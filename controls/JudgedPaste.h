#pragma once
// A paste into an edit field that has rules of its own beyond what the field itself checks:
// the paste goes in, then the text it made is judged as a whole. A text that fails stands
// back as it was, with its selection, and the user is told why.
#include <functional>
#include <optional>

#include "platform/Controls.h"

// `paste` runs the field's own paste; `judge` gives the text to keep (the one made, or a
// mended form of it) or nothing to refuse it; `refuse` tells the user. A paste that changed
// nothing is not judged.
LRESULT PasteJudged(CEdit& edit, const std::function<LRESULT()>& paste,
                    const std::function<std::optional<CString>(const CString&)>& judge,
                    const std::function<void()>& refuse);
