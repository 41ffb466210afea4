// Text across JNI as explicit UTF-16.
#include <windows.h>

#include <string>

#include "JVM.h"

jstring JVM::NewString(JNIEnv* env, std::string_view text) {
  std::u16string wide;
  if (!text.empty()) {
    const int size = static_cast<int>(text.size());
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  }
  return env->NewString(reinterpret_cast<const jchar*>(wide.data()), static_cast<jsize>(wide.size()));
}

bool JVM::GetString(JNIEnv* env, jstring text, std::string& out) {
  const jsize length = env->GetStringLength(text);
  const jchar* chars = env->GetStringChars(text, nullptr);
  if (chars == nullptr) return false;
  out.clear();
  if (length > 0) {
    const auto* wide = reinterpret_cast<const WCHAR*>(chars);
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr)));
    WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  }
  env->ReleaseStringChars(text, chars);
  return true;
}
