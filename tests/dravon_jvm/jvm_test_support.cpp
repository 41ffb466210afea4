#include "jvm_test_support.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "JVM.h"

extern char** environ;

namespace jvmtest {

namespace {

std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& variables) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string line(*entry);
    if (!variables.contains(line.substr(0, line.find('=')))) result.push_back(line);
  }
  for (const auto& [name, value] : variables)
    if (!value.empty()) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

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

std::string RunProbe(const std::string& classPath, const std::map<std::string, std::string>& variables) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "pipe failed";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

  std::vector<std::string> arguments = {JVM_PROBE, classPath};
  std::vector<std::string> environment = ChildEnvironment(variables);
  pid_t child = 0;
  int spawned = posix_spawn(&child, JVM_PROBE, &actions, nullptr, Pointers(arguments).data(),
                            Pointers(environment).data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);

  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, size_t(n));
  close(pipeEnds[0]);
  if (spawned != 0) return "spawn failed: " + std::string(std::strerror(spawned));
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) output += "\nprobe did not exit cleanly";
  return output;
}

std::optional<std::string> ProbeLine(const std::string& output, const std::string& key) {
  std::string prefix = key + ": ";
  size_t at = output.rfind("\n" + prefix);
  size_t start = at == std::string::npos ? (output.starts_with(prefix) ? 0 : std::string::npos) : at + 1;
  if (start == std::string::npos) return std::nullopt;
  start += prefix.size();
  return output.substr(start, output.find('\n', start) - start);
}

bool StartMachine() { return JVM::Init(HALVANE_JAR, true) != 0; }

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
