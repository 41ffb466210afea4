#include "jvm/jvm_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <system_error>

namespace dravon::jvm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultJavaHome = "/usr/lib/jvm/default-java";

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The java launcher on PATH, resolved through its links (Debian's
// alternatives) to the home it belongs to: <home>/bin/java.
fs::path HomeOfJavaOnPath() {
  std::istringstream path(Environment("PATH"));
  std::string folder;
  while (std::getline(path, folder, ':')) {
    if (folder.empty()) continue;
    fs::path launcher = fs::path(folder) / "java";
    if (access(launcher.c_str(), X_OK) != 0) continue;
    std::error_code error;
    fs::path resolved = fs::canonical(launcher, error);
    if (!error) return resolved.parent_path().parent_path();
  }
  return {};
}

template <typename Function>
Function Symbol(void* library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

fs::path FindJavaHome(std::string& error) {
  std::string javaHome = Environment("JAVA_HOME");
  if (!javaHome.empty()) return javaHome;
  if (Exists(kDefaultJavaHome)) return kDefaultJavaHome;
  fs::path fromPath = HomeOfJavaOnPath();
  if (fromPath.empty())
    error = std::string("no Java runtime: JAVA_HOME is not set, ") + kDefaultJavaHome +
            " does not exist and no java is on PATH";
  return fromPath;
}

std::vector<fs::path> LibjvmCandidates(const fs::path& javaHome) {
  return {javaHome / "lib/server/libjvm.so", javaHome / "jre/lib/server/libjvm.so",
          javaHome / "jre/lib/amd64/server/libjvm.so", javaHome / "lib/client/libjvm.so"};
}

JvmLibrary LoadJvmLibrary() {
  JvmLibrary library;
  fs::path javaHome = FindJavaHome(library.error);
  if (javaHome.empty()) return library;
  for (const fs::path& candidate : LibjvmCandidates(javaHome)) {
    if (!Exists(candidate)) continue;
    void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (handle == nullptr) {
      library.error = "cannot load " + candidate.string() + ": " + dlerror();
      return library;
    }
    library.createJavaVM = Symbol<CreateJavaVMFunction>(handle, "JNI_CreateJavaVM");
    library.getCreatedJavaVMs = Symbol<GetCreatedJavaVMsFunction>(handle, "JNI_GetCreatedJavaVMs");
    if (library.createJavaVM == nullptr || library.getCreatedJavaVMs == nullptr)
      library.error = candidate.string() + " lacks the JNI invocation functions";
    return library;
  }
  library.error = "no libjvm.so in the Java home " + javaHome.string() + " (looked in " +
                  LibjvmCandidates(javaHome).front().parent_path().string() + " and the older layouts)";
  return library;
}

}  // namespace dravon::jvm
