// A program's application object run in-process by a test, with a script
// for the first idle time of its pump. Header-only: test_support itself does
// not link the class library.
#pragma once

#include <afxwin.h>

#include <functional>
#include <utility>

namespace halvane::test {

// A program's application object with a script for its first idle time.
template <class App>
class ScriptedApp : public App {
 public:
  std::function<void()> m_script;

  BOOL OnIdle(LONG lCount) override {
    const BOOL more = App::OnIdle(lCount);
    if (lCount == 0 && m_script) {
      auto script = std::move(m_script);
      m_script = nullptr;
      script();
      // What the script left open goes without questions, so the pump ends.
      if (this->m_pMainWnd != nullptr) this->m_pMainWnd->DestroyWindow();
    }
    return more;
  }
};

}  // namespace halvane::test
