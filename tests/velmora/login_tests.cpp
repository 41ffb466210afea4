// The login dialog: the login history of "Common" around the caller's
// presets, the fixed server, trimming and the length limits, the stored
// login (no password readable in the registry file), a log-in to the
// default server, and the server search started from it.
#include <HLUtilWinRegistry.h>

#include <string>
#include <vector>

#include "Login.h"
#include "login_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using Strings = std::vector<std::string>;

constexpr const char* kLogin = "Connect to Tressel Server";

void Retype(Robot& r, Window edit, const std::string& text) {
  r.click(edit);
  ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
  r.type(text);
}

// The edit of a drop-down combo box.
Window EditOf(Window combo) { return combo.childByClass("Edit"); }

// Types the three fields over what they show.
void TypeLogin(Robot& r, Window dlg, const std::string& server, const std::string& user, const std::string& password) {
  Retype(r, EditOf(dlg.child(IDC_LOGIN_SERVER)), server);
  Retype(r, EditOf(dlg.child(IDC_LOGIN_USER)), user);
  Retype(r, dlg.child(IDC_LOGIN_PASSWORD), password);
}

void Remember(bool remember, const char* server, const char* user, const char* password) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(remember, server, user, password);
}

struct Shown {
  std::string server, user, password;
  bool remember = false;
  Strings servers, users;
  int focus = 0;
};

Shown Read(Robot& r, Window dlg) {
  Shown s;
  s.server = dlg.child(IDC_LOGIN_SERVER).text();
  s.user = dlg.child(IDC_LOGIN_USER).text();
  s.password = dlg.child(IDC_LOGIN_PASSWORD).text();
  s.remember = dlg.child(IDC_LOGIN_REMEMBER).checked() == BST_CHECKED;
  s.servers = dlg.child(IDC_LOGIN_SERVER).listItems();
  s.users = dlg.child(IDC_LOGIN_USER).listItems();
  Window focused = r.focused();
  for (int id : {IDC_LOGIN_SERVER, IDC_LOGIN_USER, IDC_LOGIN_PASSWORD})
    if (focused == dlg.child(id) || focused.parent() == dlg.child(id)) s.focus = id;
  return s;
}

class LoginDialogTest : public LoginTest {
 protected:
  // Runs the dialog, reads what it shows and answers it with `then`.
  Shown Run(CLogin& login, std::function<void(Robot&, Window)> then, INT_PTR expected = IDCANCEL) {
    Shown shown;
    robot.onDialog(kLogin, [&](Robot& r, Window dlg) {
      shown = Read(r, dlg);
      then(r, dlg);
    });
    EXPECT_EQ(expected, login.DoModal());
    return shown;
  }
  static void Cancel(Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); }
  static void Connect(Robot& r, Window dlg) { r.click(dlg.child(IDOK)); }
  static std::string Stored(const std::string& key, const std::string& value) {
    const CString path = CString("Software\\Halvane\\Common\\") + key.c_str();
    HKEY hKey = nullptr;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return "";
    char data[1024] = {};
    DWORD size = sizeof(data);
    const bool found =
        ::RegQueryValueEx(hKey, value.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return found ? std::string(data) : "";
  }
};

TEST_F(LoginDialogTest, TheHistoryFillsTheListsAndTheRecentLoginTheFields) {
  Remember(true, "Second", "bob", "bobpw");
  Remember(true, "HalvaneServer", "admin", "adminpw");
  CLogin login;
  const Shown shown = Run(login, [](Robot& r, Window dlg) {
    r.snapshot(dlg, "login");
    Cancel(r, dlg);
  });
  EXPECT_EQ((Strings{"HalvaneServer", "Second"}), shown.servers);
  EXPECT_EQ((Strings{"admin", "bob"}), shown.users);
  EXPECT_EQ("HalvaneServer", shown.server);
  EXPECT_EQ("admin", shown.user);
  EXPECT_EQ("adminpw", shown.password);
  EXPECT_TRUE(shown.remember);
  EXPECT_EQ(IDC_LOGIN_USER, shown.focus) << "a user and a password: focus in the user";
}

