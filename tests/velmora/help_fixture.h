// The fixture of the context-help tests: a host application that routes F1
// and F11 as the programs do, a help folder in a temporary installation,
// and the shell's page openings recorded instead of made.
#pragma once

#include <win32/services.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "HvHelp.h"
#include "temp_folder.h"
#include "velmora_fixture.h"

using Bytes = std::vector<uint8_t>;

// Routes the help keys as the programs' application objects do: F1 shows
// help, and in authoring mode F11 starts authoring.
class HelpHost : public CWinApp {
 public:
  HelpHost() : CWinApp("Help Host") {}
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (m_pHelp != nullptr && pMsg->message == WM_KEYDOWN) {
      if (m_bAuthoring && pMsg->wParam == VK_F11) {
        m_bProperty ? m_pHelp->AuthorHelpProperty() : m_pHelp->AuthorHelp();
        return TRUE;
      }
      if (pMsg->wParam == VK_F1) {
        m_bProperty ? m_pHelp->ShowHelpProperty() : m_pHelp->ShowHelp();
        return TRUE;
      }
    }
    return CWinApp::PreTranslateMessage(pMsg);
  }

  HvHelp* m_pHelp = nullptr;
  bool m_bAuthoring = true;
  bool m_bProperty = false;
};

class HelpTest : public VelmoraTest {
 protected:
  void SetUp() override {
    VelmoraTest::SetUp();
    std::filesystem::create_directories(helpFolder);
    win32::SetShellExecuteHook([this](const std::string&, const std::string& file) -> INT_PTR {
      opened.push_back(file);
      return unopenable.count(file) != 0 ? failedResult : 42;
    });
  }
  void TearDown() override {
    app.m_pHelp = nullptr;
    win32::SetShellExecuteHook({});
    VelmoraTest::TearDown();
  }

  // Makes the help object the host routes the keys to.
  std::unique_ptr<HvHelp> MakeHelp(const char* app = "Orvex", const char* folder = nullptr) {
    auto help = std::make_unique<HvHelp>(app, folder != nullptr ? folder : helpFolder.c_str());
    this->app.m_pHelp = help.get();
    return help;
  }

  std::string Path(const std::string& relative) const { return helpFolder + "/" + relative; }
  void Write(const std::string& relative, const Bytes& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
    std::ofstream(Path(relative), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Bytes Read(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string Text(const std::string& relative) const {
    const Bytes bytes = Read(relative);
    return std::string(bytes.begin(), bytes.end());
  }
  bool Exists(const std::string& relative) const { return std::filesystem::exists(Path(relative)); }

  // An empty topic list: the help data file exists and can be written.
  void WriteEmptyTopicFile(const std::string& app = "Orvex") const { Write(app + "Help.data", {0x00, 0x00}); }

  static std::vector<std::string> Topics(HvHelp& help) {
    std::vector<std::string> out;
    for (POSITION pos = help.GetTopics().GetHeadPosition(); pos != nullptr;) {
      const auto* topic = static_cast<const HTopic*>(help.GetTopics().GetNext(pos));
      out.push_back(std::string(topic->m_strTitle.GetString()) + "|" + topic->m_strSubTopic.GetString() + "|" +
                    topic->m_strPage.GetString());
    }
    return out;
  }
  // Answers the next message box titled `caption` with OK; its text goes
  // to `text`.
  void AnswerBox(const std::string& caption, std::string& text) {
    robot.onDialog(caption, [&text](halvane::test::Robot& r, halvane::test::Window box) {
      text.clear();
      for (const halvane::test::Window& w : box.descendants())
        if (w.className() == "Static" && w.text().size() > text.size()) text = w.text();
      r.click(box.child(IDOK));
    });
  }

  static void AddTopic(HvHelp& help, const char* title, const char* subTopic, const char* page) {
    help.GetTopics().AddTail(new HTopic(title, subTopic, page));
  }

  static constexpr const char* kUtilsCaption = "velmora_tests";  // Utils' boxes show the program's name
  static constexpr const char* kHostCaption = "Help Host";       // the class library's, the application's

  HelpHost app;
  halvane::test::TempFolder install{"velmora-help"};
  const std::string helpFolder = install / "bin/help";
  std::vector<std::string> opened;   // the shell's openings, in order
  std::set<std::string> unopenable;  // files the shell fails to open
  INT_PTR failedResult = SE_ERR_FNF;
};
