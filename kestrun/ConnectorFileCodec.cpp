#include "ConnectorFileCodec.h"

#include <afxwin.h>

#include <cerrno>
#include <fstream>

#include "ConfigFileReader.h"
#include "ConnectorBlockReader.h"
#include "ConnectorBlockWriter.h"
#include "ConnectorFileLines.h"
#include "HomeDirectory.h"
#include "JavaEncryption.h"
#include "KestrunConstants.h"
#include "RepositoryCopy.h"
#include "UtilFunc.h"
#include "UtilMessageBox.h"
#include "resource.h"

using namespace connector_lines;

CConnectorFileCodec::CConnectorFileCodec() : CConnectorFileCodec(std::make_unique<CJavaEncryption>(HomeDirectory())) {}

CConnectorFileCodec::CConnectorFileCodec(std::unique_ptr<IValueEncryption> encryption)
    : m_strVersion(REPOSITORY_VERSION), m_encryption(std::move(encryption)) {
  InitEncryption();
}

CConnectorFileCodec::~CConnectorFileCodec() = default;

// --- The encryption service ---------------------------------------------------

BOOL CConnectorFileCodec::InitEncryption() {
  CWaitCursor wait;
  if (!m_encryption->IsRunning() && !m_encryption->Start()) return FALSE;
  if (!m_encryption->GenerateKey(m_strSessionKey)) m_strSessionKey.Empty();
  return TRUE;
}

bool CConnectorFileCodec::IsEncryptionRunning() const { return m_encryption->IsRunning(); }

CString CConnectorFileCodec::EncryptionUnavailableReason() const {
  CString reason;
  if (!m_encryption->IsRunning()) {
    reason = m_encryption->UnavailableReason();
  } else if (m_strSessionKey.IsEmpty()) {
    reason.LoadString(IDS_NO_SESSION_KEY);
  }
  return reason;
}

void CConnectorFileCodec::ReportUnavailable(UINT messageId) const {
  CString format;
  format.LoadString(messageId);
  CString text;
  text.Format(format, static_cast<LPCTSTR>(EncryptionUnavailableReason()));
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

bool CConnectorFileCodec::DecryptValue(const CString& value, const CString& key, CString& clear) {
  return m_encryption->IsRunning() && m_encryption->Decrypt(value, key, clear);
}

BOOL CConnectorFileCodec::EncryptValue(const CString& clear, CString& encrypted) {
  // Always the session key: it is what GetInstallIdForWrite puts into the
  // file, whichever of the two a writer calls first.
  return m_encryption->IsRunning() && m_encryption->Encrypt(clear, m_strSessionKey, encrypted) ? TRUE : FALSE;
}

CString CConnectorFileCodec::EncryptionFailureText(const CString& propertyName) const {
  CString reason = EncryptionUnavailableReason();
  if (reason.IsEmpty()) reason = "The encryption service refused the value.";
  CString format;
  format.LoadString(IDS_VALUE_NOT_ENCRYPTED);
  CString text;
  text.Format(format, static_cast<LPCTSTR>(propertyName), static_cast<LPCTSTR>(reason));
  return text;
}

void CConnectorFileCodec::ReportUndecryptable(const CStringList& names) {
  if (names.IsEmpty()) return;
  CString list;
  for (POSITION pos = names.GetHeadPosition(); pos != nullptr;) {
    if (!list.IsEmpty()) list += ", ";
    list += names.GetNext(pos);
  }
  CString format;
  format.LoadString(IDS_VALUES_UNDECRYPTABLE);
  CString text;
  text.Format(format, static_cast<LPCTSTR>(list));
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

// --- File errors ----------------------------------------------------------------

void CConnectorFileCodec::ReportFileError(CException* error) {
  char text[512] = {};
  if (error == nullptr || !error->GetErrorMessage(text, sizeof text) || text[0] == '\0')
    ReportFileError(CString("The file could not be read."));
  else
    ReportFileError(CString(text));
}

void CConnectorFileCodec::ReportFileError(int cause, int osError, const CString& path) {
  CFileException error(cause, osError, path);
  ReportFileError(&error);
}

void CConnectorFileCodec::ReportFileError(const CString& text) {
  FormatMessageBox(MB_OK | MB_ICONEXCLAMATION, "%s", static_cast<LPCTSTR>(text));
}

// --- Configuration files --------------------------------------------------------

BOOL CConnectorFileCodec::ReadConfigFile(const CString& path, CConnector* connector) {
  if (connector == nullptr) return FALSE;
  if (!m_encryption->IsRunning()) {
    ReportUnavailable(IDS_ENCRYPTION_UNAVAILABLE_READ);
    return FALSE;
  }
  CStdioFile file;
  CFileException error;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText, &error)) {
    ReportFileError(&error);
    return FALSE;
  }
  // A file without a header must never decrypt with an earlier file's key.
  m_strInstallId.Empty();
  CConfigFileReader reader(*this, *connector, file);
  const CConfigFileReader::Result result = reader.Read();
  if (result == CConfigFileReader::Result::NoConnector) {
    CString format;
    format.LoadString(IDS_NO_CONNECTOR_SECTION);
    CString text;
    text.Format(format, static_cast<LPCTSTR>(path));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  }
  return result == CConfigFileReader::Result::Read ? TRUE : FALSE;
}

