// The host of the name, results and path dialog tests: an application
// object, whose name is the caption of the class library's message boxes.
#pragma once

#include <string>

#include "velmora_fixture.h"

class HostTest : public VelmoraTest {
 protected:
  static constexpr const char* kHostName = "Velmora Host";

  // Answers the next message box with OK and keeps its text in `text`.
  void AnswerMessage(std::string& text) {
    robot.onDialog(kHostName, [&text](halvane::test::Robot& r, halvane::test::Window box) {
      text = box.child(0xFFFF).text();
      r.click(box.child(IDOK));
    });
  }

  // Presses OK and answers the message box it shows; the box's text. The
  // dialog must stay open behind a refusal.
  std::string RefusalOfOk(halvane::test::Robot& r, halvane::test::Window dlg) {
    std::string message;
    AnswerMessage(message);
    r.click(dlg.child(IDOK));
    EXPECT_TRUE(dlg.exists()) << "the dialog stays open after a refusal";
    return message;
  }

  CWinApp app{kHostName};
};
