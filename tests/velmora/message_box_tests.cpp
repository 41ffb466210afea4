// The message box: its layout from the text and system metrics, the
// buttons of each set, the default button, Escape and the system menu's
// Close, the check box, and snapshots of the common sets.
#include <string>
#include <vector>

#include "DefMessageBox.h"
#include "velmora_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr const char* kCaption = "Velmora Question";

// Option words: set in bits 0-3, icon in 4-7, default position in 8-11.
constexpr unsigned kYesNoCancel = 3;
constexpr unsigned kQuestion = 0x20;
constexpr unsigned kStop = 0x10;
constexpr unsigned kExclamation = 0x30;
constexpr unsigned kInformation = 0x40;

// What the layout is made from: the box's font on the screen and the
// system metrics.
class Meter {
 public:
  Meter() : dc_(::GetDC(nullptr)) {
    font_.CreatePointFont(80, "MS Sans Serif");
    old_ = ::SelectObject(dc_, font_.GetSafeHandle());
  }
  ~Meter() {
    ::SelectObject(dc_, old_);
    ::ReleaseDC(nullptr, dc_);
  }
  CSize Extent(const std::string& text) const {
    SIZE size{};
    ::GetTextExtentPoint32(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return CSize(size.cx, size.cy);
  }
  // The height the text's static control needs at `width`.
  int Height(const std::string& text, int width) const {
    RECT rect{0, 0, width, 0};
    ::DrawText(dc_, text.c_str(), -1, &rect, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
    return rect.bottom - rect.top;
  }
  int AveCharWidth() const {
    TEXTMETRIC tm{};
    ::GetTextMetrics(dc_, &tm);
    return tm.tmAveCharWidth;
  }

  const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
  const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
  const int cySmCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
  const int cxFrame = ::GetSystemMetrics(SM_CXFRAME);
  const int cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);

 private:
  HDC dc_;
  CFont font_;
  HGDIOBJ old_;
};

struct Layout {
  CRect window;  // screen
  CRect text;    // client coordinates from here on
  CRect check;
  std::vector<CRect> buttons;
};

CSize Wrapped(CSize extent, int limit) {
  if (extent.cx <= limit) return extent;
  return CSize(limit, (extent.cx + limit - 1) / limit * extent.cy);
}

CRect At(int left, int top, CSize size) { return CRect(left, top, left + size.cx, top + size.cy); }

// The layout a box should have, worked out from the metrics alone.
Layout Expected(const std::string& text, const std::string& check, const std::vector<std::string>& captions,
                bool icon) {
  Meter m;
  CSize textSize = Wrapped(m.Extent(text), m.cxScreen / 2 - 2 * m.cxFrame - 26);
  textSize.cy = std::max(textSize.cy, static_cast<LONG>(m.Height(text, textSize.cx)));
  CSize checkSize(0, 0);
  if (!check.empty()) {
    CSize extent = m.Extent(check);
    extent.cx += m.AveCharWidth();
    checkSize = Wrapped(extent, m.cxScreen / 2 - 2 * m.cxFrame - 45);
    checkSize.cx += 19;
  }
  std::string longest;
  for (const auto& caption : captions) {
    if (caption.size() > longest.size()) longest = caption;
  }
  const CSize button(m.Extent(longest).cx + 12, m.Extent(longest).cy + 12);
  const int count = static_cast<int>(captions.size());
  const int rowWidth = count * (button.cx + 6) - (count == 1 ? 12 : 6);
  const int captionWidth = std::min(m.Extent(kCaption).cx + m.cxSmIcon + 17, m.cxScreen / 2 - 2 * m.cxFrame);
  const int content = std::max({captionWidth, static_cast<int>(textSize.cx), static_cast<int>(checkSize.cx), rowWidth});
  const int width = content + 2 * m.cxFrame + 26 + (icon ? 46 : 0);
  const int height = 2 * m.cxFrame + 52 + m.cySmCaption + textSize.cy + checkSize.cy + button.cy;

  Layout layout;
  layout.window =
      At((m.cxScreen - width) / 2, height < m.cyScreen ? (m.cyScreen - height) / 2 : 0, CSize(width, height));
  const int start = icon ? 46 : 0;
  const int centre = start + (width - start) / 2;
  layout.text = At(centre - textSize.cx / 2, 13, textSize);
  if (!check.empty()) layout.check = At(centre - checkSize.cx / 2, textSize.cy + 26, checkSize);
  const int rowLeft = width / 2 - rowWidth / 2;
  for (int i = 0; i < count; ++i) {
    layout.buttons.push_back(At(rowLeft + i * (button.cx + 6), textSize.cy + checkSize.cy + 39, button));
  }
  return layout;
}

CRect ClientRect(Window dialog, Window control) {
  CRect rect = control.rect();
  ::MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The push buttons of the box, left to right.
std::vector<Window> Buttons(Window box) {
  std::vector<Window> buttons;
  for (const Window& child : box.children()) {
    if (child.id() > CDefMessageBox::kFirstButtonControl && child.id() <= CDefMessageBox::kFirstButtonControl + 15)
      buttons.push_back(child);
  }
  std::sort(buttons.begin(), buttons.end(),
            [](const Window& a, const Window& b) { return a.rect().left < b.rect().left; });
  return buttons;
}

std::vector<std::string> Captions(Window box) {
  std::vector<std::string> captions;
  for (const Window& button : Buttons(box)) captions.push_back(button.text());
  return captions;
}

void ExpectLayout(Window box, const Layout& expected) {
  EXPECT_EQ(CRect(box.rect()), expected.window);
  EXPECT_EQ(ClientRect(box, box.child(CDefMessageBox::kTextControl)), expected.text);
  if (expected.check.IsRectNull()) {
    EXPECT_FALSE(box.child(CDefMessageBox::kCheckControl));
  } else {
    EXPECT_EQ(ClientRect(box, box.child(CDefMessageBox::kCheckControl)), expected.check);
  }
  const auto buttons = Buttons(box);
  ASSERT_EQ(buttons.size(), expected.buttons.size());
  for (size_t i = 0; i < buttons.size(); ++i) EXPECT_EQ(ClientRect(box, buttons[i]), expected.buttons[i]) << i;
}

// The icon static: the one child without a control id of its own.
Window IconOf(Window box) {
  for (const Window& child : box.children()) {
    if ((child.style() & SS_TYPEMASK) == SS_ICON && child.className() == "Static") return child;
  }
  return Window();
}

struct Result {
  int pressed = -1;
  int check = -1;
};

Result ShowBox(const char* text, const char* check, unsigned options) {
  Result result;
  result.pressed = DMessageBox(text, check, kCaption, &result.check, options);
  return result;
}

class MessageBoxTest : public VelmoraTest {};

// --- Layout ---------------------------------------------------------------

TEST_F(MessageBoxTest, AShortTextWithIconAndCheckBoxIsLaidOutFromTheMetrics) {
  const std::string text = "Save the changes to Customer?";
  const std::string check = "&Do not ask again";
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    ExpectLayout(box, Expected(text, check, {"&Yes", "&No", "&Cancel"}, true));
    Window icon = IconOf(box);
    ASSERT_TRUE(icon);
    EXPECT_EQ(ClientRect(box, icon), CRect(11, 11, 43, 43));
    EXPECT_EQ(box.child(CDefMessageBox::kTextControl).text(), text);
    EXPECT_EQ(box.child(CDefMessageBox::kCheckControl).text(), check);
    r.click(box.childByText("&No"));
  });
  const Result result = ShowBox(text.c_str(), check.c_str(), kYesNoCancel | kQuestion);
  EXPECT_EQ(result.pressed, IDNO);
  EXPECT_EQ(result.check, 0);
}

