// The halvane-server tool, run as a person would.
#include <sys/wait.h>

#include <cstdlib>

#include "DravonAdmin.h"
#include "dravon_test_support.h"

namespace dravon_test {
namespace {

using ToolTest = DravonTest;

int Tool(const std::string& args) {
  const int status = std::system((std::string(HALVANE_SERVER_TOOL) + " " + args + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ToolTest, OneLineSetsUpAServerToLogInTo) {
  ASSERT_EQ(Tool("create Sales clerk 'pa ss'"), 0);
  EXPECT_NE(Dm().LogToServer("Sales", "clerk", "pa ss"), 0);
  EXPECT_EQ(Tool("create Sales clerk other"), 1) << "it exists";
}

TEST_F(ToolTest, AccountsAndPasswords) {
  ASSERT_EQ(Tool(std::string("add-account ") + kServer + " second pw2"), 0);
  std::vector<std::string> users;
  std::string error;
  ASSERT_TRUE(dravon::admin::ListAccounts(kServer, users, error));
  EXPECT_EQ(users, (std::vector<std::string>{"second", kUser}));
  ASSERT_EQ(Tool(std::string("set-password ") + kServer + " second changed"), 0);
  EXPECT_EQ(Dm().LogToServer(kServer, "second", "pw2"), 0);
  EXPECT_NE(Dm().LogToServer(kServer, "second", "changed"), 0);
  ASSERT_EQ(Tool(std::string("remove-account ") + kServer + " second"), 0);
  EXPECT_EQ(Tool(std::string("remove-account ") + kServer + " second"), 1);
  EXPECT_EQ(Tool("set-password NoServer u p"), 1);
  EXPECT_EQ(Tool("bogus"), 2);
  EXPECT_EQ(Tool("create OnlyName"), 2);
}

TEST_F(ToolTest, ListsAndRemovesServers) {
  ASSERT_EQ(Tool("create Second u p"), 0);
  EXPECT_EQ(dravon::admin::ListServers(), (std::vector<std::string>{"Second", kServer}));
  ASSERT_EQ(Tool("remove Second"), 0);
  EXPECT_EQ(Tool("remove Second"), 1);
  EXPECT_EQ(dravon::admin::ListServers(), std::vector<std::string>{kServer});
}

}  // namespace
}  // namespace dravon_test
