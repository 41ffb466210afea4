// The explorer-style hook and child template: notification order, the
// CDN_FILEOK veto, the CDM_* messages and the child's place.
#include <cstring>

#include "commdlg_fixture.h"
#include "internal/dlg_template_builder.h"
#include "resource.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

// What the hook saw; the hook procedure reaches it through lCustData.
struct HookLog {
  Strings events;
  HWND hook = nullptr;
  HWND dialog = nullptr;
  LPARAM initParam = 0;
  std::string folderAtInit;
  std::string folderListAtInit;  // CDM_GETFOLDERIDLIST
  std::string fileAtFileOk;
  std::string specAtFileOk;
  int tooSmallAnswer = 0;
  DWORD typeAtTypeChange = 0;
  int vetoes = 0;                                         // CDN_FILEOK answers to refuse
  std::vector<std::pair<int, std::string>> controlTexts;  // CDM_SETCONTROLTEXT at CDN_INITDONE
  std::vector<int> hiddenControls;                        // CDM_HIDECONTROL at CDN_INITDONE
  const char* defExt = nullptr;                           // CDM_SETDEFEXT at CDN_INITDONE
};

std::string Ask(HWND dialog, UINT message) {
  char buffer[MAX_PATH] = {};
  SendMessage(dialog, message, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

const char* NameOf(UINT code) {
  switch (code) {
    case CDN_INITDONE:
      return "CDN_INITDONE";
    case CDN_SELCHANGE:
      return "CDN_SELCHANGE";
    case CDN_FOLDERCHANGE:
      return "CDN_FOLDERCHANGE";
    case CDN_HELP:
      return "CDN_HELP";
    case CDN_FILEOK:
      return "CDN_FILEOK";
    case CDN_TYPECHANGE:
      return "CDN_TYPECHANGE";
    default:
      return "CDN_?";
  }
}

void OnNotify(HookLog& log, HWND hook, const OFNOTIFY& note) {
  log.events.push_back(NameOf(note.hdr.code));
  HWND dialog = GetParent(hook);
  switch (note.hdr.code) {
    case CDN_INITDONE:
      log.folderAtInit = Ask(dialog, CDM_GETFOLDERPATH);
      {
        alignas(USHORT) char list[MAX_PATH + 8] = {};
        char path[MAX_PATH] = {};
        SendMessage(dialog, CDM_GETFOLDERIDLIST, sizeof list, reinterpret_cast<LPARAM>(list));
        SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(list), path);
        log.folderListAtInit = path;
      }
      for (const auto& [id, text] : log.controlTexts)
        SendMessage(dialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(text.c_str()));
      for (int id : log.hiddenControls) SendMessage(dialog, CDM_HIDECONTROL, id, 0);
      if (log.defExt) SendMessage(dialog, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(log.defExt));
      break;
    case CDN_TYPECHANGE:
      log.typeAtTypeChange = note.lpOFN->nFilterIndex;
      break;
    case CDN_FILEOK: {
      log.fileAtFileOk = note.lpOFN->lpstrFile;
      log.specAtFileOk = Ask(dialog, CDM_GETSPEC);
      char tiny[2] = {};
      log.tooSmallAnswer =
          static_cast<int>(SendMessage(dialog, CDM_GETFILEPATH, sizeof tiny, reinterpret_cast<LPARAM>(tiny)));
      if (log.vetoes > 0) {
        --log.vetoes;
        SetWindowLongPtr(hook, DWLP_MSGRESULT, 1);
      }
      break;
    }
    default:
      break;
  }
}

UINT_PTR CALLBACK Hook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* ofn = reinterpret_cast<const OPENFILENAME*>(lParam);
    auto* log = reinterpret_cast<HookLog*>(ofn->lCustData);
    SetWindowLongPtr(hook, DWLP_USER, reinterpret_cast<LONG_PTR>(log));
    log->events.push_back("WM_INITDIALOG");
    log->hook = hook;
    log->dialog = GetParent(hook);
    log->initParam = lParam;
    return TRUE;
  }
  auto* log = reinterpret_cast<HookLog*>(GetWindowLongPtr(hook, DWLP_USER));
  if (message == WM_NOTIFY && log) {
    OnNotify(*log, hook, *reinterpret_cast<const OFNOTIFY*>(lParam));
    return TRUE;
  }
  return FALSE;
}

