// The process's in-process Java virtual machine.
//
// There is one machine per process. It starts at the first JVM::Init and
// lives until the process ends: a JVM object holds nothing of its own, so
// every JVM object (and the static calls) answer for that one machine.
// libjvm is loaded at run time, from JAVA_HOME, else the default JDK, else
// the java found on PATH; a process without Java still runs.
#pragma once

#include <jni.h>

#include <mfc/export.h>

#include <string>
#include <string_view>

class AFX_EXT_CLASS JVM {
 public:
  // Starts the machine with the class path, written as on Windows ("\" or
  // "/" in paths, ";" between them) or natively. Non-zero when it runs; zero
  // with a reason (GetFailureReason, also written to standard error) when no
  // Java runtime could be loaded or started. Later calls answer as the first did,
  // whatever their arguments: the machine is never started twice.
  static int Init(const char* classPath, bool ignoreUnrecognizedOptions);

  // The calling thread's environment, attaching the thread on first use (it
  // is detached when the thread ends). Null until the machine runs.
  static JNIEnv* GetJNIEnv();

  // Why Init failed; empty when it has not been called or succeeded.
  static std::string GetFailureReason();

  // Our 8-bit text (UTF-8) as a Java string and back, through UTF-16: JNI's
  // own "UTF" calls take a modified form that arbitrary bytes break.
  // Malformed bytes become U+FFFD. Null or false when Java refuses (its
  // exception is left pending for the caller).
  static jstring NewString(JNIEnv* env, std::string_view text);
  static bool GetString(JNIEnv* env, jstring text, std::string& out);
};
