#pragma once
// The pair of lists in which a moss page's species is chosen by its Bulgarian or its Latin
// name: both filled from one table, each entry's item data the species' ID, and a choice in
// one list selects the same species in the other (or nothing, where the other list lacks it).
// A dialog binds the two combos, fills them, and forwards their selection changes:
//
//     OnSelChange(IDC_BULGARIAN, &CMyDialog::OnBulgarianChanged)  ->  m_pair.FollowBulgarian();
#include "controls/SearchComboBox.h"

class CMossSpeciesPair {
public:
    // Both lists from the table's Bulgarian and Latin names, rows without a name left out.
    void Fill(const char* table);
    void Select(int bulgarianId, int latinId);
    void FollowBulgarian();
    void FollowLatin();
    // FALSE, after "Моля изберете вид!", without a Latin choice. A species that has no
    // Bulgarian name stands only in the Latin list and may still be chosen.
    BOOL CheckChosen() const;
    // Each list's choice: its item data and text, -1 and "" where it has none.
    void Take(CString& latinName, int& latinId, CString& bulgarianName, int& bulgarianId) const;

    CSearchComboBox m_bulgarian;
    CSearchComboBox m_latin;
};
