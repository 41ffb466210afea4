// Reports, one fact per line, what the JVM host does in a fresh process:
// jvm_probe CLASS_PATH
#include <cstdio>

#include "HomeDirectory.h"
#include "JVM.h"

int main(int argc, char** argv) {
  const char* classPath = argc > 1 ? argv[1] : "";
  std::printf("env before: %s\n", JVM::GetJNIEnv() != nullptr ? "set" : "null");
  std::printf("init: %d\n", JVM::Init(classPath, true));
  std::printf("init again: %d\n", JVM::Init("/elsewhere.jar", false));
  std::printf("env after: %s\n", JVM::GetJNIEnv() != nullptr ? "set" : "null");
  std::printf("reason: %s\n", JVM::GetFailureReason().c_str());
  std::printf("home: %s\n", static_cast<const char*>(HomeDirectory()));
  return 0;
}
