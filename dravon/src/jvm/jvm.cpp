#include "JVM.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

#include "jvm/jvm_library.h"

namespace {

constexpr jint kJniVersion = JNI_VERSION_1_8;

// The one machine of the process and the answer of the first Init, which
// every later Init repeats.
struct Machine {
  std::mutex mutex;
  bool initCalled = false;
  std::string failure;
  JavaVM* vm = nullptr;  // set once, never cleared

  static Machine& Instance() {
    static Machine machine;
    return machine;
  }
};

// Detaches a thread that GetJNIEnv attached, when the thread ends.
struct AttachedThread {
  JavaVM* vm = nullptr;
  ~AttachedThread() {
    if (vm != nullptr) vm->DetachCurrentThread();
  }
};

JavaVM* ExistingMachine(const dravon::jvm::JvmLibrary& library) {
  JavaVM* vm = nullptr;
  jsize count = 0;
  if (library.getCreatedJavaVMs(&vm, 1, &count) != JNI_OK || count < 1) return nullptr;
  return vm;
}

// The meaning of JNI_CreateJavaVM's error codes, as the JNI
// invocation interface numbers them.
std::string CreationError(jint code) {
  switch (code) {
    case -3:
      return "this Java runtime does not offer the JNI version asked for";
    case -4:
      return "not enough memory";
    case -5:
      return "a machine exists already";
    case -6:
      return "invalid options";
    default:
      return "the runtime failed";
  }
}

// Programs write class paths as on Windows, with "\" in paths (which the
// window system takes as "/" too) and ";" between them.
std::string NativeClassPath(const char* classPath) {
  std::string path = classPath != nullptr ? classPath : "";
  std::replace(path.begin(), path.end(), '\\', '/');
  std::replace(path.begin(), path.end(), ';', ':');
  return path;
}

// Starts the machine, or takes the one something else in the process
// already started; answers the failure reason, empty on success.
std::string StartMachine(const char* classPath, bool ignoreUnrecognizedOptions, JavaVM*& vm) {
  dravon::jvm::JvmLibrary library = dravon::jvm::LoadJvmLibrary();
  if (!library.Loaded()) return library.error;
  vm = ExistingMachine(library);
  if (vm != nullptr) return {};

  std::string classPathOption = "-Djava.class.path=" + NativeClassPath(classPath);
  // -Xrs leaves the process's own signal handling (interrupt, terminate) alone.
  std::vector<std::string> options = {classPathOption, "-Xrs"};
  std::vector<JavaVMOption> vmOptions;
  for (std::string& option : options) vmOptions.push_back({option.data(), nullptr});

  JavaVMInitArgs arguments{};
  arguments.version = kJniVersion;
  arguments.nOptions = jint(vmOptions.size());
  arguments.options = vmOptions.data();
  arguments.ignoreUnrecognized = ignoreUnrecognizedOptions ? JNI_TRUE : JNI_FALSE;

  JNIEnv* env = nullptr;
  jint result = library.createJavaVM(&vm, reinterpret_cast<void**>(&env), &arguments);
  if (result == JNI_OK) return {};
  vm = nullptr;
  return "the Java virtual machine did not start: " + CreationError(result) + " (JNI_CreateJavaVM answered " +
         std::to_string(result) + "; the machine wrote the details to standard error)";
}

}  // namespace

int JVM::Init(const char* classPath, bool ignoreUnrecognizedOptions) {
  Machine& machine = Machine::Instance();
  std::lock_guard lock(machine.mutex);
  if (!machine.initCalled) {
    machine.initCalled = true;
    JavaVM* vm = nullptr;
    machine.failure = StartMachine(classPath, ignoreUnrecognizedOptions, vm);
    machine.vm = vm;
    if (!machine.failure.empty()) std::fprintf(stderr, "JVM: %s\n", machine.failure.c_str());
  }
  return machine.vm != nullptr ? 1 : 0;
}

JNIEnv* JVM::GetJNIEnv() {
  JavaVM* vm = nullptr;
  {
    Machine& machine = Machine::Instance();
    std::lock_guard lock(machine.mutex);
    vm = machine.vm;
  }
  if (vm == nullptr) return nullptr;
  JNIEnv* env = nullptr;
  jint state = vm->GetEnv(reinterpret_cast<void**>(&env), kJniVersion);
  if (state == JNI_OK) return env;
  if (state != JNI_EDETACHED) return nullptr;
  if (vm->AttachCurrentThread(reinterpret_cast<void**>(&env), nullptr) != JNI_OK) return nullptr;
  thread_local AttachedThread attached;
  attached.vm = vm;
  return env;
}

std::string JVM::GetFailureReason() {
  Machine& machine = Machine::Instance();
  std::lock_guard lock(machine.mutex);
  return machine.failure;
}
