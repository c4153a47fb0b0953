#pragma once
// What the cave and wetland pages share: a grid of species rows with "Добави" and "Изтрий",
// and, on the first page of each pair, the survey methods used, which decide the methods
// the species dialog offers. A page states its record, its texts and its numbers.
#include <vector>

#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/BatRecords.h"

class CBatSpeciesListPage : public CFormPage {
    DECLARE_DYNAMIC(CBatSpeciesListPage)
public:
    static constexpr int IDC_SPECIES = 2594, IDC_ADD = 2596, IDC_DELETE = 2598, IDC_FIRST_METHOD = 2637;
    static constexpr int IDC_NOTES = 2645, IDC_CHANGES = 2646;

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    const CArray<CBat04Row>& Rows() const { return m_rows; }
    CGridCtrl& SpeciesGrid() { return m_grid; }

protected:
    // `pageMethods`: the page has its own method boxes and lists the target species.
    CBatSpeciesListPage(UINT templateId, int methodCount, BOOL wetland, BOOL pageMethods);

    void PreparePage() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The record's method flags: kept until the boxes exist (they are ticked once the grid is
    // filled), and the boxes read back into them.
    template <size_t Methods>
    void LoadPageMethods(const std::array<BYTE, Methods>& flags) {
        m_enabled.assign(flags.begin(), flags.end());
    }
    template <size_t Methods>
    void SavePageMethods(std::array<BYTE, Methods>& flags) const {
        for (size_t i = 0; i < Methods; ++i) flags[i] = MethodTicked(static_cast<int>(i));
    }

    CArray<CBat04Row> m_rows;

private:
    BYTE MethodTicked(int method) const;
    void RefillGrid();

    const int m_methodCount;
    const BOOL m_wetland;
    const BOOL m_pageMethods;
    std::vector<BYTE> m_enabled;  // the page's ticked methods, one byte each
    CGridCtrl m_grid;
};
