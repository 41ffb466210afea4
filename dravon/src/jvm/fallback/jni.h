// The part of the JNI invocation interface that the JVM host uses, for
// builds on machines without a JDK (whose jni.h is used whenever present).
// The environment stays an incomplete type: code that calls into Java
// needs the JDK's header, and checks HALVANE_JNI_DECLARATIONS_ONLY.
#pragma once

#include <cstdint>

#define HALVANE_JNI_DECLARATIONS_ONLY 1

using jint = std::int32_t;
using jsize = jint;
using jboolean = std::uint8_t;

constexpr jboolean JNI_FALSE = 0;
constexpr jboolean JNI_TRUE = 1;
constexpr jint JNI_OK = 0;
constexpr jint JNI_EDETACHED = -2;
constexpr jint JNI_VERSION_1_8 = 0x00010008;

struct JNIEnv_;
using JNIEnv = JNIEnv_;

struct JavaVMOption {
  char* optionString;
  void* extraInfo;
};

struct JavaVMInitArgs {
  jint version;
  jint nOptions;
  JavaVMOption* options;
  jboolean ignoreUnrecognized;
};

struct JavaVM_;

// The invocation function table, in the order the JNI invocation interface fixes.
struct JNIInvokeInterface_ {
  void* reserved0;
  void* reserved1;
  void* reserved2;
  jint (*DestroyJavaVM)(JavaVM_* vm);
  jint (*AttachCurrentThread)(JavaVM_* vm, void** env, void* args);
  jint (*DetachCurrentThread)(JavaVM_* vm);
  jint (*GetEnv)(JavaVM_* vm, void** env, jint version);
  jint (*AttachCurrentThreadAsDaemon)(JavaVM_* vm, void** env, void* args);
};

struct JavaVM_ {
  const JNIInvokeInterface_* functions;

  jint AttachCurrentThread(void** env, void* args) { return functions->AttachCurrentThread(this, env, args); }
  jint DetachCurrentThread() { return functions->DetachCurrentThread(this); }
  jint GetEnv(void** env, jint version) { return functions->GetEnv(this, env, version); }
};
using JavaVM = JavaVM_;
