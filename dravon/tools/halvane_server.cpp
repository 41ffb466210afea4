// halvane-server: creates, lists and removes the servers on this machine
// and their accounts, and loads repository-copy files into a server.
//
//   halvane-server create SERVER USER PASSWORD   one line: a server and its account
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DravonAdmin.h"

namespace {

using Args = std::vector<std::string>;

struct Command {
  size_t argCount;
  const char* usage;
  std::function<bool(const Args&, std::string&)> run;
};

bool PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  return true;
}

const std::map<std::string, Command>& Commands() {
  namespace admin = dravon::admin;
  static const std::map<std::string, Command> commands = {
      {"create",
       {3, "create SERVER USER PASSWORD",
        [](const Args& a, std::string& e) { return admin::CreateServer(a[0], a[1], a[2], e); }}},
      {"list", {0, "list", [](const Args&, std::string&) { return PrintLines(admin::ListServers()); }}},
      {"remove", {1, "remove SERVER", [](const Args& a, std::string& e) { return admin::RemoveServer(a[0], e); }}},
      {"accounts",
       {1, "accounts SERVER",
        [](const Args& a, std::string& e) {
          std::vector<std::string> users;
          return admin::ListAccounts(a[0], users, e) && PrintLines(users);
        }}},
      {"add-account",
       {3, "add-account SERVER USER PASSWORD",
        [](const Args& a, std::string& e) { return admin::AddAccount(a[0], a[1], a[2], e); }}},
      {"remove-account",
       {2, "remove-account SERVER USER",
        [](const Args& a, std::string& e) { return admin::RemoveAccount(a[0], a[1], e); }}},
      {"set-password",
       {3, "set-password SERVER USER PASSWORD",
        [](const Args& a, std::string& e) { return admin::SetPassword(a[0], a[1], a[2], e); }}},
      {"load",
       {2, "load SERVER FILE",
        [](const Args& a, std::string& e) {
          int count = 0;
          if (!admin::LoadRepositoryCopy(a[0], a[1], count, e)) return false;
          std::printf("%d business object definition(s) loaded into %s\n", count, a[0].c_str());
          return true;
        }}},
      {"folder", {0, "folder", [](const Args&, std::string&) { return PrintLines({admin::ServersFolder()}); }}},
  };
  return commands;
}

int Usage() {
  std::fprintf(stderr, "usage: halvane-server COMMAND ...\n");
  for (const auto& [name, command] : Commands()) std::fprintf(stderr, "  halvane-server %s\n", command.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const auto it = Commands().find(argv[1]);
  const Args args(argv + 2, argv + argc);
  if (it == Commands().end() || args.size() != it->second.argCount) return Usage();
  std::string error;
  if (it->second.run(args, error)) return 0;
  std::fprintf(stderr, "halvane-server: %s\n", error.c_str());
  return 1;
}
