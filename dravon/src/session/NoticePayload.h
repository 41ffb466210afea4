// The names that name notices (0x29C8, 0x29CA, 0x29CB) carry: one copy per
// posted message, which the receiver frees when it takes the name
// (CDataManager::TakeNoticeName) and the poster frees when the message is
// dropped unread. Until then the registry owns it, so a pointer a message
// carries stays valid whenever the message arrives.
#pragma once

#include <windows.h>

#include <string>

namespace dravon {

bool IsNameNotice(UINT msg);
// A new copy of the name, for one message.
LPARAM NewNoticePayload(const std::string& name);
// Frees a payload made here; false for any other value.
bool ReleaseNoticePayload(LPARAM payload);

}  // namespace dravon
