#include "sec/secreg.h"

#include <vector>

IMPLEMENT_DYNAMIC(SECRegistry, CObject)

namespace {

// Errors the window system's header leaves out.
#ifndef ERROR_INVALID_DATA
#define ERROR_INVALID_DATA 13L
#endif
#ifndef ERROR_BAD_NETPATH
#define ERROR_BAD_NETPATH 53L
#endif

bool IsPredefined(HKEY key) {
  return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS;
}

CString WithoutTrailingBackslashes(LPCTSTR lpszSubkey) {
  CString name(lpszSubkey ? lpszSubkey : "");
  name.TrimRight('\\');
  return name;
}

}  // namespace

SECRegistry::~SECRegistry() { Close(); }

BOOL SECRegistry::Result(LONG lError) {
  m_lErrorCode = lError;
  return lError == ERROR_SUCCESS;
}

BOOL SECRegistry::RequireKey() { return m_hKey ? Result(ERROR_SUCCESS) : Result(ERROR_INVALID_HANDLE); }

BOOL SECRegistry::Connect(HKEY hKeyToOpen, LPCTSTR lpszComputerName) {
  if (lpszComputerName && *lpszComputerName) return Result(ERROR_BAD_NETPATH);
  if (!IsPredefined(hKeyToOpen)) return Result(ERROR_INVALID_HANDLE);
  Close();
  m_hKeyRoot = hKeyToOpen;
  return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::Create(LPCTSTR lpszSubkeyName, LPCTSTR lpszClass, CreateOptions options,
                         CreatePermissions permissions, DWORD* pdwDisposition) {
  if (!m_hKeyRoot) return Result(ERROR_INVALID_HANDLE);
  CString name = WithoutTrailingBackslashes(lpszSubkeyName);
  if (name.IsEmpty()) return Result(ERROR_BADKEY);
  HKEY key = nullptr;
  DWORD disposition = 0;
  LONG error =
      RegCreateKeyEx(m_hKeyRoot, name, 0, const_cast<LPSTR>(lpszClass ? lpszClass : ""), static_cast<DWORD>(options),
                     static_cast<REGSAM>(permissions), nullptr, &key, &disposition);
  if (error != ERROR_SUCCESS) return Result(error);
  if (m_hKey) RegCloseKey(m_hKey);
  m_hKey = key;
  m_strKeyName = name;
  if (pdwDisposition) *pdwDisposition = disposition;
  return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::Open(LPCTSTR lpszSubkey, CreatePermissions permissions) {
  if (!m_hKeyRoot) return Result(ERROR_INVALID_HANDLE);
  CString name = WithoutTrailingBackslashes(lpszSubkey);
  HKEY key = nullptr;
  LONG error = RegOpenKeyEx(m_hKeyRoot, name, 0, static_cast<REGSAM>(permissions), &key);
  if (error != ERROR_SUCCESS) return Result(error);
  if (m_hKey) RegCloseKey(m_hKey);
  m_hKey = key;
  m_strKeyName = name;
  return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::Close() {
  LONG error = ERROR_SUCCESS;
  if (m_hKey) error = RegCloseKey(m_hKey);
  m_hKey = nullptr;
  m_strKeyName.Empty();
  return Result(error);
}

BOOL SECRegistry::GetStringValue(LPCTSTR lpszValueName, CString& strValue) {
  if (!RequireKey()) return FALSE;
  DWORD type = 0;
  DWORD size = 0;
  LONG error = RegQueryValueEx(m_hKey, lpszValueName, nullptr, &type, nullptr, &size);
  if (error != ERROR_SUCCESS) return Result(error);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return Result(ERROR_INVALID_DATA);
  std::vector<BYTE> data(size + 1, 0);
  error = RegQueryValueEx(m_hKey, lpszValueName, nullptr, &type, data.data(), &size);
  if (error != ERROR_SUCCESS) return Result(error);
  strValue = reinterpret_cast<const char*>(data.data());
  return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::SetStringValue(LPCTSTR lpszValueName, const CString& strValue) {
  if (!RequireKey()) return FALSE;
  return Result(RegSetValueEx(m_hKey, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                              static_cast<DWORD>(strValue.GetLength() + 1)));
}

BOOL SECRegistry::GetDoubleWordValue(LPCTSTR lpszValueName, DWORD& dwValue) {
  if (!RequireKey()) return FALSE;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  LONG error = RegQueryValueEx(m_hKey, lpszValueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  if (error != ERROR_SUCCESS) return Result(error);
  if (type != REG_DWORD) return Result(ERROR_INVALID_DATA);
  dwValue = value;
  return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::SetDoubleWordValue(LPCTSTR lpszValueName, DWORD dwValue) {
  if (!RequireKey()) return FALSE;
  return Result(
      RegSetValueEx(m_hKey, lpszValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)));
}

BOOL SECRegistry::DeleteValue(LPCTSTR lpszValueName) {
  if (!RequireKey()) return FALSE;
  return Result(RegDeleteValue(m_hKey, lpszValueName));
}
