// Diagnostics: ASSERT, VERIFY, TRACE and the dump context.
//
// A failed assertion is reported on stderr with its file and line and the
// program carries on, as after "Ignore" in the classic debug box; the
// operation that asserted then fails safely. TRACE output goes to stderr
// only when the environment variable HALVANE_TRACE is set.
#pragma once

#include "win32/wintypes.h"

class CObject;

void AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpression);
void AfxAssertValidObject(const CObject* pOb, const char* lpszFileName, int nLine);
void AfxTrace(const char* lpszFormat, ...) __attribute__((format(printf, 1, 2)));
BOOL AfxIsTraceEnabled();

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#else
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__, #f))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) AfxAssertValidObject((pOb), __FILE__, __LINE__)
#endif
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define DEBUG_ONLY(f) (f)

#define TRACE(...) AfxTrace(__VA_ARGS__)
#define TRACE0(sz) AfxTrace("%s", sz)
#define TRACE1(sz, p1) AfxTrace(sz, p1)
#define TRACE2(sz, p1, p2) AfxTrace(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) AfxTrace(sz, p1, p2, p3)

// Where Dump overrides write. Output goes to the trace stream, so it is
// silent unless tracing is enabled. It keeps no state: the depth is always 0.
class CDumpContext {
 public:
  int GetDepth() const { return 0; }
  void SetDepth(int) {}
  void Flush() {}

  CDumpContext& operator<<(const char* lpsz);
  CDumpContext& operator<<(const void* lp);
  CDumpContext& operator<<(const CObject* pOb);
  CDumpContext& operator<<(const CObject& ob);
  CDumpContext& operator<<(char ch);
  CDumpContext& operator<<(int n);
  CDumpContext& operator<<(unsigned int u);
  CDumpContext& operator<<(long n);
  CDumpContext& operator<<(unsigned long u);
  CDumpContext& operator<<(long long n);
  CDumpContext& operator<<(unsigned long long u);
  CDumpContext& operator<<(double d);
  void HexDump(const char* lpszLine, const BYTE* pby, int nBytes, int nWidth);
};

extern CDumpContext afxDump;
