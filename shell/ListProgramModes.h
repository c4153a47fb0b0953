#pragma once
// The start-up view of the right pane: the five modes as large icons. A double click on one
// selects its node in the workflow tree, which shows the mode.
#include "shell/IconListView.h"

class CListProgramModes : public CIconListView {
    DECLARE_DYNCREATE(CListProgramModes)
public:
    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

private:
    void OnDblClk(NMHDR* header, LRESULT* result);

    int m_nInitCount = 0;
};
