#include "pages/species/DlgMossAddTree.h"

#include "res/MossPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_Moss_AddTree, nullptr)

namespace {

constexpr int kSizeLength = 6;

}  // namespace

CDlg_Moss_AddTree::CDlg_Moss_AddTree(const CMoss17TreeRow* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_ADD_TREE, row, parent) {}

const MessageMap& CDlg_Moss_AddTree::GetMessageMap() const {
    static const MessageMap map(CRowDialogOf::GetMessageMap(), {
        OnSelChange(IDC_BULGARIAN, &CDlg_Moss_AddTree::OnBulgarianChanged),
        OnSelChange(IDC_LATIN, &CDlg_Moss_AddTree::OnLatinChanged),
    });
    return map;
}

void CDlg_Moss_AddTree::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BULGARIAN, m_pair.m_bulgarian);
    DDX_Control(pDX, IDC_LATIN, m_pair.m_latin);
    DDX_Control(pDX, IDC_HEIGHT, m_heightEdit);
    DDX_Control(pDX, IDC_DIAMETER, m_diameterEdit);
    DDX_Text(pDX, IDC_HEIGHT, m_height);
    DDV_MaxChars(pDX, m_height, kSizeLength);
    DDX_Text(pDX, IDC_DIAMETER, m_diameter);
    DDV_MaxChars(pDX, m_diameter, kSizeLength);
}

BOOL CDlg_Moss_AddTree::ShowRow() {
    m_pair.Select(m_row.ID_bg, m_row._AllTreesID);
    m_height = m_row.Height;
    m_diameter = m_row.Diameter;
    return TRUE;
}

void CDlg_Moss_AddTree::TakeRow() {
    m_pair.Take(m_row.Name_lat, m_row._AllTreesID, m_row.Name_bg, m_row.ID_bg);
    m_row.Height = m_height;
    m_row.Diameter = m_diameter;
}
