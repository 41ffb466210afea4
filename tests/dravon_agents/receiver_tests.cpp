#include <string>
#include <vector>

#include "BDKAgent.h"
#include "robot_test.h"

namespace {

class RecordingReceiver : public IMsgReceiver {
 public:
  void StartMessage(const char* text, UINT style) override {
    log.push_back("start " + std::string(text) + " " + std::to_string(style));
  }
  void EndMessage(int answer, UINT style) override {
    log.push_back("end " + std::to_string(answer) + " " + std::to_string(style));
  }
  CString GetReceiverName() override { return "Orders agent"; }

  std::vector<std::string> log;
};

using ReceiverTest = halvane::test::RobotTest;

TEST_F(ReceiverTest, DefaultDisplayShowsTheMessageBetweenItsBrackets) {
  RecordingReceiver receiver;
  robot.onMessageBox("Orders agent", IDRETRY);
  const UINT style = MB_RETRYCANCEL | MB_ICONHAND;
  EXPECT_EQ(receiver.DisplayMessage("The table is locked.", style), IDRETRY);
  EXPECT_EQ(receiver.log, (std::vector<std::string>{"start The table is locked. " + std::to_string(style),
                                                    "end 4 " + std::to_string(style)}));
}

TEST_F(ReceiverTest, TheAgentsNotificationTargetIsItsListenersReceiver) {
  RecordingReceiver receiver;
  CQRBDKAgent agent("Any", nullptr, 4);
  EXPECT_EQ(agent.GetNotificationTarget(), nullptr);
  agent.SetNotificationTarget(&receiver);
  EXPECT_EQ(agent.GetListener().GetMessageReceiver(), &receiver);
  EXPECT_EQ(agent.GetNotificationTarget(), &receiver);
}

}  // namespace
