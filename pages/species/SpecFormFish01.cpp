#include "pages/species/SpecFormFish01.h"

#include "res/FishIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fish_01, CFormPage)

namespace {

constexpr int kDistanceLength = 4;
constexpr int kTimeLength = 4;

}  // namespace

CSpecForm_Fish_01::CSpecForm_Fish_01() : CFormPage(IDD_FISH_DEVICE_PAGE) {}

void CSpecForm_Fish_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DEVICE, m_device);
    DDX_Text(pDX, IDC_DISTANCE, m_distance);
    DDV_MaxChars(pDX, m_distance, kDistanceLength);
    DDX_Text(pDX, IDC_TIME, m_time);
    DDV_MaxChars(pDX, m_time, kTimeLength);
}

void CSpecForm_Fish_01::LoadRecord() {
    const CSpecData_Fish_01& device = Document()->SpecData_Fish_01;
    m_device = device.FishingDevice;
    m_distance = device.FishingDistance;
    m_time = device.FishingTime;
}

void CSpecForm_Fish_01::SaveRecord() {
    CSpecData_Fish_01& device = Document()->SpecData_Fish_01;
    device.FishingDevice = m_device;
    device.FishingDistance = m_distance;
    device.FishingTime = m_time;
}