class FileDialogHookTest : public CommonDialogTest {
 protected:
  OPENFILENAME HookedOfn(DWORD flags) {
    OPENFILENAME ofn = Ofn(flags | OFN_ENABLEHOOK);
    ofn.lpfnHook = Hook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&log);
    return ofn;
  }
  static void TypeName(Robot& r, Window dlg, const std::string& name) {
    SetWindowText(dlg.child(edt1).hwnd(), "");
    r.click(dlg.child(edt1));
    r.type(name);
  }
  HookLog log;
};

TEST_F(FileDialogHookTest, TheHookHearsEveryStepInOrderAndMayRefuseTheName) {
  log.vetoes = 1;
  bool stayedAfterVeto = false;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.select(dlg.child(lst1), "a.txt");
    r.choose(dlg.child(cmb1), "Logs");
    TypeName(r, dlg, "c.log");
    r.click(dlg.child(IDOK));
    stayedAfterVeto = dlg.exists() && dlg.isVisible();
    r.click(dlg.child(IDOK));
  });
  OPENFILENAME ofn = HookedOfn(0);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"WM_INITDIALOG", "CDN_INITDONE", "CDN_FOLDERCHANGE", "CDN_SELCHANGE", "CDN_TYPECHANGE",
                     "CDN_FILEOK", "CDN_FILEOK"}),
            log.events);
  EXPECT_TRUE(stayedAfterVeto);
  EXPECT_EQ(reinterpret_cast<LPARAM>(&ofn), log.initParam);
  EXPECT_EQ(dir.path(), log.folderAtInit);
  EXPECT_EQ(dir.path(), log.folderListAtInit);
  EXPECT_EQ(2u, log.typeAtTypeChange);
  EXPECT_EQ(dir / "c.log", log.fileAtFileOk);
  EXPECT_EQ("c.log", log.specAtFileOk);
  EXPECT_EQ(static_cast<int>((dir / "c.log").size() + 1), log.tooSmallAnswer);
  EXPECT_EQ(dir / "c.log", file);
}

TEST_F(FileDialogHookTest, FolderChangesAreReported) {
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    SetWindowText(dlg.child(edt1).hwnd(), "sub");
    r.click(dlg.child(IDOK));
    r.click(dlg.childByText("Up one level"));
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = HookedOfn(0);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ((Strings{"WM_INITDIALOG", "CDN_INITDONE", "CDN_FOLDERCHANGE", "CDN_FOLDERCHANGE", "CDN_FOLDERCHANGE"}),
            log.events);
}

TEST_F(FileDialogHookTest, TheHookRelabelsHidesAndSetsTheDefaultExtension) {
  log.controlTexts = {{IDOK, "&Export"}, {chx1, "Keep &names"}};
  log.hiddenControls = {stc2, cmb1};
  log.defExt = "trc";
  std::string okText, boxText;
  bool typeShown = true;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    okText = dlg.child(IDOK).text();
    boxText = dlg.child(chx1).text();
    typeShown = dlg.child(cmb1).isVisible();
    TypeName(r, dlg, "trace");
    r.key(VK_RETURN);
  });
  OPENFILENAME ofn = HookedOfn(0);
  ofn.nFilterIndex = 2;
  ASSERT_TRUE(GetSaveFileName(&ofn));
  EXPECT_EQ("&Export", okText);
  EXPECT_EQ("Keep &names", boxText);
  EXPECT_FALSE(typeShown);
  EXPECT_EQ(dir / "trace.trc", file);
}

