#pragma once
// One 100-metre segment of a hamster transect: its GPS point, set only through "Точка" (the
// coordinate dialog) and shown as two read-only texts, seven optional habitat codes, and the
// burrows found, which must be given.
//
//     CDlg_Hamster_Transect dialog("Трансект 200-300", &segments[2], this);
//     if (dialog.DoModal() == IDOK) segments[2] = dialog.m_row;
#include <array>

#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/HamsterRecords.h"

class CDlg_Hamster_Transect : public CRowDialogOf<CHamster02Transect> {
public:
    static constexpr int IDC_LONGITUDE = 2443, IDC_LATITUDE = 2025, IDC_POINT = 2631, IDC_BURROWS = 2442;
    static constexpr int IDC_HABITAT = 2435, IDC_WATER_TANK = 2436, IDC_OVERGROWING = 2437, IDC_GRASS = 2438,
                         IDC_GRASS_HEIGHT = 2439, IDC_ROAD = 2440, IDC_BUILDINGS = 2441;
    static constexpr int kCodeLists = 7;

    // The caption names the segment; the row is copied (nullptr: a new segment).
    CDlg_Hamster_Transect(const CString& caption, const CHamster02Transect* row, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    void OnPoint();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_caption;
    CString m_longitude;
    CString m_latitude;
    CString m_burrows;
    std::array<CSearchComboBox, kCodeLists> m_lists;
};
