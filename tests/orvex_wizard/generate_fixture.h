// The generation wizard's tests: Orvex run in-process with a server and a
// user of its own, the wizard opened from its menu and driven through the
// real sheet against the scriptable agent "Test Agent" (or the SQLite
// agent), with helpers for the sheet's buttons and the source trees.
#pragma once

#include <gmock/gmock.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AgentTestHooks.h"
#include "GenerateWizard.h"
#include "MainFrame.h"
#include "NodeTree.h"
#include "OrvexApp.h"
#include "broker_fixture.h"
#include "mfc_test.h"
#include "scripted_app.h"
#include "temp_folder.h"
#include "temp_profile.h"

namespace generatetest {

inline constexpr const char* kAgent = "Test Agent";
inline constexpr const char* kServer = "WizardServer";
inline constexpr const char* kUser = "tester";
inline constexpr const char* kPassword = "secret";

// The application with a script for its first idle time.
using CScriptedOrvexApp = halvane::test::ScriptedApp<COrvexApp>;

// Repository-copy text of definitions of the names, each with a key
// attribute "Id", as an agent generates it.
std::string DefinitionsText(const std::vector<std::string>& names);

// The agent most tests talk to: one required property with a value, a
// tree of "Sales" (not generable, with "Orders", "Invoices" and "Notes")
// and "Customers", and the definitions of Orders and Customers as its
// content of type 0, handed over on request.
dravon::test::ScriptedAgent StandardAgent();

std::vector<std::string> Strings(const CStringArray& array);

class GenerateTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs Orvex (connected to the test server when `connected`) and the
  // script at its first idle time; what the script leaves open is closed.
  void Run(bool connected, const std::function<void()>& script);
  // Offers the scripted agent under kAgent.
  void Offer(const dravon::test::ScriptedAgent& agent) { dravon::test::AddScriptedAgent(kAgent, agent); }

  COrvexApp& App() { return *app_; }
  CMainFrame& Frame() { return *app_->GetMainFrame(); }

  // File > New Using ZTA...; the wizard it opened.
  CGenerateWizard* OpenWizard();
  // The wizard open now, or null.
  CGenerateWizard* Wizard() const;
  halvane::test::Window Sheet() const;
  // The page shown.
  halvane::test::Window Page() const;
  // The index of the page shown (0 for step 1), -1 without a wizard.
  int Step() const;
  std::string Title() const;
  void Next();
  void Back();
  void Cancel();
  // Types the name into step 1 and presses Next.
  void ConnectTo(const std::string& name);
  // From a new wizard to the given step (0-based) with the standard choice
  // of source nodes ("Customers"); to step 5 (4) only the generation is
  // started, to step 6 (5) it is waited for.
  CGenerateWizard* OpenAt(int step);
  // Types the text into the value cell of a row of step 2's grid.
  void TypeProperty(unsigned row, const std::string& text);
  // The step's source tree.
  CNodeTree& SourceTree();
  CNodeTree& ReviewTree();
  // The item at the path of texts, or null.
  HTREEITEM Item(CNodeTree& tree, const std::vector<std::string>& path);
  std::vector<std::string> Children(CNodeTree& tree, const std::vector<std::string>& path);
  // Clicks the item's label, holding the keys.
  void ClickItem(CNodeTree& tree, const std::vector<std::string>& path, std::initializer_list<UINT> keys = {});
  // Right-clicks the item; the popup menu is answered by `path` (or its
  // items are read and it is closed when `path` is empty).
  void ContextMenu(CNodeTree& tree, const std::vector<std::string>& item, const std::vector<std::string>& path,
                   std::vector<std::string>* items = nullptr);
  // Waits on the virtual clock (at most `limitMs` of it) until `done`.
  bool WaitFor(const std::function<bool()>& done, DWORD limitMs);
  // Answers the next message box of the caption with `button` and keeps
  // its text.
  halvane::test::HandlerRegistration AnswerBox(const std::string& caption, int button, std::string* text = nullptr);
  // The definitions of the session, by name, and the open windows' titles.
  std::vector<std::string> OpenTitles();

  halvane::test::TempProfile profile_;
  halvane::test::TempFolder folder_{"generate-test"};
  std::optional<brokertest::ScopedVariable> servers_;
  std::optional<brokertest::ScopedVariable> userProfile_;
  std::optional<brokertest::ScopedVariable> temp_;

 private:
  CScriptedOrvexApp* app_ = nullptr;
};

}  // namespace generatetest
