#pragma once
// "Избор": the survey methods by which one monitored forest species was found. Only the
// methods ticked on the page can be changed; a box that starts ticked but greyed stays
// ticked and counts.
#include "pages/common/RowDialog.h"
#include "store/BatRecords.h"

class CDlg_Choice : public CRowDialog {
public:
    static constexpr int IDC_FIRST_METHOD = 2637;

    CDlg_Choice(const CForestMethodFlags& checked, const CForestMethodFlags& enabled, CWnd* parent = nullptr);

    CForestMethodFlags m_checked;  // after OK: 1 ticked, 0 not
    CString m_methods;             // after OK: "1; 3;"

protected:
    BOOL ShowRow() override;
    void TakeRow() override;

private:
    CForestMethodFlags m_enabled;
};
