// The wizard's sheet and its first step: opening from the main frame,
// connecting the agent as tasks, the agent error box, Cancel and the close
// box, the watch of the agent's connection.
#include "generate_fixture.h"

#include "DlgStep1.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using halvane::test::Window;
using SheetTest = GenerateTest;

TEST_F(SheetTest, NewUsingZtaOpensTheWizardOnItsFirstStep) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ASSERT_NE(pWizard, nullptr);
    EXPECT_TRUE(Frame().IsWizardListed(pWizard));
    EXPECT_EQ(Title(), "Business Object Wizard - Step 1 of 6 - Select Agent");
    EXPECT_FALSE(Sheet().child(ID_PSBACK).isEnabled());
    EXPECT_FALSE(Sheet().child(ID_PSNEXT).isEnabled()) << "no name yet";
    robot.snapshot(Sheet(), "step1");
  });
}

}  // namespace
}  // namespace generatetest

namespace generatetest {
namespace {

using SmokeTest = GenerateTest;

TEST_F(SmokeTest, FromTheAgentToTheOpenedDefinition) {
  Offer(StandardAgent());
  Run(false, [&] {
    ASSERT_NE(OpenWizard(), nullptr);
    ConnectTo(kAgent);
    ASSERT_EQ(Step(), 1) << Title();
    Next();
    ASSERT_EQ(Step(), 2) << Title();
    EXPECT_EQ(Children(SourceTree(), {}), (std::vector<std::string>{"Sales", "Customers"}));
    ClickItem(SourceTree(), {"Customers"});
    Next();
    ASSERT_EQ(Step(), 3) << Title();
    Next();
    EXPECT_TRUE(WaitFor([this] { return Step() == 5; }, 10000)) << Title();
    robot.click(Page().child(IDC_OPEN_IN_WINDOWS));
    robot.click(Sheet().child(ID_PSFINISH));
    EXPECT_TRUE(WaitFor([this] { return Wizard() == nullptr; }, 10000));
    robot.pumpUntilIdle();
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customers"});
  });
}

}  // namespace
}  // namespace generatetest
