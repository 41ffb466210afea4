// Loading a repository-copy file into a server's repository: what the
// halvane-server tool's load does.
#pragma once

#include <string>

namespace dravon {

class Repository;

// Saves every business-object definition of the file, all or none. The
// file is read twice, one definition at a time: once to check all of it
// before the server is touched, then again to write each definition into
// one transaction. False with the reason (the file, the line and what is
// wrong with it) in `error`; `count` is the number saved.
bool LoadRepositoryCopyInto(Repository& repo, const std::string& path, int& count, std::string& error);

}  // namespace dravon
