#include "KBRXExportTransaction.h"

#include <afxwin.h>

#include <initializer_list>
#include <mutex>
#include <optional>
#include <string>

#include "Constants.h"
#include "RepositoryCopy.h"
#include "win32/services.h"

namespace {

// Paths and class paths in this platform's form.
constexpr char kPathSeparator = '/';
constexpr char kClassPathSeparator = ':';

// The translator's command lines before their arguments.
const char* const kExportCommand = "java.exe -cp  %s Velmora.Translators.TransBusObjWorkspace ";
const char* const kImportCommand = "java.exe -cp %s Velmora.Translators.TransBusObjWorkspace ";

// The header block an imported text starts with, whatever the translator wrote.
const char* const kImportHeader = "[Pellisk]\nVersion = 3.0.0\n[End]\n";

struct TemporaryFolder {
  std::mutex mu;
  std::optional<CString> folder;
};

TemporaryFolder& Temporary() {
  static TemporaryFolder temporary;
  return temporary;
}

CString Environment(LPCTSTR lpszName) {
  const DWORD size = GetEnvironmentVariable(lpszName, nullptr, 0);
  if (size == 0) return CString();
  CString value;
  const DWORD got = GetEnvironmentVariable(lpszName, value.GetBuffer(static_cast<int>(size)), size);
  value.ReleaseBuffer(got < size ? static_cast<int>(got) : 0);
  return value;
}

CString WithoutTrailingSeparators(CString path) {
  while (path.GetLength() > 1 && path[path.GetLength() - 1] == kPathSeparator) path.Delete(path.GetLength() - 1);
  return path;
}

// TEMP, or when it is empty the system's temporary folder (made when it is
// missing). Taken once per run.
CString TemporaryFolderPath() {
  TemporaryFolder& temporary = Temporary();
  std::lock_guard lock(temporary.mu);
  if (!temporary.folder) {
    CString folder = Environment("TEMP");
    if (folder.IsEmpty()) {
      char system[MAX_PATH] = {};
      const DWORD length = GetTempPath(MAX_PATH, system);
      folder = CString(system, length < MAX_PATH ? static_cast<int>(length) : 0);
      CreateDirectory(WithoutTrailingSeparators(folder), nullptr);
    }
    temporary.folder = WithoutTrailingSeparators(folder);
  }
  return *temporary.folder;
}

// "<temporary folder>/~<stem><process id>.dll".
CString TemporaryFile(LPCTSTR lpszStem) {
  CString name;
  name.Format("%s%c~%s%lu.dll", static_cast<LPCTSTR>(TemporaryFolderPath()), kPathSeparator, lpszStem,
              static_cast<unsigned long>(GetCurrentProcessId()));
  return name;
}

// Leftovers of an earlier run under this run's names would pass for the
// answers of this one: they go first. FALSE when one cannot be removed.
BOOL RemoveStaleFiles(std::initializer_list<CString> files) {
  for (const CString& file : files) {
    if (GetFileAttributes(file) == INVALID_FILE_ATTRIBUTES) continue;
    if (!DeleteFile(file)) return FALSE;
  }
  return TRUE;
}

void RemoveFiles(std::initializer_list<CString> files) {
  for (const CString& file : files) DeleteFile(file);
}

BOOL IsFile(const CString& path) {
  CFileFind find;
  if (!find.FindFile(path)) return FALSE;
  find.FindNextFile();
  return !find.IsDirectory();
}

// The translator ends with 400 when it did its work. Where a process's
// exit status carries only its low 8 bits, as here, 400 arrives as 144.
bool IsTranslatorDone(DWORD code) {
  return code == CKBRXExportTransaction::kTranslatorDone || code == (CKBRXExportTransaction::kTranslatorDone & 0xFF);
}

// An argument as the command-line splitter gives it back: quoted when it
// holds blanks or quotes, or always when `always`.
CString Argument(const CString& text, bool always = false) {
  std::string quoted = win32::QuoteArgument(text.str());
  if (always && quoted.front() != '"') {
    // Without blanks or quotes only trailing backslashes need doubling before the closing quote.
    const size_t kept = quoted.find_last_not_of('\\');
    const size_t trailing = kept == std::string::npos ? quoted.size() : quoted.size() - kept - 1;
    quoted = '"' + quoted + std::string(trailing, '\\') + '"';
  }
  return CString(std::string_view(quoted));
}

CString ClassPath(const CString& home) {
  CString path;
  path.Format("%s%clib%cxerces.jar%c%s%clib%cHalvane.jar", static_cast<LPCTSTR>(home), kPathSeparator, kPathSeparator,
              kClassPathSeparator, static_cast<LPCTSTR>(home), kPathSeparator, kPathSeparator);
  return Argument(path);
}

// Runs the command line as a hidden process and waits for it without a
// limit; its exit code, or kNotStarted.
DWORD RunHidden(CString commandLine) {
  STARTUPINFO startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcess(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    return CKBRXExportTransaction::kNotStarted;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = CKBRXExportTransaction::kNotStarted;
  if (!GetExitCodeProcess(process.hProcess, &code)) code = CKBRXExportTransaction::kNotStarted;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// The text with every "\n" written as CR LF, as a text-mode file has it.
BOOL WriteTextFile(const CString& path, const CString& text) {
  try {
    CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeText);
    file.WriteString(text);
    file.Close();
    return TRUE;
  } catch (CFileException* e) {
    e->Delete();
    return FALSE;
  }
}

// The file's bytes as they are.
BOOL ReadWholeFile(const CString& path, CString& text) {
  try {
    CFile file(path, CFile::modeRead | CFile::shareExclusive | CFile::typeBinary);
    const ULONGLONG length = file.GetLength();
    std::string bytes(static_cast<size_t>(length), '\0');
    const UINT got = file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    if (got != bytes.size()) return FALSE;
    text = CString(std::string_view(bytes));
    return TRUE;
  } catch (CFileException* e) {
    e->Delete();
    return FALSE;
  }
}

// A deployment file: the text with CR LF line ends, put in the file's place
// only when written whole.
BOOL WriteDeploymentFile(const CString& path, const CString& text) {
  CString lines = text;
  lines.Replace("\n", "\r\n");
  dravon::repocopy::ReplacingFile file(path.str());
  return file.Open() && file.Write(lines.str()) && file.Commit();
}

// A text that would break a deployment file's lines, or lead out of its folder.
bool IsUnsafeName(const CString& text) {
  return !dravon::repocopy::FitsOnOneLine(text.str()) || text.Find(kPathSeparator) >= 0 || text.IsEmpty();
}

}  // namespace

CKBRXExportTransaction::CKBRXExportTransaction(IKBRXTransactionOwner* pOwner) : m_pOwner(pOwner) {}

CKBRXExportTransaction::~CKBRXExportTransaction() = default;

void CKBRXExportTransaction::ResetTemporaryFolder() {
  std::lock_guard lock(Temporary().mu);
  Temporary().folder.reset();
}

void CKBRXExportTransaction::SetDetailText(const CString& strText) {
  if (m_pOwner != nullptr) m_pOwner->SetDetailText(strText);
}

int CKBRXExportTransaction::Export(LPCTSTR lpszFolder, LPCTSTR lpszText) {
  m_files.RemoveAll();
  const CString input = TemporaryFile("msword");
  const CString errors = TemporaryFile("msexcel");
  const CString list = TemporaryFile("msaccess");
  if (!RemoveStaleFiles({input, errors, list}) || !WriteTextFile(input, lpszText)) return kTranslatorFailed;
  const int result = RunExportTranslator(input, lpszFolder, errors, list);
  if (result != kSuccess) return result;
  DeleteFile(input);
  CStringArray findings;
  // The translator writes both files whenever it ends well: one that is
  // missing is a failure, never an export without findings.
  if (!ReadLines(errors, findings)) return kTranslatorFailed;
  DeleteFile(errors);
  if (findings.GetSize() > 0) {
    CString detail;
    for (INT_PTR i = 0; i < findings.GetSize(); ++i) detail += findings[i] + "\n";
    SetDetailText(detail);
    DeleteFile(list);
    return kTranslatorErrors;
  }
  if (!ReadLines(list, m_files)) return kTranslatorFailed;
  DeleteFile(list);
  return kSuccess;
}

int CKBRXExportTransaction::Import(LPCTSTR lpszSchemaFile, CString& strText) {
  const CString input = TemporaryFile("msword");
  const CString output = TemporaryFile("msexcel");
  // Without the installation the class path would point at folders of the
  // file system's root.
  CString home;
  if (const int located = LocateTranslator(home); located != kSuccess) return located;
  if (!RemoveStaleFiles({input, output})) return kImportFailed;
  CString produced;
  if (!IsTranslatorDone(RunImportTranslator(lpszSchemaFile, input, output)) || !ReadWholeFile(output, produced)) {
    return kImportFailed;
  }
  strText = CString(kImportHeader) + produced;
  RemoveFiles({input, output});
  return kSuccess;
}

int CKBRXExportTransaction::LocateTranslator(CString& strHome) {
  strHome = Environment("HALVANE");
  if (strHome.IsEmpty()) {
    SetDetailText(". Variable HALVANE not found.");
    return kNoInstallation;
  }
  CString xerces;
  CString halvane;
  xerces.Format("%s%clib%cxerces.jar", static_cast<LPCTSTR>(strHome), kPathSeparator, kPathSeparator);
  halvane.Format("%s%clib%cHalvane.jar", static_cast<LPCTSTR>(strHome), kPathSeparator, kPathSeparator);
  if (!IsFile(xerces) || !IsFile(halvane)) {
    SetDetailText(": " + xerces + " or " + halvane);
    return kLibraryMissing;
  }
  return kSuccess;
}

int CKBRXExportTransaction::RunExportTranslator(LPCTSTR lpszInputFile, LPCTSTR lpszOutputFolder, LPCTSTR lpszErrorFile,
                                                LPCTSTR lpszListFile) {
  CWaitCursor wait;
  CString arguments;
  arguments.Format("w %s %s %s %s > experr.txt 2>&1", static_cast<LPCTSTR>(Argument(lpszInputFile)),
                   static_cast<LPCTSTR>(Argument(lpszOutputFolder, true)),
                   static_cast<LPCTSTR>(Argument(lpszErrorFile)), static_cast<LPCTSTR>(Argument(lpszListFile)));
  CString home;
  if (const int located = LocateTranslator(home); located != kSuccess) return located;
  CString command;
  command.Format(kExportCommand, static_cast<LPCTSTR>(ClassPath(home)));
  return IsTranslatorDone(RunHidden(command + arguments)) ? kSuccess : kTranslatorFailed;
}

DWORD CKBRXExportTransaction::RunImportTranslator(LPCTSTR lpszSchemaFile, LPCTSTR lpszInputFile,
                                                  LPCTSTR lpszOutputFile) {
  CWaitCursor wait;
  CString arguments;
  arguments.Format("r %s %s %s %s > experr.txt 2>&1", static_cast<LPCTSTR>(Argument(lpszSchemaFile, true)), "unused",
                   static_cast<LPCTSTR>(Argument(lpszInputFile)), static_cast<LPCTSTR>(Argument(lpszOutputFile)));
  CString command;
  command.Format(kImportCommand, static_cast<LPCTSTR>(ClassPath(Environment("HALVANE"))));
  return RunHidden(command + arguments);
}

BOOL CKBRXExportTransaction::ReadLines(LPCTSTR lpszFile, CStringArray& lines) {
  CStringArray read;
  try {
    CStdioFile file(lpszFile, CFile::modeRead | CFile::typeText);
    for (CString line; file.ReadString(line);) {
      line.Trim();
      if (!line.IsEmpty()) read.Add(line);
    }
  } catch (CFileException* e) {
    e->Delete();
    return FALSE;
  }
  lines.Append(read);
  return TRUE;
}

BOOL CKBRXExportTransaction::WriteParamsFile(LPCTSTR lpszFolder, LPCTSTR lpszName, const AgentPropArray& properties) {
  const CString name = lpszName;
  if (properties.GetSize() != kBrokerPropertyCount || IsUnsafeName(name)) return FALSE;
  CString text = "[HEADER]\n";
  text += "MessageSet=" + name + "\n";
  text += "RootElement=" + name + "\n";
  text += "SchemaLoc=\"" + g_strBOSchemaNamespace + name + " " + name + ".xsd\"\n";
  for (const AgentProperty& property : properties) {
    CString line;
    line.Format("%s=%s\n", static_cast<LPCTSTR>(property.m_strName), static_cast<LPCTSTR>(property.GetValue()));
    // A line break in a value would start lines of its own in the file.
    if (line.Find('\r') >= 0 || line.Find('\n') != line.GetLength() - 1) return FALSE;
    text += line;
  }
  text += "\n[FILELIST]\n";
  text += name + ".xsd\n";
  text += "\n[NAMESPACEPREFIX]\n";
  text += g_strBOSchemaNamespace + name + " " + name;
  CString path;
  path.Format("%s%c%sParams.txt", lpszFolder, kPathSeparator, static_cast<LPCTSTR>(name));
  return WriteDeploymentFile(path, text);
}

BOOL CKBRXExportTransaction::WriteImportBatch(LPCTSTR lpszFolder, LPCTSTR lpszName) {
  const CString name = lpszName;
  if (IsUnsafeName(name)) return FALSE;
  CString text;
  text.Format("NVRTIMPXMLSCHEMA.EXE -c -f %sParams.txt -o %sMSetIdsToSpecNames.set\n", static_cast<LPCTSTR>(name),
              static_cast<LPCTSTR>(name));
  CString path;
  path.Format("%s%cImport%s.bat", lpszFolder, kPathSeparator, static_cast<LPCTSTR>(name));
  return WriteDeploymentFile(path, text);
}
