#pragma once
// The step "Снимки и карти.": the pictures of a form in two groups, the photos taken in the
// field and the maps or scanned documents, each listed by file name. The pictures are added,
// previewed, named and removed in the pictures dialog, opened on one group at a time; the
// page removes pictures too. It edits the document's pictures record; the pictures are
// shared with it, not copied.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/CommonRecords.h"

class CCommonForm_InsertImages : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_InsertImages)
public:
    static constexpr int IDC_PHOTOS = 2574, IDC_MAPS = 2575;
    static constexpr int IDC_ADD_PHOTO = 2576, IDC_DELETE_PHOTO = 2577, IDC_ADD_MAP = 2578, IDC_DELETE_MAP = 2580;

    CCommonForm_InsertImages();

    const MessageMap& GetMessageMap() const override;

    void OnAddPhoto() { AddTo(PhotoGroup()); }
    void OnDeletePhoto() { DeleteFrom(PhotoGroup()); }
    void OnAddMap() { AddTo(MapGroup()); }
    void OnDeleteMap() { DeleteFrom(MapGroup()); }
    // The pictures dialog on one group, with the picture at `index` selected (-1: none).
    void EditPhoto(int index) { Edit(PhotoGroup(), index); }
    void EditMap(int index) { Edit(MapGroup(), index); }

    const CCommonData_InsertImages& Images() const { return m_images; }
    CGridCtrl& PhotoGrid() { return m_photoGrid; }
    CGridCtrl& MapGrid() { return m_mapGrid; }
    int RecordedPhotoRow() const { return m_photoRow; }
    int RecordedMapRow() const { return m_mapRow; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // One group's lists with its grid and the grid row its selection last went to.
    struct Group {
        CArray<CImageRef>& images;
        CStringArray& names;
        CStringArray& paths;
        CGridCtrl& grid;
        int& recordedRow;
    };
    Group PhotoGroup();
    Group MapGroup();

    void AddTo(const Group& group);
    void DeleteFrom(const Group& group);
    void Edit(const Group& group, int index);
    static void SetupImageGrid(CGridCtrl& grid, const CArray<CImageRef>& images, const CStringArray& names);
    static void RefreshImageGrid(CGridCtrl& grid, const CArray<CImageRef>& images, const CStringArray& names);
    static void RenumberImageGrid(CGridCtrl& grid);

    void OnPhotoSelChanging(NMHDR* header, LRESULT* result);
    void OnMapSelChanging(NMHDR* header, LRESULT* result);
    void OnPhotoDblClk(NMHDR* header, LRESULT* result);
    void OnMapDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_photoGrid;
    CGridCtrl m_mapGrid;
    CCommonData_InsertImages m_images;
    int m_photoRow = -1;
    int m_mapRow = -1;
};