TEST_F(FileDialogHookTest, HelpGoesToTheHook) {
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    r.click(dlg.child(pshHelp));
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = HookedOfn(OFN_SHOWHELP);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ("CDN_HELP", log.events.back());
}

TEST_F(FileDialogHookTest, AChildTemplateSitsBelowTheStandardControls) {
  RECT plain{}, withChild{}, okRect{}, childRect{}, optionRect{};
  bool optionShown = false;
  HWND optionParent = nullptr, hookParent = nullptr;
  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    GetClientRect(dlg.hwnd(), &plain);
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = Ofn(0);
  EXPECT_FALSE(GetOpenFileName(&ofn));

  robot.onDialog("Open", [&](Robot& r, Window dlg) {
    GetClientRect(dlg.hwnd(), &withChild);
    Window option = dlg.childByText("Open the imported &business objects");
    optionShown = option.isVisible();
    optionParent = option.parent().hwnd();
    okRect = dlg.child(IDOK).rect();
    childRect = Window(log.hook).rect();
    hookParent = GetParent(log.hook);
    optionRect = option.rect();
    r.snapshot(dlg, "open_dialog_with_child", false, {dlg.child(cmb2)});
    r.click(dlg.child(IDCANCEL));
  });
  ofn = HookedOfn(OFN_ENABLETEMPLATE);
  ofn.hInstance = GetModuleHandle(nullptr);
  ofn.lpTemplateName = MAKEINTRESOURCE(IDD_FILE_OPTIONS);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_TRUE(optionShown);
  EXPECT_EQ(log.hook, optionParent);
  EXPECT_EQ(log.dialog, hookParent) << "the file dialog holds the hook's window";
  EXPECT_GT(withChild.bottom, plain.bottom);
  EXPECT_GE(childRect.top, okRect.bottom);
  EXPECT_GE(optionRect.top, okRect.bottom);
  EXPECT_EQ((Strings{"WM_INITDIALOG", "CDN_INITDONE", "CDN_FOLDERCHANGE"}), log.events);
}

TEST_F(FileDialogHookTest, AChildTemplateMayComeInGlobalMemory) {
  win32::internal::DialogTemplateBuilder withItem(WS_CHILD | WS_VISIBLE | DS_CONTROL | DS_SETFONT, 0,
                                                  RECT{0, 0, 200, 20}, "", {8, "MS Sans Serif"});
  withItem.Item(WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, RECT{62, 4, 180, 14}, 1070, "Button", "&Rename");
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, withItem.Size());
  std::memcpy(GlobalLock(block), withItem.Get(), withItem.Size());
  GlobalUnlock(block);
  bool present = false;
  robot.onDialog("Save As", [&](Robot& r, Window dlg) {
    present = dlg.childByText("&Rename").isVisible();
    r.click(dlg.child(IDCANCEL));
  });
  OPENFILENAME ofn = HookedOfn(OFN_ENABLETEMPLATEHANDLE);
  ofn.hInstance = reinterpret_cast<HINSTANCE>(block);
  EXPECT_FALSE(GetSaveFileName(&ofn));
  EXPECT_TRUE(present);
  GlobalFree(block);
}

TEST_F(FileDialogHookTest, MissingTemplatesAndHooksFailWithTheirErrors) {
  OPENFILENAME ofn = HookedOfn(OFN_ENABLETEMPLATE);
  ofn.hInstance = GetModuleHandle(nullptr);
  ofn.lpTemplateName = MAKEINTRESOURCE(999);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(static_cast<DWORD>(CDERR_FINDRESFAILURE), CommDlgExtendedError());
  ofn = Ofn(OFN_ENABLEHOOK);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(static_cast<DWORD>(CDERR_NOHOOK), CommDlgExtendedError());
}

}  // namespace
}  // namespace halvane::test
