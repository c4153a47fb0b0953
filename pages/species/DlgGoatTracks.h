#pragma once
// "Дива коза - следи": the length and width of one track in centimetres, digits only; empty
// sizes are taken as they are.
#include "pages/common/RowDialog.h"
#include "store/GoatRecords.h"

class CDlgGoatTracks : public CRowDialogOf<CTrackSize> {
public:
    static constexpr int IDC_LENGTH = 2731, IDC_WIDTH = 2013;

    explicit CDlgGoatTracks(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void TakeRow() override;

private:
    CString m_length;
    CString m_width;
};
