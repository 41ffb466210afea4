// The service that encrypts and decrypts property values for the connector
// files. The program's service is the Java class in lib/Halvane.jar
// (CJavaEncryption); tests give the codec their own.
#pragma once

#include <afx.h>

class IValueEncryption {
 public:
  virtual ~IValueEncryption() = default;

  // Starts the service; false with the reason (UnavailableReason) when it
  // cannot run. Called once.
  virtual bool Start() = 0;
  virtual bool IsRunning() const = 0;
  // Why the service does not run: one sentence for the user.
  virtual CString UnavailableReason() const = 0;

  // Each answers false when the service does not run or the call fails
  // (for a wrong key or damaged text as well); `out` is then unchanged.
  virtual bool GenerateKey(CString& out) = 0;
  virtual bool Encrypt(const CString& clear, const CString& key, CString& out) = 0;
  virtual bool Decrypt(const CString& value, const CString& key, CString& out) = 0;
};
