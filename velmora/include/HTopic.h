// One help topic: the window title and sub-topic (tab) it belongs to and
// the page, relative to the help folder, that F1 opens for it. Topics are
// kept in the program's help data file, serialised with schema 1.
#pragma once

#include <afx.h>

#include <memory>

class SECJpeg;

class AFX_EXT_CLASS HTopic : public CObject {
  DECLARE_SERIAL(HTopic)

 public:
  HTopic();
  HTopic(const CString& title, const CString& subTopic, const CString& page);
  ~HTopic() override;
  HTopic(const HTopic&) = delete;
  HTopic& operator=(const HTopic&) = delete;

  // Stores or loads the four texts, in the order of the members below.
  void Serialize(CArchive& ar) override;

  // The screenshot taken when the topic was authored (null when none); the
  // topic owns it.
  SECJpeg* GetImage() const { return m_pImage.get(); }
  void SetImage(std::unique_ptr<SECJpeg> image);

  CString m_strTitle;     // the top-level window's title, cleaned for file names
  CString m_strSubTopic;  // the current tab's name, empty for windows without tabs
  CString m_strNote;      // kept with the topic; the programs never set it
  CString m_strPage;      // the page, relative to the help folder
  int m_bNew = 0;         // made by authoring and not yet confirmed; not stored

 private:
  std::unique_ptr<SECJpeg> m_pImage;
};
