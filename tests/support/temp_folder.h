// Files on disk for tests that browse folders: a temporary folder removed
// with its contents, and the working folder put back when a test changed it.
#pragma once

#include <string>

namespace halvane::test {

// A folder under the system's temporary folder, removed with its contents.
class TempFolder {
 public:
  // The folder's name starts with `prefix`.
  explicit TempFolder(const std::string& prefix = "halvane");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // A file holding its own name.
  void file(const std::string& name) const;
  void folder(const std::string& name) const;

 private:
  std::string path_;
};

// Puts back the process's working folder when it goes.
class WorkingFolderKeeper {
 public:
  WorkingFolderKeeper();
  ~WorkingFolderKeeper();
  WorkingFolderKeeper(const WorkingFolderKeeper&) = delete;
  WorkingFolderKeeper& operator=(const WorkingFolderKeeper&) = delete;

 private:
  std::string saved_;
};

}  // namespace halvane::test
