#pragma once
// The tables of the moss pages, each a grid that mirrors the page's array of rows:
//
//     CMossSpeciesTable  trees or shrubs and grasses ("№", "Име - латински", "Име - български"),
//                        edited in CDlg_Moss_AddSpecies; a species listed already is refused on
//                        Add, and on Edit where the page asks for it;
//     CMossTuftTable     tufts, edited in CDlg_Moss_Tuft with the page's spore-capsule flag and
//                        shown under the page's own headings.
//
// The page binds `m_grid` (DDX_Control), sets the table up, fills `m_rows` from its record
// and back, and forwards its buttons and the grid's double click:
//
//     OnClicked(2596, ...) -> m_trees.Add(this);   OnClicked(2598, ...) -> m_trees.Delete();
//     OnNotify(2456, NM_DBLCLK, ...) -> m_trees.Edit(GridRowOf(header), this);
#include <initializer_list>

#include "controls/grid/GridCtrl.h"
#include "pages/common/PageTable.h"
#include "platform/Arrays.h"
#include "store/MossRecords.h"

// The grid row of a grid notification.
int GridRowOf(NMHDR* header);

class CMossSpeciesTable {
public:
    // The list kind of CDlg_Moss_AddSpecies; whether an edit may not pick a species that
    // another row holds.
    CMossSpeciesTable(int listKind, BOOL editRefusesListed);

    void Setup();
    void Refill();
    void Add(CWnd* parent);
    void Edit(int gridRow, CWnd* parent);
    void Delete();  // the one whole row selected

    CGridCtrl m_grid;
    CArray<CMossSpeciesRow> m_rows;

private:
    int m_listKind;
    BOOL m_editRefusesListed;
};

class CMossTuftTable {
public:
    explicit CMossTuftTable(int sporeFlag) : m_sporeFlag(sporeFlag) {}

    // The columns after "№": the area, and with the spore flag the spore-capsule answer.
    void Setup(std::initializer_list<PageColumn> columns);
    void Refill();
    void Add(CWnd* parent);
    void Edit(int gridRow, CWnd* parent);
    void Delete();

    CGridCtrl m_grid;
    CArray<CMoss04Row> m_rows;

private:
    int m_sporeFlag;
};

// Removes the row of the one whole row selected; FALSE when there is none.
template <class Row>
BOOL DeleteTableRow(CGridCtrl& grid, CArray<Row>& rows) {
    const int index = SelectedElementIndex(grid);
    if (index < 0 || index >= rows.GetSize()) return FALSE;
    rows.RemoveAt(index);
    return TRUE;
}

// TRUE when the species may stand in grid row `gridRow`: no other row holds it; otherwise
// FALSE after "Този вид вече присъства в списъка!".
BOOL AcceptSpeciesInRow(CGridCtrl& grid, int speciesId, int gridRow);
