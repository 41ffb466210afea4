// The profile book's tests: a wizard that holds a book, a step-2 page to
// load it (without its window) and a book file of the test's own that the
// registry names.
#pragma once

#include <memory>
#include <string>

#include "DlgStep2.h"
#include "GenerateWizard.h"
#include "wizard_fixture.h"

namespace wizardtest {

// The step-2 page serving a wizard, for its book operations.
class BookPage : public CDlgStep2 {
 public:
  explicit BookPage(CGenerateWizard* pWizard) { m_pSheet = pWizard; }
  using CDlgStep2::LoadProfileBook;
};

class BookTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    bookFile = files / "profiles.bod";
  }
  // A new wizard that loads the book the agent key names.
  std::unique_ptr<CGenerateWizard> loadedWizard() {
    auto wizard = std::make_unique<CGenerateWizard>("", nullptr, 0);
    BookPage(wizard.get()).LoadProfileBook();
    return wizard;
  }
  static std::vector<std::string> names(const CGenerateWizard& wizard) {
    const std::unique_ptr<CStringArray> list{wizard.GetProfileNames()};
    std::vector<std::string> texts;
    for (INT_PTR i = 0; i < list->GetSize(); ++i) texts.emplace_back(list->GetAt(i));
    return texts;
  }
  std::string bookText() const { return brokertest::ReadFile(bookFile); }

  std::string bookFile;
};

}  // namespace wizardtest
