#pragma once
// The list of accompanying species on a page: a grid of "№" and "Вид" that mirrors the
// page's array of CSpeciesNameRow. A species is added through CDlg_AddSpecies and stands at
// most once; a row is removed only when exactly one whole row is selected. There is no
// changing a row: it is deleted and added again.
#include "controls/grid/GridCtrl.h"
#include "platform/Arrays.h"
#include "store/SpeciesNameRow.h"

void SetupSpeciesNameGrid(CGridCtrl& grid);
void RefillSpeciesNameGrid(CGridCtrl& grid, const CArray<CSpeciesNameRow>& rows);

// Runs the picker with the page's step code; a species not yet listed is appended.
void AddSpeciesName(CGridCtrl& grid, CArray<CSpeciesNameRow>& rows, int formCode);
// Removes the selected row, if exactly one whole row is selected.
void DeleteSpeciesName(CGridCtrl& grid, CArray<CSpeciesNameRow>& rows);
