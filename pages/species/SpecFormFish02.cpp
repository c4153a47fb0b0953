#include "pages/species/SpecFormFish02.h"

#include "res/FishIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fish_02, CFormPage)

namespace {

constexpr int kSizeLength = 3;
constexpr int kMeshLength = 2;

}  // namespace

CSpecForm_Fish_02::CSpecForm_Fish_02() : CFormPage(IDD_FISH_NET_PAGE) {}

void CSpecForm_Fish_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDV_MaxChars(pDX, m_length, kSizeLength);
    DDX_Text(pDX, IDC_HEIGHT, m_height);
    DDV_MaxChars(pDX, m_height, kSizeLength);
    DDX_Text(pDX, IDC_MESH, m_mesh);
    DDV_MaxChars(pDX, m_mesh, kMeshLength);
    DDX_Radio(pDX, IDC_VERTICAL, m_netType);
}

void CSpecForm_Fish_02::LoadRecord() {
    const CSpecData_Fish_02& net = Document()->SpecData_Fish_02;
    m_length = net.NetLength;
    m_height = net.NetHeight;
    m_mesh = net.NetEyeDimnsion;
    m_netType = net.NetType;
}

void CSpecForm_Fish_02::SaveRecord() {
    CSpecData_Fish_02& net = Document()->SpecData_Fish_02;
    net.NetLength = m_length;
    net.NetHeight = m_height;
    net.NetEyeDimnsion = m_mesh;
    net.NetType = m_netType;
}
