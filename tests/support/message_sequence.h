// Expected message sequences as tables, compared with what a MessageLog
// recorded; a mismatch is printed with message and notification names.
//
//   EXPECT_TRUE(MatchesSequence(parent, {
//       {WM_COMMAND, edit, 0, EN_UPDATE},
//       {WM_COMMAND, edit, 0, EN_CHANGE},
//       {WM_TIMER, nullptr, kPosted | kOptional},
//   }, SequenceMatch::IgnoreOthers));
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "message_log.h"

namespace halvane::test {

// Flags of a row.
constexpr unsigned kOptional = 0x1;  // may be missing
constexpr unsigned kPosted = 0x2;    // must have come through the queue
constexpr unsigned kSent = 0x4;      // must have been sent (not through the queue)

// One row: the message, the window that got it (null: any), flags, and for
// WM_COMMAND and WM_NOTIFY the notification code (-1: any).
struct ExpectedMessage {
  UINT message = 0;
  HWND hwnd = nullptr;
  unsigned flags = 0;
  int code = -1;
  // For WM_COMMAND and WM_NOTIFY the window is the control that sent it.
  ExpectedMessage(UINT msg, HWND window = nullptr, unsigned rowFlags = 0, int notification = -1)
      : message(msg), hwnd(window), flags(rowFlags), code(notification) {}
};

enum class SequenceMatch {
  Exact,         // every recorded message, in order (optional rows may be missing)
  IgnoreOthers,  // messages whose number no row names are left out first
};

::testing::AssertionResult MatchesSequence(const MessageLog& log, const std::vector<ExpectedMessage>& expected,
                                           SequenceMatch match = SequenceMatch::Exact);

}  // namespace halvane::test
