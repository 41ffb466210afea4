// The "Trace/Log Files" tab, in windows of both modes: filling from a
// configuration file, the fields' rules while typing and spinning, the
// enabling rules, the file pickers, validation and the sections it writes.
#include <gtest/gtest.h>

#include <afxcmn.h>

#include <filesystem>

#include "LogTraceView.h"
#include "clipboard_text.h"
#include "forms_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using kestrun_app_test::Text;
using kforms_test::FormsTest;
using Lines = std::vector<std::string>;

constexpr const char* kTab = "Trace/Log Files";

// A configuration file of the mode with the given [LOGGING] and [TRACING]
// lines.
std::string ConfigWith(int typeCode, const std::string& logging, const std::string& tracing) {
  std::string text =
      "[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=key\r\n\r\n"
      "[ConnectorAgent Orders]\r\nApplicationName = Orders\r\n";
  if (typeCode == CONNECTOR_KBRX) text += "DeliveryTransport = KBRX-JMS\r\n";
  return text + "\r\n[LOGGING]\r\n" + logging + "\r\n[TRACING]\r\n" + tracing;
}

class LogTraceTest : public FormsTest, public ::testing::WithParamInterface<int> {
 protected:
  // Opens a window of the test's mode over the file and shows the tab.
  CLogTraceView* Open(const std::string& logging, const std::string& tracing) {
    doc = OpenConfig(ConfigWith(GetParam(), logging, tracing));
    if (doc == nullptr) return nullptr;
    ShowTab(doc, kTab);
    view = Tab<CLogTraceView>(doc, kTab);
    return view;
  }
  CLogTraceView* OpenNewWindow() {
    doc = OpenNew("Orders", GetParam());
    if (doc == nullptr) return nullptr;
    ShowTab(doc, kTab);
    view = Tab<CLogTraceView>(doc, kTab);
    return view;
  }
  Window Control(int id) const { return Window(view->GetDlgItem(id)->GetSafeHwnd()); }
  std::string Unit(int id) const {
    const Window combo = Control(id);
    const int index = combo.selectedIndex();
    return index < 0 ? "" : combo.listItems()[static_cast<size_t>(index)];
  }
  // Replaces the edit's text by typing, key by key.
  void TypeInto(int id, const std::string& text) {
    robot.click(Control(id));
    ::SendMessage(Control(id).hwnd(), EM_SETSEL, 0, -1);
    robot.key(VK_DELETE);
    robot.type(text);
  }
  // Replaces the edit's text by pasting it whole.
  void PasteInto(int id, const std::string& text) {
    robot.click(Control(id));
    ::SendMessage(Control(id).hwnd(), EM_SETSEL, 0, -1);
    halvane::test::SetClipboardText(text);
    robot.keys({VK_CONTROL, 'V'});
  }
  // One press on the spin's upper or lower arrow.
  void Spin(int id, bool up) {
    const Window spin = Control(id);
    RECT rect{};
    ::GetClientRect(spin.hwnd(), &rect);
    robot.click(spin, {rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4});
  }
  std::string Title() const { return Text(doc->GetTitle()); }

  CKestrunDoc* doc = nullptr;
  CLogTraceView* view = nullptr;
};

INSTANTIATE_TEST_SUITE_P(BothModes, LogTraceTest, ::testing::Values(CONNECTOR_QVS, CONNECTOR_KBRX),
                         [](const auto& info) { return info.param == CONNECTOR_QVS ? "Qvs" : "Kbrx"; });

