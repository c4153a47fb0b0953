#pragma once
// The wolf pages of one table ("Добави" 2596, "Изтрий" 2598, double click to change) and,
// on the trail and scat pages, the habitat. Each page names its template, grid, columns,
// cells and record; every page is registered directly under CFormPage.
#include "pages/common/FormPage.h"
#include "pages/species/WolfRowList.h"

template <class Row, class Dialog>
class CWolfTablePage : public CFormPage {
public:
    static constexpr int IDC_ADD = 2596, IDC_DELETE = 2598;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CFormPage::GetMessageMap(), {
            OnClicked(IDC_ADD, &CWolfTablePage::OnAdd),
            OnClicked(IDC_DELETE, &CWolfTablePage::OnDelete),
            OnNotify(m_gridId, NM_DBLCLK, &CWolfTablePage::OnGridDblClk),
        });
        return map;
    }

    void OnAdd() { m_list.Add(this); }
    void OnDelete() { m_list.Delete(); }

    const CArray<Row>& Rows() const { return m_list.rows; }
    CGridCtrl& Grid() { return m_list.grid; }

protected:
    using Cells = typename CWolfRowList<Row, Dialog>::Cells;

    // habitatId 0: the page has no habitat.
    CWolfTablePage(UINT templateId, int gridId, int habitatId, Cells cells)
        : CFormPage(templateId), m_gridId(gridId), m_habitatId(habitatId), m_list(cells) {}

    virtual void SetupGrid(CGridCtrl& grid) = 0;
    virtual CArray<Row>& RecordRows() const = 0;
    virtual CString* RecordHabitat() const { return nullptr; }

    void PreparePage() override {
        SetupGrid(m_list.grid);
        LoadFromDocument();
        m_list.Refill();
    }
    void LoadRecord() override {
        m_list.rows = RecordRows();
        if (const CString* habitat = RecordHabitat()) m_habitat = *habitat;
    }
    void SaveRecord() override {
        RecordRows() = m_list.rows;
        if (CString* habitat = RecordHabitat()) *habitat = m_habitat;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        CFormPage::DoDataExchange(pDX);
        DDX_Control(pDX, m_gridId, m_list.grid);
        if (m_habitatId) DDX_Text(pDX, m_habitatId, m_habitat);
    }

private:
    void OnGridDblClk(NMHDR* header, LRESULT*) { m_list.Change(header, this); }

    const int m_gridId;
    const int m_habitatId;
    CWolfRowList<Row, Dialog> m_list;
    CString m_habitat;
};
