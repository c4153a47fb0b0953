#pragma once
// "Мъхове - 01": which human works and waters lie near the moss locality, and how far. A
// row's distance is open only while its box is ticked; unticking throws the distance away.
#include <array>

#include "pages/common/FormPage.h"

class CSpecForm_Moss_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_01)
public:
    static constexpr int kRows = 8;
    // Per row, in the record's order: the box, the distance's label and the distance.
    struct Row {
        int check, label, distance;
    };
    static constexpr std::array<Row, kRows> kRowIds{{{2592, 2782, 2089}, {2595, 2784, 2107}, {2593, 2783, 2098},
                                                     {2452, 2779, 2027}, {2454, 2781, 2060}, {2597, 2789, 2545},
                                                     {2453, 2780, 2045}, {2450, 2778, 2451}}};

    CSpecForm_Moss_01();

    const MessageMap& GetMessageMap() const override;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The enable rule of row `row` (0-based, the record's order).
    void ApplyRow(int row);
    template <int row>
    void OnCheck() { ApplyRow(row); }

    std::array<int, kRows> m_checks{};
    std::array<CString, kRows> m_distances;
};
