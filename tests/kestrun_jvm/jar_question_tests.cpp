// A program whose installation has no lib/Halvane.jar asks where the Java
// classes are before it starts the virtual machine. Its own test program:
// a process starts its machine once, and these tests need one that has not.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <cstdio>
#include <cstdlib>

#include "JavaEncryption.h"
#include "JVM.h"
#include "kestrun_fixture.h"
#include "win32/winreg.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using kestrun_test::Text;

constexpr const char* kQuestion = "Set ClassPath";
constexpr int kPathEdit = 1011;

class JarQuestionTest : public kestrun_test::KestrunTest {
 protected:
  void SetUp() override {
    KestrunTest::SetUp();
    win32::SetRegistryFile(folder / "registry.reg");
  }
  void TearDown() override {
    win32::SetRegistryFile("");
    KestrunTest::TearDown();
  }
};

TEST_F(JarQuestionTest, AMissingJarIsAskedForAndCancellingRunsWithoutJava) {
  ASSERT_EQ(nullptr, JVM::GetJNIEnv()) << "the process's machine must not run yet";
  CJavaEncryption cancelled(CString((folder / "install").c_str()));
  robot.onDialog(kQuestion, [](Robot& r, Window dialog) { r.click(dialog.childByText("Cancel")); });
  EXPECT_FALSE(cancelled.Start());
  EXPECT_FALSE(cancelled.IsRunning());
  EXPECT_NE(std::string::npos, Text(cancelled.UnavailableReason()).find(folder / "install/lib/Halvane.jar"))
      << Text(cancelled.UnavailableReason());
  EXPECT_EQ(nullptr, JVM::GetJNIEnv()) << "a cancelled question starts no machine";

  // The jar the user points to starts the machine.
  CJavaEncryption chosen(CString((folder / "install").c_str()));
  robot.onDialog(kQuestion, [](Robot& r, Window dialog) {
    SetWindowText(dialog.child(kPathEdit).hwnd(), HALVANE_JAR);
    r.click(dialog.childByText("OK"));
  });
  ASSERT_TRUE(chosen.Start()) << Text(chosen.UnavailableReason());
  EXPECT_TRUE(chosen.IsRunning());
  CString key;
  EXPECT_TRUE(chosen.GenerateKey(key));
}

TEST_F(JarQuestionTest, AJarWithoutTheClassLeavesTheServiceStopped) {
  // In a fresh process of its own, whatever the other tests started.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const CString notTheJar = WriteFile("other.jar", "not a jar");
  EXPECT_EXIT(
      {
        robot.onDialog(kQuestion, [&](Robot& r, Window dialog) {
          SetWindowText(dialog.child(kPathEdit).hwnd(), notTheJar);
          r.click(dialog.childByText("OK"));
        });
        CJavaEncryption service(CString((folder / "install").c_str()));
        const bool started = service.Start();
        std::fprintf(stderr, "reason: %s\n", static_cast<LPCTSTR>(service.UnavailableReason()));
        CString key;
        std::_Exit(!started && !service.IsRunning() && !service.GenerateKey(key) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "reason: the class Velmora/HvEncryptJavaInterface was not found");
}

}  // namespace
