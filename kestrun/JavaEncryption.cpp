#include "JavaEncryption.h"

#include <afxwin.h>

#include <string>

#include "JVM.h"
#include "SelectPath.h"

#ifdef HALVANE_JNI_DECLARATIONS_ONLY

// Built without the JDK's jni.h: the service cannot call into Java.
struct CJavaEncryption::JavaSide {};

CJavaEncryption::CJavaEncryption(const CString& installFolder) : m_strInstallFolder(installFolder) {}
CJavaEncryption::~CJavaEncryption() = default;
void CJavaEncryption::Stop(const CString& reason) { m_strReason = reason; }
bool CJavaEncryption::IsRunning() const { return false; }
bool CJavaEncryption::Start() {
  Stop("this build of the program has no Java interface.");
  return false;
}
bool CJavaEncryption::GenerateKey(CString&) { return false; }
bool CJavaEncryption::Encrypt(const CString&, const CString&, CString&) { return false; }
bool CJavaEncryption::Decrypt(const CString&, const CString&, CString&) { return false; }

#else

struct CJavaEncryption::JavaSide {
  JNIEnv* env = nullptr;
  jclass cls = nullptr;        // global reference
  jobject instance = nullptr;  // global reference
  jmethodID genkey = nullptr;
  jmethodID encrypt = nullptr;
  jmethodID decrypt = nullptr;

  ~JavaSide() {
    if (env == nullptr) return;
    if (instance != nullptr) env->DeleteGlobalRef(instance);
    if (cls != nullptr) env->DeleteGlobalRef(cls);
  }
  bool Running() const { return env != nullptr && cls != nullptr && instance != nullptr; }
  // A method of no arguments, or of two texts.
  bool Call(jmethodID method, const CString* first, const CString* second, CString& out) const;
};

