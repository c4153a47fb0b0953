// The stags and the hinds page share their code but neither is a kind of the other, so the
// view switch replaces either by the other: form 25 steps back from the hinds to the stags.
#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "tests/shell/ShellFixture.h"

namespace {

class DeerStepsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartLoggedIn(2);
    }
};

TEST_F(DeerStepsTest, FormWalksBackFromTheHindsToTheStags) {
    OpenForm(25);
    while (RightView()->GetRuntimeClass() != RUNTIME_CLASS(CSpecForm_Deer_02)) ASSERT_TRUE(Frame()->SelectNextStep());
    ASSERT_TRUE(Frame()->SelectPrevStep());
    EXPECT_EQ(RightView()->GetRuntimeClass(), RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
