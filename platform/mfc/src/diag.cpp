#include "mfc/diag.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "mfc/object.h"

CDumpContext afxDump;

BOOL AfxIsTraceEnabled() { return std::getenv("HALVANE_TRACE") != nullptr; }

void AfxTrace(const char* lpszFormat, ...) {
  if (!AfxIsTraceEnabled() || lpszFormat == nullptr) return;
  va_list args;
  va_start(args, lpszFormat);
  std::vfprintf(stderr, lpszFormat, args);
  va_end(args);
}

void AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpression) {
  std::fprintf(stderr, "%s(%d): assertion failed: %s\n", lpszFileName, nLine, lpszExpression);
}

void AfxAssertValidObject(const CObject* pOb, const char* lpszFileName, int nLine) {
  if (pOb == nullptr) {
    AfxAssertFailedLine(lpszFileName, nLine, "object is not NULL");
    return;
  }
  pOb->AssertValid();
}

CDumpContext& CDumpContext::operator<<(const char* lpsz) {
  AfxTrace("%s", lpsz != nullptr ? lpsz : "(NULL)");
  return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp) {
  AfxTrace("%p", lp);
  return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb) {
  if (pOb == nullptr) return *this << "NULL";
  pOb->Dump(*this);
  return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob) { return *this << &ob; }

CDumpContext& CDumpContext::operator<<(char ch) {
  AfxTrace("%c", ch);
  return *this;
}

CDumpContext& CDumpContext::operator<<(int n) { return *this << static_cast<long long>(n); }
CDumpContext& CDumpContext::operator<<(unsigned int u) { return *this << static_cast<unsigned long long>(u); }
CDumpContext& CDumpContext::operator<<(long n) { return *this << static_cast<long long>(n); }
CDumpContext& CDumpContext::operator<<(unsigned long u) { return *this << static_cast<unsigned long long>(u); }

CDumpContext& CDumpContext::operator<<(long long n) {
  AfxTrace("%lld", n);
  return *this;
}

CDumpContext& CDumpContext::operator<<(unsigned long long u) {
  AfxTrace("%llu", u);
  return *this;
}

CDumpContext& CDumpContext::operator<<(double d) {
  AfxTrace("%g", d);
  return *this;
}

void CDumpContext::HexDump(const char* lpszLine, const BYTE* pby, int nBytes, int nWidth) {
  for (int i = 0; pby != nullptr && i < nBytes; ++i) {
    if (nWidth > 0 && i % nWidth == 0) *this << (i == 0 ? "" : "\n") << lpszLine;
    AfxTrace(" %02X", pby[i]);
  }
  *this << "\n";
}
