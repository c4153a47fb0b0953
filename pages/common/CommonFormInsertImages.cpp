#include "pages/common/CommonFormInsertImages.h"

#include "pages/common/DlgScannedImages.h"
#include "pages/common/PageTable.h"
#include "res/ListPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_InsertImages, CFormPage)

namespace {

int RowOf(NMHDR* header) { return reinterpret_cast<const NM_GRIDVIEW*>(header)->iRow; }

}  // namespace

CCommonForm_InsertImages::CCommonForm_InsertImages() : CFormPage(IDD_IMAGES_PAGE) {}

const MessageMap& CCommonForm_InsertImages::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_PHOTO, &CCommonForm_InsertImages::OnAddPhoto),
        OnClicked(IDC_DELETE_PHOTO, &CCommonForm_InsertImages::OnDeletePhoto),
        OnClicked(IDC_ADD_MAP, &CCommonForm_InsertImages::OnAddMap),
        OnClicked(IDC_DELETE_MAP, &CCommonForm_InsertImages::OnDeleteMap),
        OnNotify(IDC_PHOTOS, GVN_SELCHANGING, &CCommonForm_InsertImages::OnPhotoSelChanging),
        OnNotify(IDC_MAPS, GVN_SELCHANGING, &CCommonForm_InsertImages::OnMapSelChanging),
        OnNotify(IDC_PHOTOS, NM_DBLCLK, &CCommonForm_InsertImages::OnPhotoDblClk),
        OnNotify(IDC_MAPS, NM_DBLCLK, &CCommonForm_InsertImages::OnMapDblClk),
    });
    return map;
}

void CCommonForm_InsertImages::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PHOTOS, m_photoGrid);
    DDX_Control(pDX, IDC_MAPS, m_mapGrid);
}

CCommonForm_InsertImages::Group CCommonForm_InsertImages::PhotoGroup() {
    return {m_images.PhotoImages, m_images.PhotoNames, m_images.PhotoPaths, m_photoGrid, m_photoRow};
}

CCommonForm_InsertImages::Group CCommonForm_InsertImages::MapGroup() {
    return {m_images.MapImages, m_images.MapNames, m_images.MapPaths, m_mapGrid, m_mapRow};
}

void CCommonForm_InsertImages::PreparePage() {
    LoadFromDocument();
    SetupImageGrid(m_photoGrid, m_images.PhotoImages, m_images.PhotoNames);
    SetupImageGrid(m_mapGrid, m_images.MapImages, m_images.MapNames);
}

// The page and the record hold the same pictures; copying copies the references only.
void CCommonForm_InsertImages::LoadRecord() { m_images = Document()->CommonData_InsertImages; }

void CCommonForm_InsertImages::SaveRecord() { Document()->CommonData_InsertImages = m_images; }

void CCommonForm_InsertImages::SetupImageGrid(CGridCtrl& grid, const CArray<CImageRef>& images,
                                              const CStringArray& names) {
    SetupPageGrid(grid, {{"Име на файл", 105}});
    RefreshImageGrid(grid, images, names);
}

void CCommonForm_InsertImages::RefreshImageGrid(CGridCtrl& grid, const CArray<CImageRef>& images,
                                                const CStringArray& names) {
    grid.DeleteNonFixedRows();
    for (int i = 0; i < names.GetSize(); ++i) {
        CString number;
        number.Format("%d", i + 1);
        const CxImage* image = i < images.GetSize() ? images[i].get() : nullptr;
        grid.SetItemText(grid.InsertRow(number), 1, ListedPictureName(names[i], image));
    }
    grid.Refresh();
}

void CCommonForm_InsertImages::RenumberImageGrid(CGridCtrl& grid) {
    for (int row = 1; row < grid.GetRowCount(); ++row) NumberPictureRow(grid, row);
    grid.Refresh();
}

void CCommonForm_InsertImages::OnPhotoSelChanging(NMHDR* header, LRESULT*) { m_photoRow = RowOf(header); }
void CCommonForm_InsertImages::OnMapSelChanging(NMHDR* header, LRESULT*) { m_mapRow = RowOf(header); }

void CCommonForm_InsertImages::OnPhotoDblClk(NMHDR* header, LRESULT*) {
    if (RowOf(header) >= 1) EditPhoto(RowOf(header) - 1);
}

void CCommonForm_InsertImages::OnMapDblClk(NMHDR* header, LRESULT*) {
    if (RowOf(header) >= 1) EditMap(RowOf(header) - 1);
}

// The dialog opens on the picture of the row last selected in the group's list.
void CCommonForm_InsertImages::AddTo(const Group& group) { Edit(group, group.recordedRow == -1 ? -1 : group.recordedRow - 1); }

void CCommonForm_InsertImages::Edit(const Group& group, int index) {
    CDlg_ScannedImages dialog(group.images, group.names, group.paths);
    if (dialog.DoModalAt(index) != IDOK) return;
    group.images = dialog.m_images;
    group.names = dialog.m_names;
    group.paths.RemoveAll();  // where the files came from is not kept
    RefreshImageGrid(group.grid, group.images, group.names);
    group.recordedRow = -1;
}

// A picture removed here goes when the last list that holds it lets it go.
void CCommonForm_InsertImages::DeleteFrom(const Group& group) {
    const CCellRange selected = group.grid.GetSelectedCellRange();
    const int row = selected.GetMinRow();
    if (row != selected.GetMaxRow() || row < 1 || row > group.images.GetSize()) return;
    group.grid.DeleteRow(row);
    group.images.RemoveAt(row - 1);
    if (row - 1 < group.names.GetSize()) group.names.RemoveAt(row - 1);
    RenumberImageGrid(group.grid);
    group.recordedRow = -1;
}
