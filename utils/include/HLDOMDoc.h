// XML documents over the Xerces-C DOM. A wrapper owns its document and
// releases it; the XML library starts once per process with the first
// wrapper (or InitializeXml) and stops at exit.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <xercesc/dom/DOM.hpp>

#include <memory>
#include <string>

// Text in the DOM's own character type.
using DOMString = std::basic_string<XMLCh>;

// Where and why the last load failed; line and column count from 1, both 0
// when the failure is not in the text (a file that cannot be read).
struct AFX_EXT_CLASS XmlParseError {
  int line = 0;
  int column = 0;
  CString message;
};

class AFX_EXT_CLASS HLDOMDocBase {
 public:
  // Starts the XML library; FALSE when it cannot start.
  static BOOL InitializeXml();

  HLDOMDocBase();
  virtual ~HLDOMDocBase();
  HLDOMDocBase(const HLDOMDocBase&) = delete;
  HLDOMDocBase& operator=(const HLDOMDocBase&) = delete;

  // Takes ownership of `document` (null drops the current one).
  void SetDOMDocument(xercesc::DOMDocument* document);
  xercesc::DOMDocument* GetDOMDocument() const { return m_document.get(); }
  // Hands the document to the caller, who releases it.
  xercesc::DOMDocument* DetachDOMDocument();
  xercesc::DOMElement* GetRootElement() const;

  // A new document with an empty root element; FALSE for a bad name.
  BOOL Create(LPCTSTR rootName);
  // Loading drops the blank text between elements, so that a document
  // saved pretty-printed loads back to the same tree. On failure the
  // current document stays and GetLastParseError tells why.
  BOOL LoadFromFile(LPCTSTR path);
  BOOL LoadFromMemory(const char* data, size_t length);
  BOOL LoadFromString(const CString& text);
  const XmlParseError& GetLastParseError() const { return m_error; }

  // The document as UTF-8 text with its declaration; pretty-printed with
  // LF line ends. Empty without a document.
  CString ToString(BOOL pretty = TRUE) const;
  // Writes the pretty-printed document with CR LF line ends through a
  // temporary file beside `path`; clears the modified flag.
  BOOL SaveToFile(LPCTSTR path);

  BOOL IsModified() const { return m_modified; }
  void SetModified(BOOL modified = TRUE) { m_modified = modified; }

  // Node helpers; every one accepts null nodes and answers empty or null.
  static CString GetAttribString(const xercesc::DOMElement* element, LPCTSTR name);
  static BOOL SetAttribString(xercesc::DOMElement* element, LPCTSTR name, LPCTSTR value);
  static CString DOMToCString(const XMLCh* text);
  // `node` serialised as UTF-8 text (a document with its declaration).
  static CString DOMToCString(const xercesc::DOMNode* node, BOOL pretty = TRUE);
  static DOMString CStringToDOMString(LPCTSTR text);
  static CString GetNodeName(const xercesc::DOMNode* node);
  static CString GetNodeText(const xercesc::DOMNode* node);
  // The first child element of `parent` (named `name`, when given).
  static xercesc::DOMElement* FirstChildElement(const xercesc::DOMNode* parent, LPCTSTR name = nullptr);
  static xercesc::DOMElement* NextSiblingElement(const xercesc::DOMNode* node, LPCTSTR name = nullptr);

  // A new element appended to `parent` (the root when null), with `text`
  // as its content when given; marks the document modified.
  xercesc::DOMElement* AddElement(xercesc::DOMElement* parent, LPCTSTR name, LPCTSTR text = nullptr);

 private:
  struct Release {
    void operator()(xercesc::DOMDocument* document) const;
  };

  BOOL Parse(const char* data, size_t length, const char* systemId);

  std::unique_ptr<xercesc::DOMDocument, Release> m_document;
  XmlParseError m_error;
  BOOL m_modified = FALSE;
};

// A document that keeps a map of names to texts as the root's children:
// <Root><Entry Name="name">text</Entry>...</Root>.
class AFX_EXT_CLASS CHLMapDOMDocBase : public HLDOMDocBase {
 public:
  BOOL GetValue(LPCTSTR name, CString& value) const;
  // Adds or replaces an entry; FALSE without a document.
  BOOL SetValue(LPCTSTR name, LPCTSTR value);
  BOOL RemoveValue(LPCTSTR name);
  // The names in document order.
  void GetNames(CStringArray& names) const;

 private:
  xercesc::DOMElement* FindEntry(LPCTSTR name) const;
};

// A map document that starts empty with the given root element.
class AFX_EXT_CLASS CHLMapDOM : public CHLMapDOMDocBase {
 public:
  explicit CHLMapDOM(LPCTSTR rootName = "Map");
};
