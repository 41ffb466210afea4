// Command-line parsing: the standard flags, file names and derived parsers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mfc/cmdline.h"
#include "windows.h"

namespace {

std::unique_ptr<CCommandLineInfo> Parse(const std::vector<std::string>& arguments) {
  auto info = std::make_unique<CCommandLineInfo>();
  afx::ParseCommandLine(*info, arguments);
  return info;
}

TEST(CommandLineTest, NoArgumentsMeansANewFileWithSplash) {
  const auto info = Parse({"orvex"});
  EXPECT_EQ(info->m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_TRUE(info->m_bShowSplash);
  EXPECT_TRUE(info->m_strFileName.IsEmpty());
}

TEST(CommandLineTest, AFileNameOpensIt) {
  const auto info = Parse({"orvex", "/tmp/missing/Customer.bo"});
  EXPECT_EQ(info->m_nShellCommand, CCommandLineInfo::FileOpen);
  // An absolute path is a file, not a flag, even when the file is missing.
  EXPECT_STREQ(info->m_strFileName, "/tmp/missing/Customer.bo");
  EXPECT_EQ(Parse({"orvex", "relative.bo", "second.bo"})->m_strFileName, CString("relative.bo"));
}

TEST(CommandLineTest, PrintFlagsTakeTheirArguments) {
  const auto print = Parse({"orvex", "/p", "doc.bo"});
  EXPECT_EQ(print->m_nShellCommand, CCommandLineInfo::FilePrint);
  EXPECT_STREQ(print->m_strFileName, "doc.bo");

  const auto printTo = Parse({"orvex", "-pt", "doc.bo", "PDF Printer", "pdf", "FILE:"});
  EXPECT_EQ(printTo->m_nShellCommand, CCommandLineInfo::FilePrintTo);
  EXPECT_STREQ(printTo->m_strPrinterName, "PDF Printer");
  EXPECT_STREQ(printTo->m_strDriverName, "pdf");
  EXPECT_STREQ(printTo->m_strPortName, "FILE:");
  // Print flags are exact: "/P" is no print request.
  EXPECT_EQ(Parse({"orvex", "/P", "doc.bo"})->m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(CommandLineTest, ServerFlagsHideTheSplash) {
  const auto embedded = Parse({"orvex", "/Embedding"});
  EXPECT_TRUE(embedded->m_bRunEmbedded);
  EXPECT_FALSE(embedded->m_bShowSplash);
  const auto automated = Parse({"orvex", "-automation"});
  EXPECT_TRUE(automated->m_bRunAutomated);
  EXPECT_FALSE(automated->m_bShowSplash);
  EXPECT_EQ(Parse({"orvex", "/dde"})->m_nShellCommand, CCommandLineInfo::FileDDE);
  EXPECT_EQ(Parse({"orvex", "/UNREGISTER"})->m_nShellCommand, CCommandLineInfo::AppUnregister);
  EXPECT_EQ(Parse({"orvex", "-Unregserver"})->m_nShellCommand, CCommandLineInfo::AppUnregister);
  // An unknown flag changes nothing.
  const auto unknown = Parse({"orvex", "/x"});
  EXPECT_EQ(unknown->m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_TRUE(unknown->m_bShowSplash);
}

// A parser of its own flags that leaves the rest to the base, as the
// programs' parsers do.
class ProductCommandLine : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
    calls.push_back(std::string(bFlag ? "flag:" : "text:") + pszParam + (bLast ? " (last)" : ""));
    if (bFlag && ::lstrcmpi(pszParam, "server") == 0) {
      expectServer = true;
    } else if (expectServer && !bFlag) {
      server = pszParam;
      expectServer = false;
    } else {
      CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
      return;
    }
    ParseLast(bLast);
  }
  std::vector<std::string> calls;
  bool expectServer = false;
  CString server;
};

TEST(CommandLineTest, SlashFlagsMayCarryPathsAsValues) {
  ProductCommandLine info;
  afx::ParseCommandLine(info, {"orvex", "/o/tmp/a.bo", "/pse/cret", "/s"});
  EXPECT_EQ(info.calls, (std::vector<std::string>{"flag:o/tmp/a.bo", "flag:pse/cret", "flag:s (last)"}));
  EXPECT_TRUE(info.m_strFileName.IsEmpty());
}

TEST(CommandLineTest, DerivedParsersSeeEveryArgumentOnce) {
  ProductCommandLine info;
  afx::ParseCommandLine(info, {"kestrun", "-server", "Local", "/p", "conn.cfg"});
  EXPECT_EQ(info.calls, (std::vector<std::string>{"flag:server", "text:Local", "flag:p", "text:conn.cfg (last)"}));
  EXPECT_STREQ(info.server, "Local");
  EXPECT_STREQ(info.m_strFileName, "conn.cfg");
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrint);
}

}  // namespace
