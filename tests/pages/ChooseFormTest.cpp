// The older form chooser: the species types, the forms of the chosen type, and the form
// type it puts into the document.
#include "pages/common/ChooseForm.h"
#include "tests/pages/PageFixture.h"

namespace {

class ChooseFormTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = -1;
        Exec("insert into old_SpeciesType (id, Name) values (4, 'Бозайници'), (7, 'Влечуги');"
             "insert into old_Form (ID, SpeciesID, Name) values (40, 4, 'Вълк'), (41, 4, 'Мечка'), (70, 7, 'Костенурки')");
        chooser = dynamic_cast<CChooseForm*>(ShowView(RUNTIME_CLASS(CChooseForm)));
        ASSERT_NE(chooser, nullptr);
    }

    static std::vector<std::pair<CString, int>> Listed(const CListCtrl& list) {
        std::vector<std::pair<CString, int>> rows;
        for (int i = 0; i < list.GetItemCount(); ++i)
            rows.emplace_back(list.GetItemText(i, 0) + " " + list.GetItemText(i, 1), static_cast<int>(list.GetItemData(i)));
        return rows;
    }
    void Notify(CListCtrl& list, int id, int code) {
        NMITEMACTIVATE click;
        click.hdr = {&list, static_cast<UINT_PTR>(id), code};
        chooser->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
    }
    static void Select(CListCtrl& list, int item) {
        for (int i = 0; i < list.GetItemCount(); ++i) list.SetItemState(i, i == item ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
    BOOL ContinueEnabled() const { return chooser->GetDlgItem(CChooseForm::IDC_CONTINUE)->IsWindowEnabled(); }

    CChooseForm* chooser = nullptr;
};

using ListedRows = std::vector<std::pair<CString, int>>;

TEST_F(ChooseFormTest, AFormOfTheChosenTypeBecomesTheDocumentsFormType) {
    EXPECT_EQ(Listed(chooser->SpeciesTypes()), (ListedRows{{"1 Бозайници", 4}, {"2 Влечуги", 7}}));
    EXPECT_FALSE(ContinueEnabled());

    Select(chooser->SpeciesTypes(), 0);
    Notify(chooser->SpeciesTypes(), CChooseForm::IDC_SPECIES_TYPES, NM_CLICK);
    EXPECT_EQ(Listed(chooser->Forms()), (ListedRows{{"1 Вълк", 40}, {"2 Мечка", 41}}));
    Select(chooser->Forms(), 1);
    Notify(chooser->Forms(), CChooseForm::IDC_FORMS, NM_CLICK);
    EXPECT_TRUE(ContinueEnabled());

    // Another type replaces the forms and takes "Продължи >>" away until a form is clicked.
    Select(chooser->SpeciesTypes(), 1);
    Notify(chooser->SpeciesTypes(), CChooseForm::IDC_SPECIES_TYPES, NM_CLICK);
    EXPECT_EQ(Listed(chooser->Forms()), (ListedRows{{"1 Костенурки", 70}}));
    EXPECT_FALSE(ContinueEnabled());

    chooser->OnContinue();  // no form selected: nothing
    EXPECT_EQ(doc.FormTypeID, -1);
    Select(chooser->Forms(), 0);
    Notify(chooser->Forms(), CChooseForm::IDC_FORMS, NM_DBLCLK);
    EXPECT_EQ(doc.FormTypeID, 70);
    EXPECT_EQ(chooser->Forms().GetSelectedCount(), 0u);

    // A click beside the rows (no selection) empties the forms.
    Select(chooser->SpeciesTypes(), -1);
    Notify(chooser->SpeciesTypes(), CChooseForm::IDC_SPECIES_TYPES, NM_CLICK);
    EXPECT_TRUE(Listed(chooser->Forms()).empty());
}

}  // namespace
