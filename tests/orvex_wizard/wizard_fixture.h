// The fixture of the property grid, profile book and broker profile tests:
// a fresh window system, a user of its own (registry and data folder), a
// profile folder USERPROFILE names inside a temporary "Users" folder, and
// helpers to read and write the books' registry values and files.
#pragma once

#include <afxwin.h>
#include <gmock/gmock.h>

#include <optional>
#include <string>

#include "AgentProperty.h"
#include "broker_fixture.h"
#include "mfc_test.h"
#include "temp_folder.h"
#include "temp_profile.h"

namespace wizardtest {

constexpr const char* kAppName = "Wizard Tests";
constexpr const char* kAgentKey = "Agent Profiles";
constexpr const char* kBrokerKey = "KBRX Profiles";

// A property of the given kind; its values become default and current.
AgentProperty Property(const char* name, const char* type, std::initializer_list<const char*> values = {},
                       const char* description = "");
std::vector<std::string> Texts(const CStringList& list);
CStringList& Fill(CStringList& list, std::initializer_list<const char*> values);

// Types a profile name into the combo box's empty edit.
void TypeProfileName(halvane::test::Robot& robot, halvane::test::Window combo, const std::string& name);

class WizardTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The shared folder of the default books the fixture's USERPROFILE gives.
  std::string sharedFolder() const;
  // "Serialization" of Software\Halvane\Orvex\Settings\<subkey>, or nullopt.
  static std::optional<std::string> bookPath(const char* subkey);
  static void setBookPath(const char* subkey, const std::string& path);
  // Answers the next message box of the program with OK and keeps its text.
  void answerMessage(std::string& text);

  CWinApp app{kAppName};
  halvane::test::TempProfile profile;
  halvane::test::TempFolder users{"wizard-users"};
  halvane::test::TempFolder files{"wizard-files"};
  std::optional<brokertest::ScopedVariable> userProfile;
};

}  // namespace wizardtest