TEST_F(MessageBoxTest, ALongTextKeepsTheLimitWidthAndGrowsByWholeLines) {
  std::string text;
  while (Meter().Extent(text).cx < 1200) text += "The definition refers to objects that the server does not have. ";
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    const Layout expected = Expected(text, "", {"&OK"}, false);
    Meter m;
    EXPECT_EQ(expected.text.Width(), m.cxScreen / 2 - 2 * m.cxFrame - 26);
    EXPECT_EQ(expected.text.Height() % m.Extent("x").cy, 0);
    EXPECT_GE(expected.text.Height(), 3 * m.Extent("x").cy);
    ExpectLayout(box, expected);
    r.click(box.childByText("&OK"));
  });
  EXPECT_EQ(ShowBox(text.c_str(), nullptr, 0).pressed, IDOK);
}

TEST_F(MessageBoxTest, LineBreaksAndEarlyWrapsGrowTheTextSoNoLineIsCut) {
  const std::string text = "The business object could not be saved.\nReason: the server refused it.\nTry again later.";
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    const Layout expected = Expected(text, "", {"&OK"}, true);
    EXPECT_EQ(expected.text.Height(), 3 * Meter().Extent("x").cy) << "three lines, not the one of the extent";
    ExpectLayout(box, expected);
    r.click(box.childByText("&OK"));
  });
  EXPECT_EQ(ShowBox(text.c_str(), nullptr, kStop).pressed, IDOK);

  // Words wrap before the limit, so a text that whole lines of the limit
  // would just hold needs one line more.
  Meter m;
  const int limit = m.cxScreen / 2 - 2 * m.cxFrame - 26;
  std::string tight;
  while (m.Extent(tight + "abcdefghij ").cx <= 2 * limit) tight += "abcdefghij ";
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    const Layout expected = Expected(tight, "", {"&OK"}, false);
    const int wholeLines = (m.Extent(tight).cx + limit - 1) / limit;
    EXPECT_LT(wholeLines * m.Extent("x").cy, m.Height(tight, limit)) << "the extent's lines would cut the last one";
    EXPECT_EQ(expected.text.Height(), m.Height(tight, limit));
    ExpectLayout(box, expected);
    r.click(box.childByText("&OK"));
  });
  ShowBox(tight.c_str(), nullptr, 0);
}

