#include "store/RepositoryCopyLoad.h"

#include <sqlite3.h>

#include "RepositoryCopyBO.h"
#include "store/Repository.h"
#include "store/WriterWait.h"

namespace dravon {

namespace {

std::string Describe(const std::string& path, repocopy::Error error) {
  if (error.code == repocopy::kNoDefinitions) error.text = path.c_str();
  const std::string text = repocopy::ErrorText(error).str();
  const bool named = error.code == repocopy::kNoDefinitions || error.code == repocopy::kCannotRead;
  return (named ? text : path + ": " + text) + "; nothing was loaded";
}

}  // namespace

bool LoadRepositoryCopyInto(Repository& repo, const std::string& path, int& count, std::string& error) {
  count = 0;
  // All of the file is checked before the server is written to, so that a
  // bad line late in a large file costs the other writers nothing.
  const repocopy::Error checked = repocopy::ReadEach(path, [](std::unique_ptr<CQRBusObjDef>) { return true; });
  if (checked) {
    error = Describe(path, checked);
    return false;
  }
  // Writers that find the server locked wait while this load runs.
  sql::LoadMark mark;
  mark.Take(repo.Path());
  repocopy::Error readError;
  bool refused = false;
  const bool saved = repo.SaveBOs([&](const Repository::BOSaver& save) {
    readError = repocopy::ReadEach(path, [&](std::unique_ptr<CQRBusObjDef> def) {
      refused = !save(*def);
      count += refused ? 0 : 1;
      return !refused;
    });
    return !readError && !refused;
  });
  if (saved) return true;
  count = 0;
  if (readError) {
    error = Describe(path, readError);  // the file changed since it was checked
  } else if ((repo.TakeFailure() & 0xff) == SQLITE_BUSY) {
    error = "the server is busy: another program has held its write lock for more than " +
            std::to_string(sql::kBusyTimeoutMs / 1000) + " s; nothing was loaded, try again";
  } else {
    error = "the server did not take the definitions; nothing was loaded";
  }
  return false;
}

}  // namespace dravon
