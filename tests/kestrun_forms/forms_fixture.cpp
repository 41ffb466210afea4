#include "forms_fixture.h"

#include <sstream>

namespace kforms_test {

using kestrun_app_test::Text;

void FormsTest::SetUp() {
  KestrunAppTest::SetUp();
  beepsTaken_ = win32::GetRecordedBeeps().size();
}

CKestrunDoc* FormsTest::OpenNew(const std::string& name, int typeCode) {
  auto connector = std::make_unique<CConnector>(name.c_str(), typeCode, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  if (!App().GetCodec()->ReadNewConnector(CConnectorFileCodec::TemplatePath(), connector.get())) return nullptr;
  connector->m_nFlags &= ~CONNECTOR_MODIFIED;
  CKestrunDoc* doc = App().OpenConnectorWindow(std::move(connector));
  if (doc == nullptr) return nullptr;
  doc->SetModifiedFlag(FALSE);
  ShowWhole(doc);
  return doc;
}

CKestrunDoc* FormsTest::OpenConfig(const std::string& text) {
  const std::string name = "open" + std::to_string(++files_) + ".cfg";
  WriteFile(name, text);
  if (!App().LoadConnectorFile(Path(name).c_str(), "cfg")) return nullptr;
  for (CKestrunDoc* doc : App().GetDocuments()) {
    if (doc->m_strPath != Path(name).c_str()) continue;
    ShowWhole(doc);
    return doc;
  }
  return nullptr;
}

void FormsTest::ShowWhole(CKestrunDoc* doc) {
  if (CChildFrame* frame = doc->GetChildFrame()) frame->MDIMaximize();
  robot.pumpUntilIdle();
}

CKestrunView* FormsTest::TabView(CKestrunDoc* doc, const std::string& label) {
  CChildFrame* frame = doc != nullptr ? doc->GetChildFrame() : nullptr;
  if (frame == nullptr) return nullptr;
  for (int i = 0; i < frame->GetTabCount(); ++i) {
    if (Text(frame->GetTabWnd().GetTabLabel(i)) == label) return frame->GetTabView(i);
  }
  return nullptr;
}

std::string FormsTest::SavedConfig(CKestrunDoc* doc) {
  const std::string name = "saved" + std::to_string(++files_) + ".cfg";
  if (!CKestrunView::WriteConfigFile(Path(name).c_str(), doc)) return "<not written>";
  return ReadFile(name);
}

std::vector<std::string> FormsTest::Section(const std::string& text, const std::string& header) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inside && (line.empty() || line[0] == '[')) break;
    if (line == header) inside = true;
    if (inside) lines.push_back(line);
  }
  return lines;
}

std::vector<std::pair<DWORD, DWORD>> FormsTest::TakeBeeps() {
  const std::vector<win32::RecordedBeep> all = win32::GetRecordedBeeps();
  std::vector<std::pair<DWORD, DWORD>> beeps;
  for (size_t i = beepsTaken_; i < all.size(); ++i) {
    if (!all[i].messageBeep) beeps.emplace_back(all[i].frequency, all[i].duration);
  }
  beepsTaken_ = all.size();
  return beeps;
}

}  // namespace kforms_test