TEST_P(LogTraceTest, AFileFillsTheControlsAndIsWrittenBackAsItCame) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMIRROR_LOG_TO_STDOUT = TRUE\r\nMAX_LOG_FILE_SIZE = 5 KB\r\n"
                   "NUMBER_OF_ARCHIVE_LOGS = 3\r\n# keep a week\r\n",
                   "TRACE_FILE = orders.trc\r\nMIRROR_TRACE_TO_STDOUT = FALSE\r\nMAX_TRACE_FILE_SIZE = UNLIMITED\r\n"
                   "NUMBER_OF_ARCHIVE_TRACES = 7\r\n"),
              nullptr);
    EXPECT_EQ(Control(IDC_LOG_TO_FILE).checked(), BST_CHECKED);
    EXPECT_EQ(Control(IDC_LOG_TO_CONSOLE).checked(), BST_CHECKED);
    EXPECT_EQ(Control(IDC_LOG_FILE).text(), "orders.log");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "5");
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "KB");
    EXPECT_EQ(Control(IDC_LOG_ARCHIVES).text(), "3");
    EXPECT_EQ(Control(IDC_LOG_UNLIMITED).checked(), BST_UNCHECKED);
    EXPECT_TRUE(Control(IDC_LOG_SIZE).isEnabled());
    EXPECT_EQ(Control(IDC_TRACE_TO_CONSOLE).checked(), BST_UNCHECKED);
    EXPECT_EQ(Control(IDC_TRACE_UNLIMITED).checked(), BST_CHECKED);
    EXPECT_TRUE(Control(IDC_TRACE_FILE).isEnabled());
    EXPECT_FALSE(Control(IDC_TRACE_SIZE).isEnabled());
    EXPECT_FALSE(Control(IDC_TRACE_UNIT).isEnabled());
    EXPECT_FALSE(Control(IDC_TRACE_ARCHIVES).isEnabled());
    EXPECT_EQ(Title().back(), 's') << "opening marks nothing modified";

    const std::string saved = SavedConfig(doc);
    EXPECT_EQ(Section(saved, "[LOGGING]"),
              (Lines{"[LOGGING]", "LOG_FILE = orders.log", "MIRROR_LOG_TO_STDOUT = TRUE", "MAX_LOG_FILE_SIZE = 5 KB",
                     "NUMBER_OF_ARCHIVE_LOGS = 3", "# keep a week"}));
    EXPECT_EQ(Section(saved, "[TRACING]"),
              (Lines{"[TRACING]", "TRACE_FILE = orders.trc", "MIRROR_TRACE_TO_STDOUT = FALSE",
                     "MAX_TRACE_FILE_SIZE = UNLIMITED", "NUMBER_OF_ARCHIVE_TRACES = 7"}));
    EXPECT_NE(saved.find("# keep a week\r\n\r\n\r\n[TRACING]\r\n"), std::string::npos) << saved;
  });
}

TEST_P(LogTraceTest, ConsoleOnlyWritesStdoutWithoutSizesAndAByteSizeWithoutUnitStaysBytes) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = STDOUT\r\nMIRROR_LOG_TO_STDOUT = FALSE\r\n",
                   "TRACE_FILE = orders.trc\r\nMAX_TRACE_FILE_SIZE = 512\r\nNUMBER_OF_ARCHIVE_TRACES = 2\r\n"),
              nullptr);
    EXPECT_EQ(Control(IDC_LOG_TO_FILE).checked(), BST_UNCHECKED);
    EXPECT_EQ(Control(IDC_LOG_TO_CONSOLE).checked(), BST_CHECKED);
    for (int id : {IDC_LOG_FILE, IDC_LOG_BROWSE, IDC_LOG_SIZE, IDC_LOG_UNIT, IDC_LOG_UNLIMITED, IDC_LOG_ARCHIVES})
      EXPECT_FALSE(Control(id).isEnabled()) << id;
    // The file reader leaves a size without unit with an empty unit: bytes.
    EXPECT_EQ(Unit(IDC_TRACE_UNIT), "Bytes");
    EXPECT_EQ(Control(IDC_TRACE_SIZE).text(), "512");

    const std::string saved = SavedConfig(doc);
    EXPECT_EQ(Section(saved, "[LOGGING]"), (Lines{"[LOGGING]", "LOG_FILE = STDOUT", "MIRROR_LOG_TO_STDOUT = FALSE"}));
    EXPECT_EQ(Section(saved, "[TRACING]"),
              (Lines{"[TRACING]", "TRACE_FILE = orders.trc", "MIRROR_TRACE_TO_STDOUT = FALSE",
                     "MAX_TRACE_FILE_SIZE = 512 ", "NUMBER_OF_ARCHIVE_TRACES = 2"}));
  });
}

