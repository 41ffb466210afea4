// Kestrun's single object for connector files: configuration files (.cfg),
// repository copies, message-set files, the file-type tests of the open
// command, and the encryption of property values through the encryption
// service. The application makes one at start-up and deletes it at the end.
#pragma once

#include <afxtempl.h>

#include <functional>
#include <memory>
#include <string>

#include "Connector.h"
#include "ValueEncryption.h"

// One line of a message-set file: a business object and its identifier.
struct CMessageSetEntry {
  CString m_strName;
  CString m_strId;
};
using CMessageSetEntries = CArray<CMessageSetEntry, const CMessageSetEntry&>;
using CConnectorArray = CArray<CConnector*, CConnector*>;

class CConnectorFileCodec {
 public:
  // The program's codec: the Java service over the installation folder.
  CConnectorFileCodec();
  // A codec over the given service (tests give their own).
  explicit CConnectorFileCodec(std::unique_ptr<IValueEncryption> encryption);
  ~CConnectorFileCodec();
  CConnectorFileCodec(const CConnectorFileCodec&) = delete;
  CConnectorFileCodec& operator=(const CConnectorFileCodec&) = delete;

  // Starts the service (once) and makes the session key; the program runs
  // on without encryption when it cannot start.
  BOOL InitEncryption();
  bool IsEncryptionRunning() const;
  CString EncryptionUnavailableReason() const;

  // --- Configuration files ------------------------------------------------
  // Fills a newly constructed connector from the file. Reports its own
  // failures (a message box) and answers FALSE; the caller then deletes the
  // connector.
  BOOL ReadConfigFile(const CString& path, CConnector* connector);
  // A new connector from the template file: the name and mode it was made
  // with stay, then ApplyNewConnectorDefaults.
  BOOL ReadNewConnector(const CString& templatePath, CConnector* connector);
  // bin/Data/ConnectorTemplate.cfg under the installation folder.
  static CString TemplatePath();
  CString GetInstallIdForWrite();
  // The clear text encrypted with the session key, the key that the file
  // being written names.
  BOOL EncryptValue(const CString& clear, CString& encrypted);
  BOOL ApplyNewConnectorDefaults(CConnector* connector);
  // The file's first lines, up to and with the connector section's header.
  CString ConfigFileHeader(CConnector* connector);
  // Writes the header, the tabs' sections and the kept messaging text.
  // FALSE after a message when the file could not be written whole; the old
  // file then stays as it was.
  BOOL WriteConfigFile(const CString& path, CConnector* connector, const CString& sections);

  // --- Repository copies -----------------------------------------------------
  // A QVS connector as a repository copy whose values are encrypted with the
  // session key, which the header names. FALSE after a message when it
  // cannot be written whole; the old file then stays as it was.
  BOOL WriteRepositoryFile(const CString& path, CConnector* connector);
  // Every connector block of a repository copy, each a new connector that
  // the caller owns, appended in file order.
  BOOL ReadRepositoryFile(const CString& path, CConnectorArray& out);
  // The first connector block of a file without a header; `out` stays null
  // when there is none.
  BOOL ReadRepositoryConnector(const CString& path, CConnector*& out);

  // --- Message-set files and the open command's file-type tests ------------
  BOOL ReadMessageSetFile(const CString& path, CMessageSetEntries& out);
  BOOL IsRepositoryFile(const CString& path);
  BOOL IsConnectorFile(const CString& path);
  BOOL IsConfigurationFile(const CString& path);

  // --- For the readers and the tabs' text ----------------------------------
  // The value decrypted with the key; false when it cannot be.
  bool DecryptValue(const CString& value, const CString& key, CString& clear);
  // Tells the user which values stayed encrypted because they could not be
  // decrypted (nothing for an empty list).
  static void ReportUndecryptable(const CStringList& names);
  // The message that a property's value could not be encrypted.
  CString EncryptionFailureText(const CString& propertyName) const;
  // Shows the standard text of a file error.
  static void ReportFileError(CException* error);
  static void ReportFileError(const CString& text);
  static void ReportFileError(int cause, int osError, const CString& path);

  CString m_strVersion;       // written into repository copies
  CString m_strRepositoryId;  // of the repository copy being read or written
  CString m_strInstallId;     // of the configuration file last read or written
  CString m_strSessionKey;    // made at start; empty when it could not be

 private:
  bool HasSection(const CString& path, const char* name);
  void ReportUnavailable(UINT messageId) const;
  // Writes the text in place of the file; FALSE after the file error's message.
  static BOOL WriteWhole(const CString& path, std::string_view text);
  // Reads connector blocks, after the header when there is one, handing
  // each read block to `take` until it answers false.
  BOOL ReadRepository(const CString& path, bool withHeader,
                      const std::function<bool(std::unique_ptr<CConnector>)>& take);

  std::unique_ptr<IValueEncryption> m_encryption;
};