TEST_F(MessageBoxTest, ASingleButtonRowIsCentredAsTheButtonWidthMinusSix) {
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    const Layout expected = Expected("Done.", "", {"&OK"}, true);
    ExpectLayout(box, expected);
    const int width = expected.window.Width();
    EXPECT_EQ(expected.buttons[0].left, width / 2 - (expected.buttons[0].Width() - 6) / 2);
    r.click(box.childByText("&OK"));
  });
  EXPECT_EQ(ShowBox("Done.", "", kInformation).pressed, IDOK);
}

TEST_F(MessageBoxTest, FiveButtonsShareTheWidthOfTheLongestCaption) {
  robot.onDialog(kCaption, [&](Robot& r, Window box) {
    EXPECT_EQ(Captions(box), (std::vector<std::string>{"&Yes", "Yes to all", "&No", "No to all", "&Cancel"}));
    ExpectLayout(box, Expected("Replace Customer?", "", {"&Yes", "Yes to all", "&No", "No to all", "&Cancel"}, false));
    r.click(box.childByText("No to all"));
  });
  EXPECT_EQ(ShowBox("Replace Customer?", nullptr, 7).pressed, 13);
}

TEST_F(MessageBoxTest, EverySetShowsItsButtonsInOrder) {
  const std::vector<std::vector<std::string>> sets = {
      {"&OK"},
      {"&OK", "&Cancel"},
      {"&Abort", "&Retry", "&Ignore"},
      {"&Yes", "&No", "&Cancel"},
      {"&Yes", "&No"},
      {"&Retry", "&Cancel"},
      {"&Cancel", "&Retry", "C&ontinue"},
      {"&Yes", "Yes to all", "&No", "No to all", "&Cancel"},
      {"Yes, to &server", "Yes, to &file", "&No", "&Cancel"},
  };
  for (unsigned set = 0; set < sets.size(); ++set) {
    std::vector<std::string> shown;
    robot.onDialog(kCaption, [&](Robot& r, Window box) {
      shown = Captions(box);
      r.click(Buttons(box).back());
    });
    ShowBox("Which?", nullptr, set);
    EXPECT_EQ(shown, sets[set]) << "set " << set;
  }
}

TEST_F(MessageBoxTest, ASetNumberPastTheTableShowsThePlainOkBox) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_EQ(Captions(box), std::vector<std::string>{"&OK"});
    r.click(box.childByText("&OK"));
  });
  EXPECT_EQ(ShowBox("Odd options", nullptr, 0x0C).pressed, IDOK);
}

TEST_F(MessageBoxTest, IconCodesPickTheSystemIconsAndOtherCodesShowNone) {
  for (unsigned code : {0x00u, 0x10u, 0x20u, 0x30u, 0x40u, 0x80u, 0x50u}) {
    bool hasIcon = false;
    robot.onDialog(kCaption, [&](Robot& r, Window box) {
      hasIcon = static_cast<bool>(IconOf(box));
      r.click(box.childByText("&OK"));
    });
    ShowBox("Icon?", nullptr, code);
    EXPECT_EQ(hasIcon, code >= 0x10 && code <= 0x40) << std::hex << code;
  }
}

