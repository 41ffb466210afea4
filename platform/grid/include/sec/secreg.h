// The toolkit's registry class: one open key below a connected root, with
// string and number values. Every call answers success as a BOOL and keeps
// the window system's error code for GetErrorCode.
#pragma once

#include <afxwin.h>

class SECRegistry : public CObject {
  DECLARE_DYNAMIC(SECRegistry)

 public:
  enum CreatePermissions {
    permissionAllAccess = KEY_ALL_ACCESS,
    permissionRead = KEY_READ,
    permissionWrite = KEY_WRITE,
    permissionQueryValue = KEY_QUERY_VALUE,
    permissionSetValue = KEY_SET_VALUE,
  };
  enum CreateOptions {
    optionsNonVolatile = REG_OPTION_NON_VOLATILE,
    optionsVolatile = REG_OPTION_VOLATILE,
  };

  SECRegistry() = default;
  ~SECRegistry() override;
  SECRegistry(const SECRegistry&) = delete;
  SECRegistry& operator=(const SECRegistry&) = delete;

  // Chooses the root (a predefined key). Another computer's registry is
  // not reachable here: a computer name fails.
  BOOL Connect(HKEY hKeyToOpen = HKEY_CURRENT_USER, LPCTSTR lpszComputerName = nullptr);
  // Creates the key below the root when missing, else opens it; the key
  // opened before is closed. Trailing backslashes name the same key.
  BOOL Create(LPCTSTR lpszSubkeyName, LPCTSTR lpszClass = "", CreateOptions options = optionsNonVolatile,
              CreatePermissions permissions = permissionAllAccess, DWORD* pdwDisposition = nullptr);
  BOOL Open(LPCTSTR lpszSubkey, CreatePermissions permissions = permissionAllAccess);
  BOOL Close();
  BOOL IsOpen() const { return m_hKey != nullptr; }

  BOOL GetStringValue(LPCTSTR lpszValueName, CString& strValue);
  BOOL SetStringValue(LPCTSTR lpszValueName, const CString& strValue);
  BOOL GetDoubleWordValue(LPCTSTR lpszValueName, DWORD& dwValue);
  BOOL SetDoubleWordValue(LPCTSTR lpszValueName, DWORD dwValue);
  BOOL DeleteValue(LPCTSTR lpszValueName);

  // The error of the last call (ERROR_SUCCESS when it succeeded).
  LONG GetErrorCode() const { return m_lErrorCode; }
  const CString& GetKeyName() const { return m_strKeyName; }
  HKEY GetKey() const { return m_hKey; }

 private:
  BOOL Result(LONG lError);
  // Fails with ERROR_INVALID_HANDLE unless a key is open.
  BOOL RequireKey();

  HKEY m_hKeyRoot = nullptr;
  HKEY m_hKey = nullptr;
  CString m_strKeyName;
  LONG m_lErrorCode = ERROR_SUCCESS;
};
