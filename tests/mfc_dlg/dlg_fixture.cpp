#include "dlg_fixture.h"

namespace dlgtest {

void DlgTest::SetUp() {
  MfcTest::SetUp();
  for (const char* name : {"a.txt", "b.txt", "c.log"}) dir.file(name);
}

void DlgTest::Retype(Robot& r, Window edit, const std::string& text) {
  r.click(edit);
  ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
  r.type(text);
}

}  // namespace dlgtest
