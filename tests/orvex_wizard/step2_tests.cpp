// The profiles of the wizard's second step, on the page run by itself: the
// combo box of the book's profiles, Save, New and Remove, choosing a
// profile, and the buttons' states.
#include "book_fixture.h"
#include "prop_grid_fixture.h"
#include "wizard_resource.h"

namespace wizardtest {
namespace {

using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;

constexpr const char* kStep2 = "Business Object Wizard - Step 2 of 6 - Configure Agent";

class Step2Page : public CDlgStep2 {
 public:
  explicit Step2Page(CGenerateWizard* pWizard) { m_pSheet = pWizard; }
  using CDlgStep2::m_wndGrid;
};

class Step2Test : public BookTest {
 protected:
  void SetUp() override {
    BookTest::SetUp();
    setBookPath(kAgentKey, bookFile);
    agentProps = SampleProperties();
    wizard.SetAgentProperties(&agentProps);
  }
  // Runs the page; `body` acts on it, and the page is ended afterwards.
  void run(const std::function<void(Robot&, Window)>& body) {
    Step2Page page(&wizard);
    robot.onDialog(kStep2, [&](Robot& r, Window dlg) {
      body(r, dlg);
      ::EndDialog(dlg.hwnd(), IDOK);
    });
    page.DoModal();
  }
  static Window Combo(Window dlg) { return dlg.child(IDC_PROFILE_COMBO); }
  static void TypeName(Robot& r, Window dlg, const std::string& name) { TypeProfileName(r, Combo(dlg), name); }
  static bool SaveEnabled(Window dlg) { return dlg.child(IDC_PROFILE_SAVE).isEnabled(); }
  static bool RemoveEnabled(Window dlg) { return dlg.child(IDC_PROFILE_REMOVE).isEnabled(); }
  void storeProfile(const char* name, const char* host) {
    AgentPropArray props = SampleProperties();
    Fill(props.Find("Host")->m_currentValues, {host});
    wizard.StoreProfile(name, props);
  }

