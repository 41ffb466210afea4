// HLBrowserWnd: its run-time class.
#include "HLBrowserWnd.h"

IMPLEMENT_DYNAMIC(HLBrowserWnd, CGXBrowserWnd)

HLBrowserWnd::HLBrowserWnd() = default;
HLBrowserWnd::~HLBrowserWnd() = default;
