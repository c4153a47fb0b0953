#pragma once
// The placeholder view: what the right pane shows for a workflow code that has no page of
// its own (yet). It says so in the middle of the pane, and prints the same.
#include "platform/View.h"

class CTovan_splitView : public CView {
    DECLARE_DYNCREATE(CTovan_splitView)
public:
    static constexpr const char* kText = "Модулът е в процес на разработка.";

    const MessageMap& GetMessageMap() const override;
    void OnDraw(CDC* dc) override;

protected:
    BOOL OnPreparePrinting(CPrintInfo* info) override;
};
