// A server of the tests' own: an embedded server in a temporary folder,
// which is the servers folder while it lives, with a session logged in to
// it. Built into its own library: the robot does not link the data manager.
#pragma once

#include <DataManager.h>

#include <optional>
#include <string>

#include "temp_folder.h"

namespace halvane::test {

// The constructors fail the test when they cannot make the server or log
// in; the destructor deletes the data manager, the session with it.
class TemporaryServer {
 public:
  static constexpr const char* kUser = "tester";
  static constexpr const char* kPassword = "secret";

  explicit TemporaryServer(std::string name = "TestServer");
  // The server alone, no session, in `serversFolder`, which the caller
  // keeps and removes.
  TemporaryServer(std::string name, const std::string& serversFolder);
  ~TemporaryServer();
  TemporaryServer(const TemporaryServer&) = delete;
  TemporaryServer& operator=(const TemporaryServer&) = delete;

  const std::string& Name() const { return name_; }
  CDataManager& Dm() { return *CDataManager::InitInstance(); }
  // Records a map, template, collaboration or relationship on the server.
  void AddObject(_E_HvObjType type, const std::string& name) const;

 private:
  void Create(const std::string& serversFolder) const;

  std::string name_;
  std::optional<TempFolder> folder_;
};

}  // namespace halvane::test
