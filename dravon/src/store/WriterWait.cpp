#include "store/WriterWait.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace dravon::sql {

namespace {

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string LoadMarkPath(const std::string& databasePath) { return databasePath + "-load"; }

LoadMark::~LoadMark() {
  if (m_fd >= 0) close(m_fd);  // drops the lock
}

bool LoadMark::Take(const std::string& databasePath) {
  m_fd = open(LoadMarkPath(databasePath).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (m_fd < 0) return false;
  while (flock(m_fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      close(m_fd);
      m_fd = -1;
      return false;
    }
  }
  return true;
}

bool LoadRunning(const std::string& databasePath) {
  const int fd = open(LoadMarkPath(databasePath).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);
  return held;
}

int WaitForWriteLock(void* state, int count) {
  auto& wait = *static_cast<WaitState*>(state);
  const long long now = NowMs();
  if (count == 0) wait.waitStartMs = now;
  // The usual wait starts again once the load is over.
  if (LoadRunning(wait.databasePath)) {
    wait.waitStartMs = now;
  } else if (now - wait.waitStartMs >= kBusyTimeoutMs) {
    return 0;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(count < 10 ? 1 : 10));
  return 1;
}

}  // namespace dravon::sql