namespace {

constexpr const char* kClassName = "Velmora/HvEncryptJavaInterface";

bool FileExists(const CString& path) {
  const DWORD attributes = ::GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Describes a pending Java exception on standard error and clears it; true
// when there was one.
bool ClearException(JNIEnv* env) {
  if (!env->ExceptionCheck()) return false;
  env->ExceptionDescribe();
  env->ExceptionClear();
  return true;
}

jstring ToJava(JNIEnv* env, const CString& text) {
  return JVM::NewString(env, std::string_view(text, size_t(text.GetLength())));
}

bool FromJava(JNIEnv* env, jstring text, CString& out) {
  std::string utf8;
  if (!JVM::GetString(env, text, utf8)) {
    ClearException(env);
    return false;
  }
  out = CString(utf8.c_str(), int(utf8.size()));
  return true;
}

// Deletes a local reference when it goes: the program's thread has no Java
// frame that would free them, and a read makes thousands.
class LocalRef {
 public:
  LocalRef(JNIEnv* env, jobject object) : m_env(env), m_object(object) {}
  ~LocalRef() {
    if (m_object != nullptr) m_env->DeleteLocalRef(m_object);
  }
  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;
  jobject get() const { return m_object; }

 private:
  JNIEnv* m_env;
  jobject m_object;
};

}  // namespace

bool CJavaEncryption::JavaSide::Call(jmethodID method, const CString* first, const CString* second,
                                     CString& out) const {
  if (!Running() || method == nullptr) return false;
  jobject answer = nullptr;
  if (first != nullptr && second != nullptr) {
    LocalRef a(env, ToJava(env, *first));
    if (ClearException(env) || a.get() == nullptr) return false;
    LocalRef b(env, ToJava(env, *second));
    if (ClearException(env) || b.get() == nullptr) return false;
    answer = env->CallObjectMethod(instance, method, a.get(), b.get());
  } else {
    answer = env->CallObjectMethod(instance, method);
  }
  LocalRef result(env, answer);
  if (ClearException(env) || result.get() == nullptr) return false;
  return FromJava(env, static_cast<jstring>(result.get()), out);
}

CJavaEncryption::CJavaEncryption(const CString& installFolder)
    : m_strInstallFolder(installFolder), m_java(std::make_unique<JavaSide>()) {
  m_strReason = "the encryption service was not started.";
}

CJavaEncryption::~CJavaEncryption() = default;

bool CJavaEncryption::IsRunning() const { return m_java->Running(); }

// Whatever failed, the service does not count as running.
void CJavaEncryption::Stop(const CString& reason) {
  m_strReason = reason;
  m_java = std::make_unique<JavaSide>();
}

bool CJavaEncryption::Start() {
  CWaitCursor wait;
  if (JVM::GetJNIEnv() == nullptr && !StartMachine()) return false;
  m_java->env = JVM::GetJNIEnv();
  if (m_java->env == nullptr) {
    Stop("the Java virtual machine gives no environment.");
    return false;
  }
  return MakeInstance();
}

bool CJavaEncryption::StartMachine() {
  CString classPath = JarPath(m_strInstallFolder);
  if (!FileExists(classPath) && !AskForJar(classPath)) return false;
  if (JVM::Init(classPath, true) == 0) {
    Stop(CString("the Java virtual machine did not start: ") + JVM::GetFailureReason().c_str());
    return false;
  }
  return true;
}

// The user may point to the jar, or a folder of the classes, elsewhere.
bool CJavaEncryption::AskForJar(CString& classPath) {
  CSelectPath dialog;
  if (dialog.DoModal() != IDOK) {
    Stop("the Java classes (" + classPath + ") were not found, and no other place was chosen.");
    return false;
  }
  classPath = dialog.m_strPath;
  return true;
}

bool CJavaEncryption::MakeInstance() {
  JNIEnv* env = m_java->env;
  LocalRef found(env, env->FindClass(kClassName));
  if (ClearException(env) || found.get() == nullptr) {
    Stop(CString("the class ") + kClassName + " was not found.");
    return false;
  }
  const jclass cls = static_cast<jclass>(found.get());
  const jmethodID constructor = env->GetMethodID(cls, "<init>", "()V");
  if (ClearException(env) || constructor == nullptr) {
    Stop(CString("the class ") + kClassName + " has no constructor.");
    return false;
  }
  LocalRef instance(env, env->NewObject(cls, constructor));
  if (ClearException(env) || instance.get() == nullptr) {
    Stop(CString("the class ") + kClassName + " could not be created.");
    return false;
  }
  // A method the class lacks makes only its own calls fail.
  const char* twoTexts = "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;";
  m_java->genkey = env->GetMethodID(cls, "genkey", "()Ljava/lang/String;");
  ClearException(env);
  m_java->encrypt = env->GetMethodID(cls, "encrypt", twoTexts);
  ClearException(env);
  m_java->decrypt = env->GetMethodID(cls, "decrypt", twoTexts);
  ClearException(env);
  m_java->cls = static_cast<jclass>(env->NewGlobalRef(cls));
  m_java->instance = env->NewGlobalRef(instance.get());
  if (!IsRunning()) {
    Stop("the Java virtual machine is out of memory.");
    return false;
  }
  m_strReason.Empty();
  return true;
}

bool CJavaEncryption::GenerateKey(CString& out) {
  CWaitCursor wait;
  return m_java->Call(m_java->genkey, nullptr, nullptr, out);
}

bool CJavaEncryption::Encrypt(const CString& clear, const CString& key, CString& out) {
  if (key.IsEmpty()) return false;
  CWaitCursor wait;
  return m_java->Call(m_java->encrypt, &clear, &key, out);
}

bool CJavaEncryption::Decrypt(const CString& value, const CString& key, CString& out) {
  if (key.IsEmpty()) return false;
  CWaitCursor wait;
  return m_java->Call(m_java->decrypt, &value, &key, out);
}

#endif

CString CJavaEncryption::JarPath(const CString& installFolder) { return installFolder + "/lib/Halvane.jar"; }
