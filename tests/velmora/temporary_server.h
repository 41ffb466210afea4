// A server of the tests' own to check names against.
#pragma once

#include <DataManager.h>

#include <string>

#include "temp_folder.h"

// An embedded server in a temporary folder, logged in to, with the data
// manager deleted again at the end.
class TemporaryServer {
 public:
  static constexpr const char* kServer = "NamesServer";

  TemporaryServer();
  ~TemporaryServer();
  TemporaryServer(const TemporaryServer&) = delete;
  TemporaryServer& operator=(const TemporaryServer&) = delete;

  CDataManager* Dm() const { return CDataManager::InitInstance(); }
  // Records a map, template, collaboration or relationship on the server.
  void AddObject(_E_HvObjType type, const std::string& name) const;
  // A business-object definition saved to the server and let go again.
  void AddBusinessObject(const std::string& name) const;

 private:
  halvane::test::TempFolder folder_{"velmora-server"};
};
