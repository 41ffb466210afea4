#include "java_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "JVM.h"

namespace jvmtest {

namespace {

std::u16string Utf16(const std::string& text) {
  std::u16string result;
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < text.size(); ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += extra + 1;
    if (point >= 0x10000) {
      point -= 0x10000;
      result.push_back(char16_t(0xD800 + (point >> 10)));
      result.push_back(char16_t(0xDC00 + (point & 0x3FF)));
    } else {
      result.push_back(char16_t(point));
    }
  }
  return result;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += char(point);
  } else if (point < 0x800) {
    out += char(0xC0 | (point >> 6));
    out += char(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += char(0xE0 | (point >> 12));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  } else {
    out += char(0xF0 | (point >> 18));
    out += char(0x80 | ((point >> 12) & 0x3F));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  }
}

std::string Utf8(const std::u16string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t point = text[i];
    if (point >= 0xD800 && point < 0xDC00 && i + 1 < text.size()) {
      point = 0x10000 + ((point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(result, point);
  }
  return result;
}

}  // namespace

std::string ClassPathAsProgramsWriteIt() {
  std::string path = std::string(HALVANE_JAR) + ";" + HALVANE_BUILD_DIR "/lib/xerces.jar";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool StartMachine() { return JVM::Init(ClassPathAsProgramsWriteIt().c_str(), true) != 0; }

jstring ToJava(JNIEnv* env, const std::string& text) {
  std::u16string wide = Utf16(text);
  return env->NewString(reinterpret_cast<const jchar*>(wide.data()), jsize(wide.size()));
}

std::string FromJava(JNIEnv* env, jstring text) {
  const jchar* chars = env->GetStringChars(text, nullptr);
  std::u16string wide(reinterpret_cast<const char16_t*>(chars), size_t(env->GetStringLength(text)));
  env->ReleaseStringChars(text, chars);
  return Utf8(wide);
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
