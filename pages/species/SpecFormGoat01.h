#pragma once
// The chamois step "Дива коза - 1": the animals seen by sex and age class, their total,
// which follows the counts and cannot be typed over, notes, and the link to the legend of
// the age classes.
#include <array>
#include <utility>

#include "controls/LinkStaticOpenDialog.h"
#include "pages/common/FormPage.h"

class CSpecForm_Goat_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Goat_01)
public:
    static constexpr int IDC_YOUNG_MALE = 2728, IDC_OLD_MALE = 2012, IDC_YOUNG_FEMALE = 2035, IDC_OLD_FEMALE = 2054,
                         IDC_BABY = 2068, IDC_OLD_BABY = 2105, IDC_TOTAL = 2716, IDC_NOTES = 2645,
                         IDC_LEGEND_LINK = 2727;

    CSpecForm_Goat_01();

    const MessageMap& GetMessageMap() const override;

    // What the legend link opens: the legend, with no parent, for as long as the user looks.
    static void RegisterLegendLink();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnChangeCount();
    void OnChangeTotal();

private:
    // The six counts' edits and members, in the record's order.
    std::array<std::pair<int, CString*>, 6> CountFields();

    CString m_youngMale;
    CString m_oldMale;
    CString m_youngFemale;
    CString m_oldFemale;
    CString m_baby;
    CString m_oldBaby;
    CString m_total;
    CString m_notes;
    CLinkStatic_OpenDialog m_legendLink;
    bool m_showingRecord = false;  // the record's own total stands until a count is changed
};
