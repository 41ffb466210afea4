#include "wizard_fixture.h"

#include <gxall.h>
#include <sec/secreg.h>

#include <filesystem>

namespace wizardtest {

AgentProperty Property(const char* name, const char* type, std::initializer_list<const char*> values,
                       const char* description) {
  CStringList list;
  return AgentProperty(name, description, type, Fill(list, values), 0, 1, "1");
}

std::vector<std::string> Texts(const CStringList& list) {
  std::vector<std::string> texts;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) texts.emplace_back(list.GetNext(pos));
  return texts;
}

CStringList& Fill(CStringList& list, std::initializer_list<const char*> values) {
  list.RemoveAll();
  for (const char* value : values) list.AddTail(value);
  return list;
}

void TypeProfileName(halvane::test::Robot& robot, halvane::test::Window combo, const std::string& name) {
  ::SetWindowText(combo.hwnd(), "");
  robot.click(combo.children().front());
  robot.type(name);
}

void WizardTest::SetUp() {
  MfcTest::SetUp();
  GXInit();
  std::filesystem::create_directories(users / "Users");
  userProfile.emplace("USERPROFILE", users / "Users/tester");
}

void WizardTest::TearDown() {
  userProfile.reset();
  MfcTest::TearDown();
}

std::string WizardTest::sharedFolder() const { return users / "Users/All Users/Application Data/Halvane/Orvex"; }

std::optional<std::string> WizardTest::bookPath(const char* subkey) {
  SECRegistry registry;
  CString path;
  if (!registry.Connect(HKEY_CURRENT_USER) ||
      !registry.Open(CString("Software\\Halvane\\Orvex\\Settings\\") + subkey, SECRegistry::permissionRead) ||
      !registry.GetStringValue("Serialization", path))
    return std::nullopt;
  return std::string(path);
}

void WizardTest::setBookPath(const char* subkey, const std::string& path) {
  SECRegistry registry;
  ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
  ASSERT_TRUE(registry.Create(CString("Software\\Halvane\\Orvex\\Settings\\") + subkey));
  ASSERT_TRUE(registry.SetStringValue("Serialization", path.c_str()));
}

void WizardTest::answerMessage(std::string& text) {
  robot.onDialog(kAppName, [&text](halvane::test::Robot& r, halvane::test::Window box) {
    text = box.child(0xFFFF).text();
    r.click(box.child(IDOK));
  });
}

}  // namespace wizardtest