TEST_P(LogTraceTest, TheCheckBoxesSwitchTheFieldsAndTheSectionsFollowThem) {
  Run([&] {
    ASSERT_NE(OpenNewWindow(), nullptr);
    // A new connector starts from the size the spin suggests.
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "512");
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "Bytes");
    EXPECT_FALSE(Control(IDC_LOG_FILE).isEnabled());
    robot.click(Control(IDC_LOG_TO_FILE));
    EXPECT_TRUE(Control(IDC_LOG_FILE).isEnabled());
    EXPECT_TRUE(Control(IDC_LOG_SIZE).isEnabled());
    EXPECT_EQ(Title().back(), '*');
    robot.click(Control(IDC_LOG_UNLIMITED));
    EXPECT_FALSE(Control(IDC_LOG_SIZE).isEnabled());
    EXPECT_FALSE(Control(IDC_LOG_SIZE_SPIN).isEnabled());
    EXPECT_FALSE(Control(IDC_LOG_ARCHIVES).isEnabled());
    EXPECT_TRUE(Control(IDC_LOG_UNLIMITED).isEnabled());
    TypeInto(IDC_LOG_FILE, "orders.log");
    robot.click(Control(IDC_TRACE_TO_CONSOLE));
    EXPECT_EQ(Section(SavedConfig(doc), "[LOGGING]"),
              (Lines{"[LOGGING]", "LOG_FILE = orders.log", "MIRROR_LOG_TO_STDOUT = TRUE",
                     "MAX_LOG_FILE_SIZE = UNLIMITED", "NUMBER_OF_ARCHIVE_LOGS = 0"}));
    EXPECT_EQ(Section(SavedConfig(doc), "[TRACING]"),
              (Lines{"[TRACING]", "TRACE_FILE = ", "MIRROR_TRACE_TO_STDOUT = FALSE"}));
  });
}

TEST_P(LogTraceTest, SizesCorrectThemselvesWhileTyped) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMAX_LOG_FILE_SIZE = 100 Bytes\r\n",
                   "TRACE_FILE = orders.trc\r\nMAX_TRACE_FILE_SIZE = 2 KB\r\n"),
              nullptr);
    TakeBeeps();
    TypeInto(IDC_LOG_SIZE, "2000");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "512");
    TypeInto(IDC_LOG_SIZE, "-3");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "-3") << "a negative byte count is left for validation";
    PasteInto(IDC_LOG_SIZE, "20000");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1023");
    EXPECT_EQ(TakeBeeps(), (std::vector<std::pair<DWORD, DWORD>>{{640, 40}}));
    TypeInto(IDC_TRACE_SIZE, "0");
    EXPECT_EQ(Control(IDC_TRACE_SIZE).text(), "1");
    TypeInto(IDC_TRACE_SIZE, "5000");
    EXPECT_EQ(Control(IDC_TRACE_SIZE).text(), "1023");
    EXPECT_TRUE(TakeBeeps().empty());
    // Typing goes on after the corrected text.
    robot.type("9");
    EXPECT_EQ(Control(IDC_TRACE_SIZE).text(), "1023");
    EXPECT_EQ(TakeBeeps().size(), 1u);
    TypeInto(IDC_LOG_ARCHIVES, "123");
    EXPECT_EQ(Control(IDC_LOG_ARCHIVES).text(), "12");
    EXPECT_EQ(Title().back(), '*');
    TypeInto(IDC_LOG_SIZE, "640");
    const std::string saved = SavedConfig(doc);
    EXPECT_EQ(Section(saved, "[LOGGING]")[3], "MAX_LOG_FILE_SIZE = 640 ");
    EXPECT_EQ(Section(saved, "[LOGGING]")[4], "NUMBER_OF_ARCHIVE_LOGS = 12");
    EXPECT_EQ(Section(saved, "[TRACING]")[3], "MAX_TRACE_FILE_SIZE = 1023 KB");
  });
}

