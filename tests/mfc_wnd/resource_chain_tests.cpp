// The resource chain: lookups search the current resource module, then
// the extension libraries that joined, then the class library's own.
#include <string>

#include "ext_library.h"
#include "resource.h"
#include "wnd_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

class ResourceChainTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    ExtLibraryAttach();
  }
  void TearDown() override {
    ExtLibraryDetach();
    WndTest::TearDown();
  }
  HINSTANCE Library() const { return ::GetModuleHandle("mfc_wnd_ext"); }
};

std::string Loaded(UINT id) {
  CString text;
  text.LoadString(id);
  return std::string(text);
}

TEST_F(ResourceChainTest, StringsComeFromTheFirstModuleThatHasThem) {
  ASSERT_NE(Library(), nullptr);
  EXPECT_EQ(Loaded(IDS_APP_STRING), "from the program");
  EXPECT_EQ(Loaded(IDS_LIBRARY_STRING), "from the library");
  EXPECT_EQ(Loaded(IDS_SHADOWED), "the program's copy");
  // The class library's own strings come last.
  EXPECT_EQ(Loaded(AFX_IDP_PARSE_INT), "Please enter an integer.");
  CString missing = "kept?";
  EXPECT_FALSE(missing.LoadString(9999));
  EXPECT_TRUE(missing.IsEmpty());
}

TEST_F(ResourceChainTest, SwitchingTheResourceHandleChangesWhoAnswersFirst) {
  AfxSetResourceHandle(Library());
  EXPECT_EQ(AfxGetResourceHandle(), Library());
  EXPECT_EQ(Loaded(IDS_SHADOWED), "the library's copy");
  // As in the classic library the program is not part of the chain.
  EXPECT_EQ(Loaded(IDS_APP_STRING), "");
  EXPECT_EQ(Loaded(AFX_IDP_PARSE_INT), "Please enter an integer.");
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_SWITCHED), RT_DIALOG), Library());
  AfxSetResourceHandle(nullptr);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_SWITCHED), RT_DIALOG), AfxGetInstanceHandle());
}

TEST_F(ResourceChainTest, ADialogOfALibraryIsFoundThroughTheChain) {
  CDialog dialog(IDD_LIBRARY);
  robot.onDialog("Library dialog", [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_LIBRARY_TEXT).text(), "from the library");
    r.click(dlg.childByText("OK"));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(ResourceChainTest, ADialogThroughTheResourceHandleAndTheModuleStateGuard) {
  CDialog program(IDD_SWITCHED);
  robot.onDialog("Program copy", [](Robot& r, Window dlg) { r.click(dlg.childByText("OK")); });
  EXPECT_EQ(program.DoModal(), IDOK);
  {
    // The library's copy while its handle is current.
    const HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(Library());
    CDialog library(IDD_SWITCHED);
    robot.onDialog("Library copy", [](Robot& r, Window dlg) { r.click(dlg.childByText("OK")); });
    EXPECT_EQ(library.DoModal(), IDOK);
    AfxSetResourceHandle(saved);
  }
  AFX_MODULE_STATE own;
  own.m_hCurrentResourceHandle = Library();
  {
    AFX_MANAGE_STATE(&own);
    EXPECT_EQ(AfxGetModuleState(), &own);
    EXPECT_EQ(AfxGetResourceHandle(), Library());
  }
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
}

TEST_F(ResourceChainTest, TermTakesTheLibraryOutOfTheChain) {
  EXPECT_EQ(AfxGetAppModuleState()->m_libraryList.size(), 1u);
  ExtLibraryDetach();
  EXPECT_TRUE(AfxGetAppModuleState()->m_libraryList.empty());
  EXPECT_EQ(Loaded(IDS_LIBRARY_STRING), "");
  AFX_EXTENSION_MODULE none;
  EXPECT_FALSE(AfxInitExtensionModule(none, nullptr)) << "a null module fails the attach";
  ExtLibraryAttach();
}

}  // namespace