// --- Focus, Enter and Escape ---------------------------------------------

TEST_F(MessageBoxTest, TheDefaultPositionGetsTheFocusAndEnterPressesIt) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_EQ(r.focused(), box.childByText("&Cancel"));
    EXPECT_TRUE(box.childByText("&Cancel").style() & WS_GROUP) << "first in the tab order";
    r.key(VK_RETURN);
  });
  EXPECT_EQ(ShowBox("Save?", nullptr, kYesNoCancel | 0x200).pressed, IDCANCEL);

  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_EQ(r.focused(), box.childByText("&Yes"));
    r.key(VK_TAB);
    EXPECT_EQ(r.focused(), box.childByText("&No"));
    r.key(VK_RETURN);
  });
  EXPECT_EQ(ShowBox("Save?", nullptr, kYesNoCancel).pressed, IDNO);
}

TEST_F(MessageBoxTest, WithACheckBoxTheDefaultButtonStillLeadsTheTabOrder) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    HWND first = ::GetWindow(box.hwnd(), GW_CHILD);
    while (first != nullptr && !(::GetWindowLong(first, GWL_STYLE) & WS_TABSTOP))
      first = ::GetWindow(first, GW_HWNDNEXT);
    EXPECT_EQ(Window(first), box.childByText("&No")) << "the first tab stop";
    EXPECT_EQ(r.focused(), box.childByText("&No"));
    std::vector<Window> order;
    for (int i = 0; i < 4; ++i) {
      r.key(VK_TAB);
      order.push_back(r.focused());
    }
    EXPECT_EQ(order, (std::vector<Window>{box.childByText("&Yes"), box.childByText("&Cancel"),
                                          box.child(CDefMessageBox::kCheckControl), box.childByText("&No")}));
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(ShowBox("Save?", "Do not ask again", kYesNoCancel | kQuestion | 0x100).pressed, IDCANCEL);
}

TEST_F(MessageBoxTest, EnterWithTheCheckBoxFocusedPressesTheDefaultButtonAndKeepsTheCheck) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    Window check = box.child(CDefMessageBox::kCheckControl);
    r.click(check);
    EXPECT_EQ(r.focused(), check);
    EXPECT_EQ(check.checked(), BST_CHECKED);
    r.key(VK_RETURN);
  });
  const Result result = ShowBox("Delete Customer?", "Do not ask again", 4 | kQuestion | 0x100);
  EXPECT_EQ(result.pressed, IDNO);
  EXPECT_EQ(result.check, 1);
}

TEST_F(MessageBoxTest, EscapeActsAsCancelWhenTheSetHasOne) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    r.click(box.child(CDefMessageBox::kCheckControl));
    r.key(VK_ESCAPE);
  });
  const Result result = ShowBox("Go on?", "Remember", 1);
  EXPECT_EQ(result.pressed, IDCANCEL);
  EXPECT_EQ(result.check, 1) << "the check box is read as for any button";
}

TEST_F(MessageBoxTest, WithoutCancelEscapeAndTheSystemMenusCloseDoNothing) {
  for (unsigned set : {0u, 2u, 4u}) {
    robot.onDialog(kCaption, [&](Robot& r, Window box) {
      HMENU menu = ::GetSystemMenu(box.hwnd(), FALSE);
      EXPECT_EQ(::GetMenuItemID(menu, 1), static_cast<UINT>(SC_CLOSE));
      EXPECT_TRUE(::GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED) << "set " << set;
      r.key(VK_ESCAPE);
      r.keys({VK_MENU, VK_F4});
      EXPECT_TRUE(box.exists()) << "set " << set;
      r.click(Buttons(box).front());
    });
    const int first = set == 0 ? IDOK : set == 2 ? IDABORT : IDYES;
    EXPECT_EQ(ShowBox("No way out", nullptr, set).pressed, first);
  }
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    HMENU menu = ::GetSystemMenu(box.hwnd(), FALSE);
    EXPECT_FALSE(::GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
    r.keys({VK_MENU, VK_F4});
  });
  EXPECT_EQ(ShowBox("Closable", nullptr, kYesNoCancel).pressed, IDCANCEL);
}

