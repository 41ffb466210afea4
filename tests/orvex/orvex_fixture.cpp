#include "orvex_fixture.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace orvex_test {

std::vector<std::string> Login() {
  return {std::string("-s") + kServer, std::string("-u") + kUser, std::string("-p") + kPassword};
}

std::vector<std::string> LoginAndOpen(const std::string& name) {
  std::vector<std::string> args = Login();
  args.push_back("-o" + name);
  return args;
}

int OrvexTest::Run(const std::vector<std::string>& arguments, const std::function<void()>& script) {
  return RunApplication(std::make_unique<CTestOrvexApp>(), "orvex", arguments, script);
}

void OrvexTest::RunScript(const std::vector<std::string>& arguments, const std::function<void()>& script) {
  bool ran = false;
  Run(arguments, [&] {
    ran = true;
    script();
  });
  EXPECT_TRUE(ran) << "the script never ran";
}

void OrvexTest::RunWithCustomerAndDraft(const std::function<void()>& script) {
  PutOnServer("Customer", {"Id:String"});
  std::vector<std::string> args = Login();
  args.insert(args.end(), {"-n", "-oCustomer"});
  AnswerNewDialog("Draft");
  RunScript(args, script);
}

std::string OrvexTest::Results() { return Window(Frame().GetResultsView().GetEdit().GetSafeHwnd()).text(); }

std::string OrvexTest::StatusText(int pane) { return static_cast<LPCTSTR>(Frame().GetStatusBar().GetPaneText(pane)); }

std::vector<std::string> OrvexTest::OpenTitles() {
  std::vector<std::string> titles;
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) titles.emplace_back(static_cast<LPCTSTR>(pDoc->GetTitle()));
  return titles;
}

CChildFrame* OrvexTest::FrameOf(const std::string& name) {
  COrvexDoc* pDoc = COrvexDoc::FindByName(name.c_str());
  if (pDoc == nullptr) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  return pos != nullptr ? DYNAMIC_DOWNCAST(CChildFrame, pDoc->GetNextView(pos)->GetParentFrame()) : nullptr;
}

void OrvexTest::PutOnServer(const std::string& name, const std::vector<std::string>& attributes,
                            const std::string& appInfo) {
  const bool own = CDataManager::PeekInstance() == nullptr;
  CDataManager* pDM = CDataManager::InitInstance();
  const bool connected = pDM->IsConnected();
  ASSERT_TRUE(connected || pDM->LogToServer(kServer, kUser, kPassword));
  auto def = std::make_unique<CQRBusObjDef>(name.c_str(), nullptr, HvStateNew);
  for (const std::string& attribute : attributes) {
    const auto colon = attribute.find(':');
    const int position = static_cast<int>(def->GetAttrs().GetSize()) + 1;
    auto* pAttr = new CBODefAttr(position, attribute.substr(0, colon).c_str(), attribute.substr(colon + 1).c_str());
    pAttr->SetKey(position == 1);
    def->GetAttrs().Add(pAttr);
  }
  def->SetAppInfo(appInfo.c_str());
  def->SetDefaultVerbs();
  ASSERT_EQ(def->Save(), 1);
  def.reset();
  if (!connected) pDM->Disconnect(FALSE);
  if (own) delete pDM;
}

DefContent OrvexTest::Content(const CQRBusObjDef* pDef) {
  DefContent content;
  if (pDef == nullptr) return content;
  content.exists = true;
  content.appInfo = static_cast<LPCTSTR>(pDef->GetAppInfo());
  for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
    const CBODefAttr* pAttr = pDef->GetAttrs()[i];
    content.attributes.push_back(std::string(pAttr->GetName()) + ":" + static_cast<LPCTSTR>(pAttr->GetTypeName()));
  }
  return content;
}

DefContent OrvexTest::OnServer(const std::string& name) {
  // What a run left of its session goes first.
  delete CDataManager::PeekInstance();
  CDataManager* pDM = CDataManager::InitInstance();
  DefContent content;
  if (pDM->LogToServer(kServer, kUser, kPassword)) content = Content(pDM->GetBO(name.c_str(), 0, 1));
  delete pDM;
  return content;
}