TEST_P(LogTraceTest, ChoosingAUnitRestartsTheSizeAndTheSpinWalksThroughTheUnits) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMAX_LOG_FILE_SIZE = 1023 Bytes\r\n", "TRACE_FILE = STDOUT\r\n"), nullptr);
    Spin(IDC_LOG_SIZE_SPIN, true);
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "KB");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1");
    Spin(IDC_LOG_SIZE_SPIN, true);
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "2");
    Spin(IDC_LOG_SIZE_SPIN, false);
    Spin(IDC_LOG_SIZE_SPIN, false);
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "Bytes");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1023");

    robot.choose(Control(IDC_LOG_UNIT), "GB");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1");
    TypeInto(IDC_LOG_SIZE, "1023");
    Spin(IDC_LOG_SIZE_SPIN, true);
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "GB") << "nothing lies beyond GB";
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1023");
    robot.choose(Control(IDC_LOG_UNIT), "Bytes");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "512");
    TypeInto(IDC_LOG_SIZE, "1");
    Spin(IDC_LOG_SIZE_SPIN, false);
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "Bytes") << "nothing lies below Bytes";
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1");
    robot.choose(Control(IDC_LOG_UNIT), "MB");
    EXPECT_EQ(Section(SavedConfig(doc), "[LOGGING]")[3], "MAX_LOG_FILE_SIZE = 1 MB");
  });
}

TEST_P(LogTraceTest, ValidationNamesEveryProblemInTheResultsBar) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMAX_LOG_FILE_SIZE = 0 KB\r\n",
                   "TRACE_FILE = ORDERS.LOG\r\nMAX_TRACE_FILE_SIZE = 0 KB\r\n"),
              nullptr);
    EXPECT_FALSE(view->Validate());
    EXPECT_EQ(ResultLines(),
              (Lines{"Validating Logging and tracing...", "Log file size needs to be more than 0.",
                     "Trace File size needs to be more than 0.", "Log file name and Trace file name are same."}));
    ClearResults();
    robot.click(Control(IDC_LOG_UNLIMITED));
    robot.click(Control(IDC_TRACE_UNLIMITED));
    TypeInto(IDC_TRACE_FILE, " ");
    EXPECT_FALSE(view->Validate());
    EXPECT_EQ(ResultLines(), (Lines{"Validating Logging and tracing...", "A valid trace file name is required."}));
    ClearResults();
    TypeInto(IDC_TRACE_FILE, "orders.trc");
    EXPECT_TRUE(view->Validate());
    EXPECT_EQ(ResultLines(), (Lines{"Validating Logging and tracing..."}));
  });
}

TEST_P(LogTraceTest, TwoFilesNamedStdoutAreNoClashButANegativeSizeIsNoSize) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = STDOUT\r\n", "TRACE_FILE = STDOUT\r\n"), nullptr);
    robot.click(Control(IDC_LOG_TO_FILE));
    robot.click(Control(IDC_TRACE_TO_FILE));
    TypeInto(IDC_LOG_FILE, "STDOUT");
    TypeInto(IDC_TRACE_FILE, "STDOUT");
    EXPECT_TRUE(view->Validate());
    TypeInto(IDC_LOG_SIZE, "-5");
    ClearResults();
    EXPECT_FALSE(view->Validate());
    EXPECT_EQ(ResultLines(), (Lines{"Validating Logging and tracing...", "Log file size needs to be more than 0."}));
  });
}

TEST_P(LogTraceTest, ASizeThatIsNoNumberStopsTheSaveWithTheClassLibrarysMessage) {
  AnswerMessages();
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMAX_LOG_FILE_SIZE = 10 KB\r\n", "TRACE_FILE = STDOUT\r\n"), nullptr);
    TypeInto(IDC_LOG_SIZE, "");
    EXPECT_TRUE(messages.empty()) << "an empty size is left alone while typed";
    EXPECT_EQ(SavedConfig(doc), "<not written>");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer.");
  });
}