TEST_F(MessageBoxTest, ADefaultPositionPastTheSetGivesNoEarlyButtonAndEnterOnTheCheckBoxWaits) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_FALSE(box.childByText("&Yes").style() & WS_GROUP);
    r.click(box.child(CDefMessageBox::kCheckControl));
    r.key(VK_RETURN);
    EXPECT_TRUE(box.exists()) << "no default button to press";
    r.click(box.childByText("&Yes"));
  });
  const Result result = ShowBox("Proceed?", "Always", 4 | 0x500);
  EXPECT_EQ(result.pressed, IDYES);
  EXPECT_EQ(result.check, 1);
}

// --- Check box and the caller's pointers ---------------------------------

TEST_F(MessageBoxTest, AnEmptyCheckTextShowsNoCheckBoxAndWritesZero) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_FALSE(box.child(CDefMessageBox::kCheckControl));
    r.click(box.childByText("&Yes"));
  });
  int state = 7;
  EXPECT_EQ(DMessageBox("Sure?", "", kCaption, &state, 4), IDYES);
  EXPECT_EQ(state, 0);

  robot.onDialog("", [](Robot& r, Window box) { r.click(box.childByText("&OK")); });
  EXPECT_EQ(DMessageBox(nullptr, nullptr, nullptr, nullptr, 0), IDOK) << "null texts and no state pointer";
}

TEST_F(MessageBoxTest, TheClassReportsThePressedIdAndTheCheckStateAsItsModalResult) {
  CDefMessageBox box;
  box.SetCaption(kCaption);
  box.SetText("Export the business object?");
  box.SetDefText("Include the attributes");
  box.SetOptions(kYesNoCancel);
  EXPECT_EQ(box.GetOption(), 0);
  robot.onDialog(kCaption, [](Robot& r, Window dlg) {
    r.click(dlg.child(CDefMessageBox::kCheckControl));
    r.click(dlg.childByText("&Yes"));
  });
  EXPECT_EQ(box.DoModal(), 1);
  EXPECT_EQ(box.GetOption(), IDYES);
  EXPECT_EQ(box.GetDefault(), 1);
}

// --- Resources ---------------------------------------------------------------

TEST_F(MessageBoxTest, TheLibrarysTemplateIsUsedAndTheHostsHandleComesBack) {
  robot.onDialog(kCaption, [](Robot& r, Window box) {
    EXPECT_FALSE(box.childByText("Host button")) << "the host's template 2002 was used";
    EXPECT_EQ(AfxGetResourceHandle(), Host()) << "the modal loop runs with the host's resources";
    r.click(box.childByText("&OK"));
  });
  ShowBox("Which template?", nullptr, 0);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(MessageBoxTest, NestedBoxesEndWithTheHostsHandle) {
  int inner = 0;
  robot.onDialog(kCaption, [&](Robot& r, Window outer) {
    robot.onDialog("Inner", [](Robot& r2, Window box) { r2.click(box.childByText("&Retry")); });
    inner = DMessageBox("Again?", nullptr, "Inner", nullptr, 5);
    EXPECT_EQ(AfxGetResourceHandle(), Host());
    r.click(outer.childByText("&OK"));
  });
  EXPECT_EQ(ShowBox("Outer", nullptr, 0).pressed, IDOK);
  EXPECT_EQ(inner, IDRETRY);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
  EXPECT_NE(AfxGetResourceHandle(), Library());
}

// --- Snapshots ------------------------------------------------------------

TEST_F(MessageBoxTest, Snapshots) {
  struct Case {
    const char* name;
    const char* text;
    unsigned options;
  };
  const Case cases[] = {
      {"message_box_set0_stop", "The server could not be reached.", 0 | kStop},
      {"message_box_set3_question", "Save the changes to Customer before closing?", kYesNoCancel | kQuestion},
      {"message_box_set7_exclamation", "Customer already exists on the server. Replace it?", 7 | kExclamation},
      {"message_box_set8_information", "Customer has changed. Where do you want to save it?", 8 | kInformation},
      {"message_box_long_text",
       "The definition refers to business objects that the server does not have: Customer, Address, "
       "Contact, Order, OrderLine and Invoice. Save them to the server first, or remove the attributes "
       "that refer to them.",
       4 | kQuestion | 0x100},
  };
  for (const Case& c : cases) {
    robot.onDialog(kCaption, [&](Robot& r, Window box) {
      r.snapshot(box, c.name);
      r.click(Buttons(box).back());
    });
    ShowBox(c.text, "Do not show this message again", c.options);
  }
}

}  // namespace
