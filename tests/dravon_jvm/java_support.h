// The test process's machine, and the encryption class called through JNI
// with explicit UTF-16 strings.
#pragma once

#include <jni.h>

#include <optional>
#include <string>

namespace jvmtest {

// The jar and xerces.jar with Windows separators ("\" and ";"), as the
// programs pass class paths.
std::string ClassPathAsProgramsWriteIt();

// Starts the test process's machine on that class path; true when it runs.
bool StartMachine();

// Java strings from and to UTF-8, through UTF-16 (JNI's own "UTF" is the
// modified form, which differs for characters outside the basic plane).
jstring ToJava(JNIEnv* env, const std::string& text);
std::string FromJava(JNIEnv* env, jstring text);

// The encryption class of the jar. Each call answers nullopt when Java
// answers null, and fails the test when a Java exception escapes.
class Encryption {
 public:
  explicit Encryption(JNIEnv* env);
  ~Encryption();
  Encryption(const Encryption&) = delete;
  Encryption& operator=(const Encryption&) = delete;
  bool Ready() const { return instance_ != nullptr; }

  std::optional<std::string> GenKey();
  std::optional<std::string> Encrypt(const std::optional<std::string>& clear, const std::optional<std::string>& key);
  std::optional<std::string> Decrypt(const std::optional<std::string>& text, const std::optional<std::string>& key);

 private:
  std::optional<std::string> Call(jmethodID method, const std::optional<std::string>& first,
                                  const std::optional<std::string>& second);
  std::optional<std::string> Result(jobject result);

  JNIEnv* env_;
  jclass class_ = nullptr;
  jobject instance_ = nullptr;
  jmethodID genkey_ = nullptr;
  jmethodID encrypt_ = nullptr;
  jmethodID decrypt_ = nullptr;
};

}  // namespace jvmtest