TEST_P(LogTraceTest, TheFilePickersStoreTheChosenPath) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\n", "TRACE_FILE = orders.trc\r\n"), nullptr);
    TypeInto(IDC_TRACE_FILE, "typed.trc");
    const std::string chosen = Path("chosen.log");
    robot.onDialog("Select log file", [&](Robot& r, Window dialog) {
      ::SetWindowText(dialog.child(edt1).hwnd(), "");
      r.click(dialog.child(edt1));
      r.type(chosen);
      r.click(dialog.child(IDOK));
    });
    robot.click(Control(IDC_LOG_BROWSE));
    EXPECT_EQ(Control(IDC_LOG_FILE).text(), chosen);
    EXPECT_EQ(Control(IDC_TRACE_FILE).text(), "typed.trc") << "what was typed stays";
    EXPECT_EQ(Title().back(), '*');
    robot.onDialog("Select trace file", [](Robot& r, Window dialog) { r.click(dialog.child(IDCANCEL)); });
    robot.click(Control(IDC_TRACE_BROWSE));
    EXPECT_EQ(Section(SavedConfig(doc), "[LOGGING]")[1], "LOG_FILE = " + chosen);
    EXPECT_EQ(Section(SavedConfig(doc), "[TRACING]")[1], "TRACE_FILE = typed.trc");
  });
}

TEST_P(LogTraceTest, WhatWasTypedOutlivesASwitchOfTheTabSet) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMAX_LOG_FILE_SIZE = 5 KB\r\n", "TRACE_FILE = STDOUT\r\n"), nullptr);
    TypeInto(IDC_LOG_FILE, "typed.log");
    TypeInto(IDC_LOG_SIZE, "");
    robot.choose(Control(IDC_LOG_UNIT), "MB");
    robot.click(Control(IDC_TRACE_TO_FILE));
    TypeInto(IDC_TRACE_ARCHIVES, "4");
    CConnector* connector = doc->GetConnector();
    const bool toBroker = GetParam() == CONNECTOR_QVS;
    connector->SetStdProperty("DeliveryTransport", toBroker ? "KBRX-JMS" : "");
    connector->m_nType = toBroker ? CONNECTOR_KBRX : CONNECTOR_QVS;
    doc->m_bQvsMode = !toBroker;
    doc->SwitchTabSet();
    ShowTab(doc, kTab);
    view = Tab<CLogTraceView>(doc, kTab);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Control(IDC_LOG_FILE).text(), "typed.log");
    EXPECT_EQ(Unit(IDC_LOG_UNIT), "MB");
    EXPECT_EQ(Control(IDC_LOG_SIZE).text(), "1");
    EXPECT_EQ(Control(IDC_TRACE_TO_FILE).checked(), BST_CHECKED);
    EXPECT_EQ(Control(IDC_TRACE_ARCHIVES).text(), "4");
  });
}

TEST_P(LogTraceTest, Snapshot) {
  Run([&] {
    ASSERT_NE(Open("LOG_FILE = orders.log\r\nMIRROR_LOG_TO_STDOUT = TRUE\r\nMAX_LOG_FILE_SIZE = 5 KB\r\n"
                   "NUMBER_OF_ARCHIVE_LOGS = 3\r\n",
                   "TRACE_FILE = STDOUT\r\n"),
              nullptr);
    robot.snapshot(FrameWindow(), GetParam() == CONNECTOR_QVS ? "log_trace_qvs" : "log_trace_kbrx");
  });
}

TEST_F(FormsTest, SnapshotOfTheTraceFilePicker) {
  halvane::test::WorkingFolderKeeper keeper;
  const halvane::test::TempFolder folder("kforms-picker");
  folder.file("orders.trc");
  folder.file("notes.txt");
  std::filesystem::current_path(folder.path());
  bool shown = false;
  robot.onDialog("Select trace file", [&](Robot& r, Window dialog) {
    shown = true;
    // The folder box shows the temporary folder, whose name changes.
    r.snapshot(dialog, "select_trace_file", false, {dialog.child(cmb2)});
    r.click(dialog.child(IDCANCEL));
  });
  Run([&] {
    CKestrunDoc* doc = OpenNew("Orders", CONNECTOR_QVS);
    ASSERT_NE(doc, nullptr);
    ShowTab(doc, kTab);
    auto* view = Tab<CLogTraceView>(doc, kTab);
    robot.click(Window(view->GetDlgItem(IDC_TRACE_TO_FILE)->GetSafeHwnd()));
    robot.click(Window(view->GetDlgItem(IDC_TRACE_BROWSE)->GetSafeHwnd()));
  });
  EXPECT_TRUE(shown);
}

}  // namespace