BOOL CConnectorFileCodec::ReadNewConnector(const CString& templatePath, CConnector* connector) {
  if (connector == nullptr) return FALSE;
  const CString name = connector->m_strName;
  const int type = connector->m_nType;
  if (!ReadConfigFile(templatePath, connector)) return FALSE;
  // The template's own name and transport must not replace what was entered.
  connector->m_strName = name;
  connector->m_nType = type;
  if (type == CONNECTOR_QVS) {
    const HvProperty* transport = connector->FindStdProperty(TRANSPORT_PROPERTY);
    if (transport != nullptr && transport->GetValue().CompareNoCase(BROKER_TRANSPORT_VALUE) == 0)
      connector->SetStdProperty(TRANSPORT_PROPERTY, transport->GetDefaultValue());
  }
  return ApplyNewConnectorDefaults(connector);
}

CString CConnectorFileCodec::TemplatePath() { return HomeDirectory() + "/bin/Data/ConnectorTemplate.cfg"; }

CString CConnectorFileCodec::GetInstallIdForWrite() {
  m_strInstallId = m_strSessionKey;
  return m_strInstallId;
}

BOOL CConnectorFileCodec::ApplyNewConnectorDefaults(CConnector* connector) {
  connector->SetStdProperty(APPLICATION_NAME_PROPERTY, connector->m_strName);
  if (connector->m_nType == CONNECTOR_KBRX) connector->SetStdProperty(TRANSPORT_PROPERTY, BROKER_TRANSPORT_VALUE);
  return TRUE;
}

CString CConnectorFileCodec::ConfigFileHeader(CConnector* connector) {
  if (connector->m_strConfigVersion.IsEmpty()) connector->m_strConfigVersion.LoadString(IDS_CONFIG_VERSION);
  CString text;
  text += CONFIG_HEADER_LINE;
  text += "\r\nVersion = " + connector->m_strConfigVersion + "\r\n";
  text += "INSTALLID=" + GetInstallIdForWrite() + "\r\n\r\n";
  text += "[ConnectorAgent " + connector->m_strName + "]\r\n";
  return text;
}

BOOL CConnectorFileCodec::WriteConfigFile(const CString& path, CConnector* connector, const CString& sections) {
  if (connector == nullptr) return FALSE;
  CString text = ConfigFileHeader(connector) + sections + "\r\n";
  if (!connector->m_strMessagingText.IsEmpty()) text += connector->m_strMessagingText + "\r\n";
  return WriteWhole(path, std::string_view(text, size_t(text.GetLength())));
}

BOOL CConnectorFileCodec::WriteWhole(const CString& path, std::string_view text) {
  dravon::repocopy::ReplacingFile file(std::string(path, size_t(path.GetLength())));
  if (file.Open() && file.Write(text) && file.Commit()) return TRUE;
  ReportFileError(CString(file.ErrorMessage().c_str()));
  return FALSE;
}

// --- Repository copies ------------------------------------------------------------

