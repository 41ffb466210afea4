// The encryption service of the program: the class
// "Velmora/HvEncryptJavaInterface" of lib/Halvane.jar in the process's Java
// virtual machine (Dravon's JVM host). Texts cross as UTF-16.
#pragma once

#include <memory>

#include "ValueEncryption.h"

class CJavaEncryption : public IValueEncryption {
 public:
  // The jar is looked for in lib/ under the installation folder (the parent
  // of the program's own folder).
  explicit CJavaEncryption(const CString& installFolder);
  ~CJavaEncryption() override;
  CJavaEncryption(const CJavaEncryption&) = delete;
  CJavaEncryption& operator=(const CJavaEncryption&) = delete;

  // Starts the machine when the process has none (asking for the jar with
  // the path dialog when it is missing), then makes the class's instance.
  bool Start() override;
  // Environment, class and instance all set.
  bool IsRunning() const override;
  CString UnavailableReason() const override { return m_strReason; }

  bool GenerateKey(CString& out) override;
  bool Encrypt(const CString& clear, const CString& key, CString& out) override;
  bool Decrypt(const CString& value, const CString& key, CString& out) override;

  // The jar under an installation folder.
  static CString JarPath(const CString& installFolder);

 private:
  struct JavaSide;

  bool StartMachine();
  bool AskForJar(CString& classPath);
  bool MakeInstance();
  void Stop(const CString& reason);

  CString m_strInstallFolder;
  CString m_strReason;
  // The environment, the class and its instance, once found.
  std::unique_ptr<JavaSide> m_java;
};
