// Text exchange of strings and numbers, and the range and length checks,
// with the class library's standard failure messages.
#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <windows.h>

#include "afxres.h"
#include "mfc/ddx.h"
#include "mfc/winapp.h"

namespace {

CString ControlText(HWND hWnd) {
  const int length = ::GetWindowTextLength(hWnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = ::GetWindowText(hWnd, buffer.data(), length + 1);
  return CString(buffer.data(), copied);
}

bool OnlyBlanksFrom(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return *p == '\0';
}

// Whole-text parses: blanks around the number are allowed, nothing else.
bool ParseSigned(const char* text, long long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && errno == 0 && OnlyBlanksFrom(end);
}

bool ParseUnsigned(const char* text, unsigned long long& value) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '-') return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoull(p, &end, 10);
  return end != p && errno == 0 && OnlyBlanksFrom(end);
}

bool ParseReal(const char* text, double& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && errno == 0 && OnlyBlanksFrom(end);
}

[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt) {
  AfxMessageBox(nIDPrompt, MB_OK | MB_ICONEXCLAMATION, nIDPrompt);
  pDX->Fail();
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    const std::string text = std::to_string(value);
    ::SetWindowText(hWndCtrl, text.c_str());
    return;
  }
  const CString text = ControlText(hWndCtrl);
  if constexpr (std::numeric_limits<T>::is_signed) {
    long long parsed = 0;
    if (!ParseSigned(text, parsed) || parsed < std::numeric_limits<T>::min() ||
        parsed > std::numeric_limits<T>::max()) {
      FailWith(pDX, AFX_IDP_PARSE_INT);
    }
    value = static_cast<T>(parsed);
  } else {
    unsigned long long parsed = 0;
    if (!ParseUnsigned(text, parsed) || parsed > std::numeric_limits<T>::max()) {
      FailWith(pDX, sizeof(T) == 1 ? AFX_IDP_PARSE_BYTE : AFX_IDP_PARSE_UINT);
    }
    value = static_cast<T>(parsed);
  }
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int digits) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    ::SetWindowText(hWndCtrl, text);
    return;
  }
  double parsed = 0;
  if (!ParseReal(ControlText(hWndCtrl), parsed)) FailWith(pDX, AFX_IDP_PARSE_REAL);
  value = static_cast<T>(parsed);
}

// "Please enter ... between %1 and %2." with the bounds as text.
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, UINT nIDPrompt, const char* format) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  char low[64];
  char high[64];
  std::snprintf(low, sizeof low, format, minVal);
  std::snprintf(high, sizeof high, format, maxVal);
  CString prompt;
  AfxFormatString2(prompt, nIDPrompt, low, high);
  AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPrompt);
  pDX->Fail();
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = ControlText(hWndCtrl);
  } else if (ControlText(hWndCtrl) != value) {
    // An unchanged text is not set again, so that the control sends no
    // change notification for it (a handler of EN_CHANGE that reads the
    // dialog would run in the middle of the exchange).
    ::SetWindowText(hWndCtrl, value);
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) { ExchangeInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeReal(pDX, nIDC, value, DBL_DIG); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeReal(pDX, nIDC, value, FLT_DIG); }

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (!pDX->m_bSaveAndValidate) {
    // Loading: the edit itself refuses longer text from now on.
    if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
      ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
    return;
  }
  if (value.GetLength() <= nChars) return;
  const std::string limit = std::to_string(nChars);
  CString prompt;
  AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, limit.c_str());
  AfxMessageBox(prompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
  pDX->Fail();
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%d");
}
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%u");
}
void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
  CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%ld");
}
void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
  CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%u");
}
void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
  CheckRange(pDX, static_cast<UINT>(value), static_cast<UINT>(minVal), static_cast<UINT>(maxVal),
             AFX_IDP_PARSE_INT_RANGE, "%u");
}
void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
  CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_REAL_RANGE, "%.15g");
}
void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
  CheckRange(pDX, static_cast<double>(value), static_cast<double>(minVal), static_cast<double>(maxVal),
             AFX_IDP_PARSE_REAL_RANGE, "%.6g");
}
