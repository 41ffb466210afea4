#include "HTopic.h"

#include <sec/secjpeg.h>

IMPLEMENT_SERIAL(HTopic, CObject, 1)

HTopic::HTopic() = default;

HTopic::HTopic(const CString& title, const CString& subTopic, const CString& page)
    : m_strTitle(title), m_strSubTopic(subTopic), m_strPage(page) {}

HTopic::~HTopic() = default;

void HTopic::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_strTitle << m_strSubTopic << m_strNote << m_strPage;
  } else {
    ar >> m_strTitle >> m_strSubTopic >> m_strNote >> m_strPage;
  }
}

void HTopic::SetImage(std::unique_ptr<SECJpeg> image) { m_pImage = std::move(image); }