  CGenerateWizard wizard{"", nullptr, 0};
  AgentPropArray agentProps;
};

TEST_F(Step2Test, TheComboListsTheBooksProfilesAndTheGridTheAgentsProperties) {
  brokertest::WriteFile(bookFile,
                        "<AgentProfiles Name=\"ProfileBook\"><AgentProfile Name=\"Shop\"></AgentProfile>"
                        "<AgentProfile Name=\"Archive\"></AgentProfile></AgentProfiles>");
  run([&](Robot& r, Window dlg) {
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Shop", "Archive")) << "in book order";
    EXPECT_EQ(Combo(dlg).text(), "");
    EXPECT_FALSE(SaveEnabled(dlg));
    EXPECT_FALSE(RemoveEnabled(dlg));
    EXPECT_EQ(::SendMessage(Combo(dlg).children().front().hwnd(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE)
        << "no limit to the name";
  });
}

TEST_F(Step2Test, SavingANewNameStoresTheGridsValuesAndAddsTheProfile) {
  run([&](Robot& r, Window dlg) {
    TypeName(r, dlg, "  Nightly  ");
    EXPECT_TRUE(SaveEnabled(dlg));
    EXPECT_FALSE(RemoveEnabled(dlg));
    r.click(dlg.child(IDC_PROFILE_SAVE));
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Nightly")) << "the name trimmed";
    EXPECT_EQ(Combo(dlg).selectedIndex(), 0);
    EXPECT_TRUE(SaveEnabled(dlg)) << "the profile can be saved again";
    EXPECT_TRUE(RemoveEnabled(dlg));
  });
  ASSERT_NE(wizard.FindProfile("Nightly"), nullptr);
  EXPECT_THAT(Texts(wizard.FindProfile("Nightly")->Find("Host")->m_currentValues), ElementsAre("localhost"));
  EXPECT_TRUE(wizard.IsBookModified());
}

TEST_F(Step2Test, SavingUnderTheSelectedProfilesNameOverwritesItWithoutASecondEntry) {
  storeProfile("Shop", "old.example.org");
  run([&](Robot& r, Window dlg) {
    r.choose(Combo(dlg), "Shop");
    EXPECT_TRUE(SaveEnabled(dlg));
    r.click(dlg.child(IDC_PROFILE_SAVE));
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Shop"));
  });
  EXPECT_THAT(Texts(wizard.FindProfile("Shop")->Find("Host")->m_currentValues), ElementsAre("old.example.org"))
      << "the grid showed the profile's values";
}

TEST_F(Step2Test, TheNameOfAnotherProfileThanTheSelectedOneCannotBeSaved) {
  storeProfile("Shopping", "a");
  storeProfile("Shop", "b");
  run([&](Robot& r, Window dlg) {
    // Typing selects the first entry the text begins: Shopping.
    TypeName(r, dlg, "Shop");
    EXPECT_EQ(Combo(dlg).selectedIndex(), 0);
    EXPECT_FALSE(SaveEnabled(dlg));
    EXPECT_TRUE(RemoveEnabled(dlg));
    r.choose(Combo(dlg), "Shop");
    EXPECT_TRUE(SaveEnabled(dlg));
  });
}

TEST_F(Step2Test, ChoosingAProfileShowsItsValuesOverTheAgentsDefaults) {
  AgentPropArray props;
  props.Add(Property("Host", "5", {"shop.example.org"}));
  wizard.StoreProfile("Shop", props);
  Step2Page page(&wizard);
  robot.onDialog(kStep2, [&](Robot& r, Window dlg) {
    page.m_wndGrid.SetValueRange(CGXRange(kModeRow, CPropGrid::kValueCol), "fast");
    r.choose(Combo(dlg), "Shop");
    EXPECT_EQ(Combo(dlg).text(), "Shop");
    EXPECT_EQ(std::string(page.m_wndGrid.GetValueRowCol(kHostRow, CPropGrid::kValueCol)), "shop.example.org");
    EXPECT_EQ(std::string(page.m_wndGrid.GetValueRowCol(kModeRow, CPropGrid::kValueCol)), "slow")
        << "what the profile does not hold comes from the defaults";
    r.click(dlg.child(IDC_PROFILE_NEW));
    EXPECT_EQ(Combo(dlg).text(), "");
    EXPECT_EQ(std::string(page.m_wndGrid.GetValueRowCol(kHostRow, CPropGrid::kValueCol)), "localhost");
    EXPECT_FALSE(SaveEnabled(dlg));
    ::EndDialog(dlg.hwnd(), IDOK);
  });
  page.DoModal();
}

TEST_F(Step2Test, ProfilesWhoseNamesDifferInCaseAreKeptApart) {
  storeProfile("Shop", "upper");
  run([&](Robot& r, Window dlg) {
    TypeName(r, dlg, "shop");
    EXPECT_TRUE(SaveEnabled(dlg)) << "a new name";
    EXPECT_FALSE(RemoveEnabled(dlg));
    r.click(dlg.child(IDC_PROFILE_SAVE));
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Shop", "shop"));
  });
  EXPECT_THAT(Texts(wizard.FindProfile("Shop")->Find("Host")->m_currentValues), ElementsAre("upper"));
  EXPECT_THAT(Texts(wizard.FindProfile("shop")->Find("Host")->m_currentValues), ElementsAre("localhost"));
}

TEST_F(Step2Test, RemoveTakesOutTheProfileAndExactlyItsEntry) {
  storeProfile("Shopping", "a");
  storeProfile("Shop", "b");
  run([&](Robot& r, Window dlg) {
    r.choose(Combo(dlg), "Shop");
    r.click(dlg.child(IDC_PROFILE_REMOVE));
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Shopping"));
    // A name the book does not hold removes nothing.
    TypeName(r, dlg, "Other");
    r.click(dlg.child(IDC_PROFILE_REMOVE));
    EXPECT_THAT(Combo(dlg).listItems(), ElementsAre("Shopping"));
  });
  EXPECT_EQ(wizard.FindProfile("Shop"), nullptr);
  EXPECT_NE(wizard.FindProfile("Shopping"), nullptr);
  EXPECT_TRUE(wizard.IsBookModified());
}

TEST_F(Step2Test, ABlankNameSavesNothing) {
  run([&](Robot& r, Window dlg) {
    TypeName(r, dlg, "   ");
    EXPECT_FALSE(SaveEnabled(dlg));
    r.click(dlg.child(IDC_PROFILE_SAVE));
  });
  EXPECT_THAT(names(wizard), ::testing::IsEmpty());
  EXPECT_FALSE(wizard.IsBookModified());
}

}  // namespace
}  // namespace wizardtest