TEST_F(LoginDialogTest, NonEmptyPresetsWinOverTheHistory) {
  Remember(true, "HalvaneServer", "admin", "adminpw");
  CLogin login;
  login.m_strServer = "FromCommandLine";
  login.m_strUser = "carol";
  Shown shown = Run(login, Cancel);
  EXPECT_EQ("FromCommandLine", shown.server);
  EXPECT_EQ("carol", shown.user);
  EXPECT_EQ("", shown.password) << "admin's password is not carol's";
  EXPECT_EQ(IDC_LOGIN_PASSWORD, shown.focus) << "a user without a password: focus in the password";

  CLogin withPassword;
  withPassword.m_strPassword = "given";
  shown = Run(withPassword, Cancel);
  EXPECT_EQ("HalvaneServer", shown.server) << "empty presets take the history";
  EXPECT_EQ("admin", shown.user);
  EXPECT_EQ("given", shown.password);
}

TEST_F(LoginDialogTest, AFixedServerIsTrimmedShownDisabledAndCannotBeSearched) {
  Remember(true, "HalvaneServer", "admin", "adminpw");
  CLogin login("  Fixed Server  ");
  bool enabled = true, browse = true;
  const Shown shown = Run(login, [&](Robot& r, Window dlg) {
    enabled = dlg.child(IDC_LOGIN_SERVER).isEnabled();
    browse = dlg.child(IDC_LOGIN_BROWSE).isVisible();
    Cancel(r, dlg);
  });
  EXPECT_EQ("Fixed Server", shown.server);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(browse);
}

TEST_F(LoginDialogTest, ServerAndUserAreTrimmedThePasswordKeptAndNoPasswordIsReadable) {
  CLogin login;
  Run(
      login,
      [](Robot& r, Window dlg) {
        TypeLogin(r, dlg, "  HalvaneServer  ", " admin ", " Sesame Word ");
        r.click(dlg.child(IDC_LOGIN_REMEMBER));
        Connect(r, dlg);
      },
      IDOK);
  EXPECT_EQ(CString("HalvaneServer"), login.m_strServer);
  EXPECT_EQ(CString("admin"), login.m_strUser);
  EXPECT_EQ(CString(" Sesame Word "), login.m_strPassword);
  EXPECT_EQ(1, login.m_bRemember);
  EXPECT_EQ("HalvaneServer", Stored("Recent", "Server"));
  EXPECT_EQ("admin", Stored("Recent", "User"));
  EXPECT_TRUE(Stored("Recent", "Password").starts_with("hv2:"));
  EXPECT_TRUE(Stored("Passwords", "admin").starts_with("hv2:"));
  EXPECT_EQ(std::string::npos, profile.registryText().find("Sesame")) << profile.registryText();

  CLogin forget;
  const Shown shown = Run(
      forget,
      [](Robot& r, Window dlg) {
        r.click(dlg.child(IDC_LOGIN_REMEMBER));
        Connect(r, dlg);
      },
      IDOK);
  EXPECT_EQ(" Sesame Word ", shown.password) << "the remembered password came back";
  EXPECT_EQ(0, forget.m_bRemember);
  EXPECT_EQ("", Stored("Recent", "Password")) << "without remember no password is kept";
  EXPECT_EQ("", Stored("Passwords", "admin"));
}

TEST_F(LoginDialogTest, AnEmptyServerOrUserIsRefusedAndNothingIsStored) {
  CLogin login;
  Strings messages;
  Run(login, [&](Robot& r, Window dlg) {
    for (const auto& [server, user] : {std::pair{"   ", "admin"}, std::pair{"HalvaneServer", "  "}}) {
      Retype(r, EditOf(dlg.child(IDC_LOGIN_SERVER)), server);
      Retype(r, EditOf(dlg.child(IDC_LOGIN_USER)), user);
      r.onDialog("Login Host", [&](Robot& r2, Window box) {
        for (const Window& w : box.descendants())
          if (w.className() == "Static" && !w.text().empty()) messages.push_back(w.text());
        r2.click(box.child(IDOK));
      });
      Connect(r, dlg);
      EXPECT_TRUE(dlg.exists());
    }
    Cancel(r, dlg);
  });
  EXPECT_EQ((Strings{"Server name is empty.", "User name is empty."}), messages);
  EXPECT_EQ(std::string::npos, profile.registryText().find("Recent"));
}

