// The command line's forms: a letter after "-" or "/" in either case, its
// value glued to it, other letters ignored, the class library's parsing
// still done for every argument.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdLine.h"

namespace {

void Parse(CCmdLine& line, const std::vector<std::string>& arguments) {
  std::vector<std::string> all{"orvex"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  afx::ParseCommandLine(line, all);
}

std::string Text(const CString& text) { return static_cast<LPCTSTR>(text); }

TEST(CommandLineTest, EachLetterTakesTheRestOfItsArgument) {
  CCmdLine line;
  Parse(line, {"-sHalvaneServer", "/uAdmin", "-pse cret", "-oCustomer"});
  EXPECT_EQ(Text(line.m_strServer), "HalvaneServer");
  EXPECT_EQ(Text(line.m_strUser), "Admin");
  EXPECT_EQ(Text(line.m_strPassword), "se cret") << "one argument, blanks and all";
  EXPECT_EQ(Text(line.m_strOpenName), "Customer");
  EXPECT_FALSE(line.m_bNew);
}

TEST(CommandLineTest, LettersCountInEitherCaseAndOthersAreIgnored) {
  for (const char* form : {"-n", "/N", "-N", "-nonsense"}) {
    CCmdLine line;
    Parse(line, {form});
    EXPECT_TRUE(line.m_bNew) << form;
  }
  CCmdLine upper;
  Parse(upper, {"-SServer", "-UUser", "-PPass", "-OName"});
  EXPECT_EQ(Text(upper.m_strServer), "Server");
  EXPECT_EQ(Text(upper.m_strUser), "User");
  EXPECT_EQ(Text(upper.m_strPassword), "Pass");
  EXPECT_EQ(Text(upper.m_strOpenName), "Name");
  CCmdLine other;
  Parse(other, {"-xServer", "-", "s"});
  EXPECT_TRUE(other.m_strServer.IsEmpty()) << "x is no letter of ours; a bare value is no flag";
  EXPECT_FALSE(other.m_bNew);
  // An empty value leaves its member empty; the last of two wins.
  CCmdLine twice;
  Parse(twice, {"-sFirst", "-sSecond", "-u"});
  EXPECT_EQ(Text(twice.m_strServer), "Second");
  EXPECT_TRUE(twice.m_strUser.IsEmpty());
}

TEST(CommandLineTest, TheClassLibrarySeesEveryArgumentToo) {
  CCmdLine line;
  Parse(line, {"-n", "notes.txt"});
  EXPECT_TRUE(line.m_bNew);
  EXPECT_EQ(Text(line.m_strFileName), "notes.txt");
  EXPECT_EQ(line.m_nShellCommand, CCommandLineInfo::FileOpen);
}

}  // namespace
