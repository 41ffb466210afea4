#include "kestrun_fixture.h"

#include <fstream>
#include <sstream>

#include "ConfigFileText.h"

namespace kestrun_test {

std::unique_ptr<CConnectorFileCodec> KestrunTest::MakeCodec(FakeEncryptionSettings settings) {
  return std::make_unique<CConnectorFileCodec>(std::make_unique<FakeEncryption>(std::move(settings)));
}

void KestrunTest::AnswerMessages() {
  // The class library's boxes carry the application's name, the utility
  // library's the program's.
  for (const char* caption : {"Kestrun", "kestrun_tests"}) {
    robot
        .onDialog(caption,
                  [this](halvane::test::Robot& r, halvane::test::Window box) {
                    std::string text;
                    for (const auto& child : box.children()) {
                      if (child.className() == "Static" && !child.text().empty()) text += child.text();
                    }
                    messages.push_back(text);
                    r.click(box.childByText("OK"));
                  })
        .always();
  }
}

CString KestrunTest::WriteFile(const std::string& name, const std::string& text) const {
  std::ofstream(Path(name), std::ios::binary) << text;
  return CString(Path(name).c_str());
}

std::string KestrunTest::ReadFile(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

std::unique_ptr<CConnector> NewConnector() {
  return std::make_unique<CConnector>("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
}

std::string StdValue(const CConnector& connector, const char* name) {
  const HvProperty* p = connector.FindStdProperty(name);
  return p != nullptr ? Text(p->GetValue()) : "<none>";
}

std::string AppValue(const CConnector& connector, const char* name) {
  const HvProperty* p = connector.FindAppProperty(name);
  return p != nullptr ? Text(p->GetValue()) : "<none>";
}

std::string Text(const CString& text) { return std::string(text, size_t(text.GetLength())); }

BOOL WriteWholeConfigFile(CConnectorFileCodec& codec, CConnector& connector, const CString& path) {
  CString sections;
  CString error;
  if (!CConfigFileText::AppendStandardProperties(codec, connector, sections, error) ||
      !CConfigFileText::AppendApplicationProperties(codec, connector, sections, error)) {
    CConnectorFileCodec::ReportFileError(error);
    return FALSE;
  }
  CConfigFileText::AppendSupportedObjects(connector, sections);
  if (connector.m_nType == CONNECTOR_QVS) {
    CStringList unassociated;
    CConfigFileText::AppendAssociatedMaps(connector, sections, unassociated);
    CConfigFileText::AppendResource(connector, sections);
  }
  CConfigFileText::AppendLogTrace(connector, sections);
  if (connector.m_nType == CONNECTOR_KBRX) CConfigFileText::AppendDataHandlers(connector, sections);
  return codec.WriteConfigFile(path, &connector, sections);
}

}  // namespace kestrun_test