std::string OrvexTest::AllFields(const CQRBusObjDef* pDef) {
  if (pDef == nullptr) return "(none)";
  std::ostringstream out;
  const auto text = [](const CString& value) { return std::string(static_cast<LPCTSTR>(value)); };
  out << pDef->name(0) << "|" << text(pDef->GetVersion()) << "|" << text(pDef->GetAppInfo()) << "\n";
  for (INT_PTR i = 0; i < pDef->GetAttrs().GetSize(); ++i) {
    const CBODefAttr& a = *pDef->GetAttrs()[i];
    out << "  " << a.GetPosition() << "|" << text(a.GetName()) << "|" << text(a.GetTypeName()) << "|"
        << text(a.GetContainedObjectVersion()) << "|" << text(a.GetRelationship()) << "|" << text(a.GetCardinality())
        << "|" << text(a.GetMaxLength()) << "|" << a.IsKey() << a.IsForeignKey() << a.IsRequired() << "|"
        << text(a.GetAppInfo()) << "|" << text(a.GetDefaultValue()) << "|" << text(a.GetComments()) << "\n";
  }
  for (INT_PTR i = 0; i < pDef->GetVerbs().GetSize(); ++i)
    out << "  verb " << text(pDef->GetVerbs()[i]->GetName()) << "|" << text(pDef->GetVerbs()[i]->GetAppInfo()) << "\n";
  for (INT_PTR i = 0; i < pDef->GetProperties().GetSize(); ++i) {
    const CBOSpecProperty& p = pDef->GetProperties()[i];
    out << "  property " << text(p.name) << "|" << text(p.type) << "|" << text(p.value) << "|" << text(p.description)
        << "\n";
  }
  return out.str();
}

CBODefAttr& OrvexTest::AddAttribute(CQRBusObjDef* pDef, const std::string& name, const std::string& type,
                                    const std::string& maxLength) {
  auto* pAttr = new CBODefAttr(static_cast<int>(pDef->GetAttrs().GetSize()) + 1, name.c_str(), type.c_str());
  pAttr->SetMaxLength(maxLength.c_str());
  pDef->GetAttrs().Add(pAttr);
  return *pAttr;
}

void OrvexTest::AnswerNewDialog(const std::string& name, const std::string& appInfo) {
  robot.onDialog("New Business Object", [name, appInfo](Robot& r, Window dlg) {
    r.click(dlg.child(1012));
    r.type(name);
    if (!appInfo.empty()) {
      r.click(dlg.child(1013));
      r.type(appInfo);
    }
    r.click(dlg.child(IDOK));
  });
}

void OrvexTest::AnswerOpenDialog(const std::string& title, const std::vector<std::string>& names) {
  robot.onDialog(title, [names](Robot& r, Window dlg) {
    const Window list = dlg.child(1019);
    bool first = true;
    for (const std::string& name : names) {
      r.clickListViewItem(list, name, first ? std::initializer_list<UINT>{} : std::initializer_list<UINT>{VK_CONTROL});
      first = false;
    }
    r.click(dlg.child(IDOK));
  });
}

void OrvexTest::OpenFromMenu(const std::vector<std::string>& names) {
  AnswerOpenDialog("Open Business Object", names);
  robot.chooseMenu({"&File", "&Open..."});
}

Window OrvexTest::FileOptions(Window fileDialog) { return fileDialog.childByClass("#32770"); }

halvane::test::HandlerRegistration OrvexTest::AnswerFileDialog(const std::string& title, const std::string& path,
                                                               std::function<void(Robot&, Window)> options) {
  return robot.onDialog(title, [path, options](Robot& r, Window dlg) {
    if (options) options(r, dlg);
    const Window name = dlg.child(edt1);
    r.click(name);
    ::SendMessage(name.hwnd(), EM_SETSEL, 0, -1);
    r.type(path);
    r.click(dlg.child(IDOK));
  });
}

void OrvexTest::CancelFileDialog(const std::string& title) {
  robot.onDialog(title, [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
}

void OrvexTest::AnswerBoxKeepingText(std::string& text, const std::string& caption) {
  robot.onDialog(caption, [&text](Robot& r, Window box) {
    for (const std::string& line : r.texts(box)) {
      if (!line.empty() && line != "OK") text = line;
    }
    r.click(box.child(IDOK));
  });
}

std::string OrvexTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvex_test
