// How long a writer waits for a server's write lock. The usual wait is
// short; while a load writes to the server (which may take far longer)
// it holds the server's load mark, and writers wait for as long as the
// mark is held instead of failing half-way through someone else's load.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <string>

namespace dravon::sql {

// The mark beside the database: an exclusive lock on "<database>-load",
// which the system drops with the process however it ends.
class AFX_EXT_CLASS LoadMark {
 public:
  LoadMark() = default;
  ~LoadMark();
  LoadMark(const LoadMark&) = delete;
  LoadMark& operator=(const LoadMark&) = delete;

  // Waits while another load holds the mark; false when the mark file
  // cannot be made.
  bool Take(const std::string& databasePath);

 private:
  int m_fd = -1;
};

// Whether a load holds the database's mark now.
AFX_EXT_API bool LoadRunning(const std::string& databasePath);

// The file of the mark.
AFX_EXT_API std::string LoadMarkPath(const std::string& databasePath);

// The state of one connection's waits, for its busy handler.
struct AFX_EXT_CLASS WaitState {
  std::string databasePath;
  long long waitStartMs = 0;
};

// SQLite's busy handler: answers whether to try the lock again.
AFX_EXT_API int WaitForWriteLock(void* state, int count);

// The usual wait, after which a writer gives up (when no load runs).
inline constexpr int kBusyTimeoutMs = 5000;

}  // namespace dravon::sql
