// The names the context help derives: page and screenshot names of a
// topic, the documentation folder beside the help folder, the sub-topic of
// the property variant, and the stub page an author starts from.
#pragma once

#include <afx.h>

namespace velmora::help {

// The text made fit for a file name (Utils' cleaning).
CString Cleaned(const CString& text);

// application + "/" + title + "_" + sub-topic + ".html", from texts that
// are cleaned already.
CString PageName(const CString& application, const CString& title, const CString& subTopic);

// "images" + the page from its first "/" (else its first "\") up to the
// last "." of its last component, + ".jpeg": Orvex/Main_General.html gives
// images/Main_General.jpeg. A page without a separator is taken whole
// after a "/" (page.html gives images/page.jpeg); a last component without
// a dot is kept whole. "\" separators become "/".
CString ImageName(const CString& page);

// The folder two levels above `helpFolder` (each level cut at its last "/"
// or "\") + "/documentation": /opt/tool/bin/help gives
// /opt/tool/documentation. With too few separators the cuts stop at the
// root ("/bin" gives "/documentation") or, for a relative folder, at the
// working folder ("help" gives "documentation").
CString DocumentationFolder(const CString& helpFolder);

// The property variant's sub-topic: the holder's caption before its first
// "-", trimmed, + "_" + the tab's name (a sheet "Connector - Standard"
// with the page "Trace" gives Connector_Trace). An empty tab name stays
// empty.
CString PropertySubTopic(const CString& holderCaption, const CString& tabName);

// `text` with &, <, >, " and ' written as HTML entities.
CString HtmlEscaped(const CString& text);

// The stub page of a new topic; `imageName` empty for a topic without a
// screenshot.
CString StubPage(const CString& title, const CString& subTopic, const CString& imageName);

// Whether `page` stays inside the folder it is relative to: not empty,
// and no ".." component.
bool IsRelativePage(const CString& page);

}  // namespace velmora::help
