#include "mfc/waitcursor.h"

#include "windows.h"

CWaitCursor::CWaitCursor() { win32::BeginWaitCursor(); }

CWaitCursor::~CWaitCursor() { win32::EndWaitCursor(); }

void CWaitCursor::Restore() { win32::RestoreWaitCursor(); }
