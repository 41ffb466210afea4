#include "java_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "JVM.h"

namespace jvmtest {

std::string ClassPathAsProgramsWriteIt() {
  std::string path = std::string(HALVANE_JAR) + ";" + HALVANE_BUILD_DIR "/lib/xerces.jar";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool StartMachine() { return JVM::Init(ClassPathAsProgramsWriteIt().c_str(), true) != 0; }

jstring ToJava(JNIEnv* env, const std::string& text) { return JVM::NewString(env, text); }

std::string FromJava(JNIEnv* env, jstring text) {
  std::string result;
  JVM::GetString(env, text, result);
  return result;
}

Encryption::Encryption(JNIEnv* env) : env_(env) {
  class_ = env_->FindClass("Velmora/HvEncryptJavaInterface");
  if (class_ == nullptr) {
    env_->ExceptionDescribe();
    env_->ExceptionClear();
    return;
  }
  jmethodID constructor = env_->GetMethodID(class_, "<init>", "()V");
  genkey_ = env_->GetMethodID(class_, "genkey", "()Ljava/lang/String;");
  const char* twoTexts = "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;";
  encrypt_ = env_->GetMethodID(class_, "encrypt", twoTexts);
  decrypt_ = env_->GetMethodID(class_, "decrypt", twoTexts);
  if (constructor != nullptr && genkey_ != nullptr && encrypt_ != nullptr && decrypt_ != nullptr)
    instance_ = env_->NewObject(class_, constructor);
  if (env_->ExceptionCheck()) {
    env_->ExceptionDescribe();
    env_->ExceptionClear();
    instance_ = nullptr;
  }
}

Encryption::~Encryption() {
  if (instance_ != nullptr) env_->DeleteLocalRef(instance_);
  if (class_ != nullptr) env_->DeleteLocalRef(class_);
}

std::optional<std::string> Encryption::GenKey() { return Result(env_->CallObjectMethod(instance_, genkey_)); }

std::optional<std::string> Encryption::Encrypt(const std::optional<std::string>& clear,
                                               const std::optional<std::string>& key) {
  return Call(encrypt_, clear, key);
}

std::optional<std::string> Encryption::Decrypt(const std::optional<std::string>& text,
                                               const std::optional<std::string>& key) {
  return Call(decrypt_, text, key);
}

std::optional<std::string> Encryption::Call(jmethodID method, const std::optional<std::string>& first,
                                            const std::optional<std::string>& second) {
  jstring a = first ? ToJava(env_, *first) : nullptr;
  jstring b = second ? ToJava(env_, *second) : nullptr;
  std::optional<std::string> result = Result(env_->CallObjectMethod(instance_, method, a, b));
  if (a != nullptr) env_->DeleteLocalRef(a);
  if (b != nullptr) env_->DeleteLocalRef(b);
  return result;
}

std::optional<std::string> Encryption::Result(jobject result) {
  if (env_->ExceptionCheck()) {
    env_->ExceptionDescribe();
    env_->ExceptionClear();
    ADD_FAILURE() << "a Java exception escaped the encryption class";
    return std::nullopt;
  }
  if (result == nullptr) return std::nullopt;
  std::string text = FromJava(env_, static_cast<jstring>(result));
  env_->DeleteLocalRef(result);
  return text;
}

}  // namespace jvmtest
