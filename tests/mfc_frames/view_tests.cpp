// Views: a scroll view's bars, keys, wheel and mapping, and a form view
// made from its dialog template.
#include "frames_fixture.h"

namespace {

using halvane::test::Window;

class CBigView : public CScrollView {
  DECLARE_DYNCREATE(CBigView)

 public:
  void OnInitialUpdate() override {
    SetScrollSizes(MM_TEXT, CSize(2000, 1500), CSize(200, 150), CSize(20, 15));
    CScrollView::OnInitialUpdate();
  }
  void OnDraw(CDC*) override {}
};

// A top-level frame around one view of the class, shown.
CFrameWnd* FrameWithView(CRuntimeClass* pViewClass) {
  auto* frame = new CFrameWnd;
  CCreateContext context;
  context.m_pNewViewClass = pViewClass;
  if (!frame->Create(nullptr, "Scroll", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr, 0, &context))
    return nullptr;
  frame->InitialUpdateFrame(nullptr, TRUE);
  return frame;
}

CSize ClientSize(const CWnd* pWnd) {
  CRect client;
  pWnd->GetClientRect(&client);
  return client.Size();
}

}  // namespace

IMPLEMENT_DYNCREATE(CBigView, CScrollView)

namespace {

TEST_F(FramesTest, AScrollViewScrollsByItsBarsKeysAndWheel) {
  CFrameWnd* frame = FrameWithView(RUNTIME_CLASS(CBigView));
  ASSERT_NE(frame, nullptr);
  auto* view = static_cast<CBigView*>(frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
  CRect viewRect;
  view->GetWindowRect(&viewRect);
  EXPECT_EQ(viewRect.Size(), ClientSize(frame)) << "the view, sunken edge and all, fills the frame";
  EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
  EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
  EXPECT_EQ(view->GetTotalSize(), CSize(2000, 1500));

  view->SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 15));
  view->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 165));
  view->SendMessage(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(20, 165));
  view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(20, 210)) << "three lines a notch";
  view->SendMessage(WM_KEYDOWN, VK_HOME);
  view->SendMessage(WM_KEYDOWN, VK_NEXT);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 360));

  // The far end: the total less the window.
  const CSize client = ClientSize(view);
  const CPoint end(2000 - client.cx, 1500 - client.cy);
  robot.press(VK_CONTROL);
  view->SendMessage(WM_KEYDOWN, VK_END);
  robot.release(VK_CONTROL);
  EXPECT_EQ(view->GetScrollPosition(), end);
  view->ScrollToPosition(CPoint(-5, 99999));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, end.y)) << "kept inside the total";

  // Drawing is shifted by the position.
  {
    CClientDC dc(view);
    view->OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, -end.y));
  }

  // A total that fits needs no bars and no offset.
  view->SetScrollSizes(MM_TEXT, CSize(100, 80));
  EXPECT_FALSE(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
  frame->DestroyWindow();
}

TEST_F(FramesTest, AScrollViewMapsLogicalUnitsAndCanScaleToFit) {
  CFrameWnd* frame = FrameWithView(RUNTIME_CLASS(CBigView));
  ASSERT_NE(frame, nullptr);
  auto* view = static_cast<CBigView*>(frame->GetActiveView());
  // Hundredths of an inch, y upwards: positions below the top are negative.
  view->SetScrollSizes(MM_LOENGLISH, CSize(1000, 1000));
  view->ScrollToPosition(CPoint(100, -100));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(100, -100));
  EXPECT_GT(view->GetDeviceScrollPosition().y, 0);

  view->SetScaleToFitSize(CSize(4000, 3000));
  EXPECT_FALSE(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
  CClientDC dc(view);
  view->OnPrepareDC(&dc);
  EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
  CPoint corner(4000, 3000);
  dc.LPtoDP(&corner);
  EXPECT_EQ(CSize(corner.x, corner.y), ClientSize(view)) << "the whole total in the window";
  frame->DestroyWindow();
}

TEST_F(FramesTest, AFormViewIsItsTemplateWithDataExchangeAndDialogKeys) {
  StartedApp s;
  CNoteDoc* note = s.NewNote();
  note->m_text = "draft";
  note->m_stamps = 4;
  const std::string path = PathOf("a.form");
  ASSERT_TRUE(note->DoSave(path.c_str()));
  note->OnCloseDocument();

  auto* doc = static_cast<CNoteDoc*>(s.app.m_pFormTemplate->OpenDocumentFile(path.c_str()));
  ASSERT_NE(doc, nullptr);
  CMDIChildWnd* child = s.ActiveChild();
  auto* form = dynamic_cast<CNoteForm*>(child->GetActiveView());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->GetDocument(), doc);
  EXPECT_EQ(form->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
  EXPECT_TRUE(form->GetStyle() & WS_CHILD);
  EXPECT_FALSE(form->GetStyle() & WS_CAPTION);
  EXPECT_GT(form->GetTotalSize().cx, 0) << "the template's size";
  CRect formRect;
  form->GetWindowRect(&formRect);
  EXPECT_EQ(formRect.Size(), ClientSize(child));

  Window text = Window(form->m_hWnd).child(IDC_NOTE_TEXT);
  Window count = Window(form->m_hWnd).child(IDC_NOTE_COUNT);
  EXPECT_EQ(text.text(), "draft");
  EXPECT_EQ(count.text(), "4");

  // The focus goes to the first control; Tab moves on through the form.
  form->SetFocus();
  EXPECT_EQ(robot.focused(), text);
  robot.press(VK_TAB);
  MSG tab{text.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(s.app.PreTranslateMessage(&tab));
  robot.release(VK_TAB);
  EXPECT_EQ(robot.focused(), count);

  ::SetWindowText(count.hwnd(), "12");
  ASSERT_TRUE(form->UpdateData(TRUE));
  EXPECT_EQ(form->m_count, 12);
  EXPECT_EQ(std::string(form->m_text), "draft");

  // Back to the form after another child was active: the same control.
  s.NewNote();
  s.MainFrame()->MDIActivate(child);
  EXPECT_EQ(robot.focused(), count);
  // And after a message box over the program.
  robot.onMessageBox("Frames Test", IDOK);
  AfxMessageBox("Look");
  EXPECT_EQ(robot.focused(), count);
}

}  // namespace