TEST_F(LoginDialogTest, UserAndPasswordTakeThirtyCharactersTheServerAny) {
  const std::string thirty(30, 'u'), longServer(80, 's');
  for (const bool userTooLong : {true, false}) {
    CLogin login;
    login.m_strServer = longServer.c_str();
    login.m_strUser = (userTooLong ? thirty + "u" : thirty).c_str();
    login.m_strPassword = (userTooLong ? thirty : thirty + "p").c_str();
    int refusals = 0;
    Run(login, [&](Robot& r, Window dlg) {
      r.onDialog("Login Host", [&](Robot& r2, Window box) {
        ++refusals;
        r2.click(box.child(IDOK));
      });
      Connect(r, dlg);
      EXPECT_TRUE(dlg.exists());
      Cancel(r, dlg);
    });
    EXPECT_EQ(1, refusals);
  }
  CLogin login;
  login.m_strServer = longServer.c_str();
  login.m_strUser = thirty.c_str();
  login.m_strPassword = thirty.c_str();
  Run(login, Connect, IDOK);
  EXPECT_EQ(CString(longServer.c_str()), login.m_strServer);
}

TEST_F(LoginDialogTest, ChoosingARememberedUserFillsItsPasswordTypingANewOneDoesNot) {
  Remember(true, "S", "bob", "bobpw");
  Remember(true, "S", "admin", "adminpw");
  CLogin login;
  Strings passwords;
  Run(login, [&](Robot& r, Window dlg) {
    r.choose(dlg.child(IDC_LOGIN_USER), "bob");
    passwords.push_back(dlg.child(IDC_LOGIN_PASSWORD).text());
    Retype(r, EditOf(dlg.child(IDC_LOGIN_USER)), "newcomer");
    passwords.push_back(dlg.child(IDC_LOGIN_PASSWORD).text());
    Cancel(r, dlg);
  });
  EXPECT_EQ((Strings{"bobpw", "bobpw"}), passwords);
}

TEST_F(LoginDialogTest, ALoginThroughTheDialogReachesTheDefaultServer) {
  CLogin login;
  Run(
      login,
      [](Robot& r, Window dlg) {
        TypeLogin(r, dlg, "HalvaneServer", "admin", "admin");
        Connect(r, dlg);
      },
      IDOK);
  EXPECT_NE(0, CDataManager::InitInstance()->LogToServer(login.m_strServer, login.m_strUser, login.m_strPassword));
  CDataManager::InitInstance()->Disconnect();
}

TEST_F(LoginDialogTest, AServerFoundBySearchingBecomesTheServerAndTheHostsResourcesReturn) {
  CreateServer("Alpha");
  CreateServer("Beta");
  CLogin login;
  std::string server;
  Run(login, [&](Robot& r, Window dlg) {
    Retype(r, EditOf(dlg.child(IDC_LOGIN_USER)), "typed user");
    r.onDialog("Servers", [&](Robot& r2, Window search) {
      Window servers = search.child(IDC_SEARCH_SERVERS);
      PumpUntil([&] { return servers.listItems().size() == 2; });
      Window list = r2.droppedList(servers);
      RECT item{};
      ::SendMessage(list.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
      r2.doubleClick(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    });
    r.click(dlg.child(IDC_LOGIN_BROWSE));
    server = dlg.child(IDC_LOGIN_SERVER).text();
    EXPECT_EQ("typed user", dlg.child(IDC_LOGIN_USER).text()) << "the other fields stay as typed";
    Cancel(r, dlg);
  });
  EXPECT_EQ("Beta", server);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

}  // namespace
