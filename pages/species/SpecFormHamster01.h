#pragma once
// The hamster form's first page: whether livestock grazes on the site, which animals and
// roughly how many, and how the site is overgrown. The animals can be ticked only when
// grazing is answered "Да", and a count only while its animal is ticked.
#include <initializer_list>

#include "pages/common/FormPage.h"
#include "store/HamsterRecords.h"

class CSpecForm_Hamster_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Hamster_01)
public:
    static constexpr int IDC_PASTURE_YES = 2423, IDC_PASTURE_NO = 2432, IDC_PASTURE_UNKNOWN = 2433;
    static constexpr int IDC_ANIMALS_GROUP = 2778;
    static constexpr int IDC_COWS = 2427, IDC_COWS_LABEL = 2779, IDC_COWS_COUNT = 2428;
    static constexpr int IDC_SHEEP = 2429, IDC_SHEEP_LABEL = 2781, IDC_SHEEP_COUNT = 2024;
    static constexpr int IDC_GOATS = 2420, IDC_GOATS_LABEL = 2780, IDC_GOATS_COUNT = 2544;
    static constexpr int IDC_HORSES = 2431, IDC_HORSES_LABEL = 2782, IDC_HORSES_COUNT = 2694;
    static constexpr int IDC_OTHERS = 2740, IDC_OTHERS_KIND_LABEL = 2783, IDC_OTHERS_COUNT_LABEL = 2784,
                         IDC_OTHERS_KIND = 2700, IDC_OTHERS_COUNT = 2704;
    static constexpr int IDC_PRICKLES = 2591, IDC_BUSHES = 2424, IDC_JUNIPER = 2425, IDC_ELSE = 2426,
                         IDC_ELSE_TEXT = 2044;

    CSpecForm_Hamster_01();

    const MessageMap& GetMessageMap() const override;

    void OnPastureYes();
    void OnPastureNo();
    // Enables the animal boxes (and their group) by the flag; every count and the kind text
    // are disabled, and without the flag the boxes are cleared and their fields emptied.
    void EnableGrazing(BOOL enable);
    void OnCows();
    void OnSheep();
    void OnGoats();
    void OnHorses();
    void OnOthers();
    void OnElse();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The box's fields enabled while it is ticked; emptied when it is not.
    void FollowAnimalBox(int ticked, std::initializer_list<int> labels, std::initializer_list<int> edits);

    CSpecData_Hamster_01 m_site;
};
