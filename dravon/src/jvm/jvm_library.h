// Finding and loading libjvm at run time, so that nothing links it at build
// time and a machine without Java still runs the programs.
#pragma once

#include <jni.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dravon::jvm {

using CreateJavaVMFunction = jint (*)(JavaVM**, void**, void*);
using GetCreatedJavaVMsFunction = jint (*)(JavaVM**, jsize, jsize*);

// The entry points of a loaded libjvm; the library stays loaded for the
// rest of the process, as a started machine cannot be unloaded.
struct JvmLibrary {
  CreateJavaVMFunction createJavaVM = nullptr;
  GetCreatedJavaVMsFunction getCreatedJavaVMs = nullptr;
  std::string error;  // why loading failed; empty when the entry points are set

  bool Loaded() const { return error.empty(); }
};

// The Java home to use: JAVA_HOME when set, else the default JDK when it
// exists, else the home of the java found on PATH. Empty with the reason in
// `error` when there is none.
std::filesystem::path FindJavaHome(std::string& error);

// The libjvm files a Java home may hold, most likely first.
std::vector<std::filesystem::path> LibjvmCandidates(const std::filesystem::path& javaHome);

JvmLibrary LoadJvmLibrary();

}  // namespace dravon::jvm