BOOL CConnectorFileCodec::WriteRepositoryFile(const CString& path, CConnector* connector) {
  if (connector == nullptr) return FALSE;
  // Refused before anything is created: the file stays as it was.
  if (connector->m_nType != CONNECTOR_QVS) {
    CString format;
    format.LoadString(IDS_NOT_A_QVS_CONNECTOR);
    CString text;
    text.Format(format, static_cast<LPCTSTR>(connector->m_strName));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  if (!m_encryption->IsRunning() || m_strSessionKey.IsEmpty()) {
    ReportUnavailable(IDS_ENCRYPTION_UNAVAILABLE_WRITE);
    return FALSE;
  }
  m_strRepositoryId = m_strSessionKey;
  m_strVersion = REPOSITORY_VERSION;
  std::string text;
  CString error;
  if (!CConnectorBlockWriter(*this, *connector).Write(text, error)) {
    ReportFileError(error);
    return FALSE;
  }
  return WriteWhole(path, text);
}

BOOL CConnectorFileCodec::ReadRepositoryFile(const CString& path, CConnectorArray& out) {
  m_strVersion.Empty();
  m_strRepositoryId.Empty();
  return ReadRepository(path, true, [&out](std::unique_ptr<CConnector> connector) {
    out.Add(connector.release());
    return true;
  });
}

BOOL CConnectorFileCodec::ReadRepositoryConnector(const CString& path, CConnector*& out) {
  return ReadRepository(path, false, [&out](std::unique_ptr<CConnector> connector) {
    out = connector.release();
    return false;
  });
}

BOOL CConnectorFileCodec::ReadRepository(const CString& path, bool withHeader,
                                         const std::function<bool(std::unique_ptr<CConnector>)>& take) {
  if (!m_encryption->IsRunning()) {
    ReportUnavailable(IDS_ENCRYPTION_UNAVAILABLE_READ);
    return FALSE;
  }
  std::ifstream in(static_cast<LPCTSTR>(path), std::ios::binary);
  if (!in) {
    ReportFileError(CFileException::ErrnoToException(errno), errno, path);
    return FALSE;
  }
  dravon::repocopy::LineReader lines(in);
  CConnectorBlockReader reader(*this, lines);
  bool read = !withHeader || reader.ReadHeader();
  while (read && reader.FindNextConnector()) {
    auto connector = std::make_unique<CConnector>("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    if (reader.ReadConnector(*connector) && !take(std::move(connector))) break;
  }
  if (lines.ReadFailed()) {
    ReportFileError(CFileException::ErrnoToException(EIO), EIO, path);
    return FALSE;
  }
  reader.ReportUndecryptable();
  return read ? TRUE : FALSE;
}

// --- Message-set files and file-type tests ----------------------------------------

BOOL CConnectorFileCodec::ReadMessageSetFile(const CString& path, CMessageSetEntries& out) {
  CStdioFile file;
  CFileException error;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText, &error)) {
    ReportFileError(&error);
    return FALSE;
  }
  try {
    CString line;
    while (file.ReadString(line)) {
      line.Trim();
      // Blank lines and comments carry no entry.
      if (line.IsEmpty() || line[0] == '#') continue;
      const KeyValue field = SplitKeyValue(line);
      const int eq = line.Find('=');
      CString key = eq < 0 ? line : line.Left(eq);
      key.Trim();
      if (!CUtilFunc::is_name_alphanumeric(key)) return FALSE;
      out.Add(CMessageSetEntry{key, field.value});
    }
  } catch (CException* e) {
    ReportFileError(e);
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

bool CConnectorFileCodec::HasSection(const CString& path, const char* name) {
  CStdioFile file;
  CFileException error;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText, &error)) {
    ReportFileError(&error);
    return false;
  }
  try {
    CString line;
    while (file.ReadString(line)) {
      if (line.Find('[') >= 0 && SectionName(line).CompareNoCase(name) == 0) return true;
    }
  } catch (CException* e) {
    ReportFileError(e);
    e->Delete();
  }
  return false;
}

BOOL CConnectorFileCodec::IsRepositoryFile(const CString& path) { return HasSection(path, REPOSITORY_HEADER_NAME); }
BOOL CConnectorFileCodec::IsConnectorFile(const CString& path) { return HasSection(path, CONNECTOR_BLOCK_NAME); }
BOOL CConnectorFileCodec::IsConfigurationFile(const CString& path) { return HasSection(path, CONFIG_HEADER_NAME); }
