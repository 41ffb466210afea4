#include "session/NoticePayload.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "DataManager.h"

namespace dravon {

namespace {

struct Registry {
  std::mutex mutex;
  std::unordered_map<LPARAM, std::unique_ptr<char[]>> payloads;
};

Registry& Payloads() {
  static Registry registry;
  return registry;
}

}  // namespace

bool IsNameNotice(UINT msg) { return msg == WM_HV_DEF_GONE || msg == WM_HV_DEF_CLOSE || msg == WM_HV_DEF_CHANGED; }

LPARAM NewNoticePayload(const std::string& name) {
  auto copy = std::make_unique<char[]>(name.size() + 1);
  std::memcpy(copy.get(), name.c_str(), name.size() + 1);
  const auto payload = reinterpret_cast<LPARAM>(copy.get());
  Registry& registry = Payloads();
  std::lock_guard lock(registry.mutex);
  registry.payloads.emplace(payload, std::move(copy));
  return payload;
}

bool ReleaseNoticePayload(LPARAM payload) {
  Registry& registry = Payloads();
  std::lock_guard lock(registry.mutex);
  return registry.payloads.erase(payload) != 0;
}

}  // namespace dravon

CString CDataManager::TakeNoticeName(WPARAM wParam, LPARAM lParam) {
  const auto* text = reinterpret_cast<const char*>(lParam);
  if (text == nullptr) return CString();
  // Never past the length the notice gives, nor past the text's end.
  const size_t length = ::strnlen(text, static_cast<size_t>(wParam));
  CString name(text, static_cast<int>(length));
  dravon::ReleaseNoticePayload(lParam);
  return name;
}
