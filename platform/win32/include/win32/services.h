// System services of the window system: global memory, the clipboard,
// processes and the command line, files and folders, the environment.
#pragma once

#include "win32/winbase.h"
#include "win32/winuser.h"

#ifdef __cplusplus
#include <functional>
#include <optional>
#include <string>
#include <vector>
#endif

#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_NO_MORE_FILES 18L
#define ERROR_BUFFER_OVERFLOW 111L
#define ERROR_NOT_SAME_DEVICE 17L
#define ERROR_FILE_EXISTS 80L
#define ERROR_DIR_NOT_EMPTY 145L
#define ERROR_NOT_LOCKED 158L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_BAD_EXE_FORMAT 193L
#define ERROR_ENVVAR_NOT_FOUND 203L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L
#define ERROR_DIRECTORY 267L

// ---------------------------------------------------------------------------
// Global and local memory (one store).
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_NOCOMPACT 0x0010
#define GMEM_NODISCARD 0x0020
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_DISCARDABLE 0x0100
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE 0x2000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)
#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
LPVOID WINAPI GlobalLock(HGLOBAL hMem);
BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
SIZE_T WINAPI GlobalSize(HGLOBAL hMem);
HGLOBAL WINAPI GlobalHandle(LPCVOID pMem);
UINT WINAPI GlobalFlags(HGLOBAL hMem);
HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
HLOCAL WINAPI LocalReAlloc(HLOCAL hMem, SIZE_T uBytes, UINT uFlags);
LPVOID WINAPI LocalLock(HLOCAL hMem);
BOOL WINAPI LocalUnlock(HLOCAL hMem);
HLOCAL WINAPI LocalFree(HLOCAL hMem);
SIZE_T WINAPI LocalSize(HLOCAL hMem);

// ---------------------------------------------------------------------------
// Clipboard.
#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_METAFILEPICT 3
#define CF_SYLK 4
#define CF_DIF 5
#define CF_TIFF 6
#define CF_OEMTEXT 7
#define CF_DIB 8
#define CF_PALETTE 9
#define CF_RIFF 11
#define CF_WAVE 12
#define CF_UNICODETEXT 13
#define CF_ENHMETAFILE 14
#define CF_HDROP 15
#define CF_LOCALE 16
#define CF_DIBV5 17
#define CF_PRIVATEFIRST 0x0200
#define CF_PRIVATELAST 0x02FF

BOOL WINAPI OpenClipboard(HWND hWndNewOwner);
BOOL WINAPI CloseClipboard(void);
BOOL WINAPI EmptyClipboard(void);
HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem);
HANDLE WINAPI GetClipboardData(UINT uFormat);
BOOL WINAPI IsClipboardFormatAvailable(UINT format);
int WINAPI CountClipboardFormats(void);
UINT WINAPI EnumClipboardFormats(UINT format);
HWND WINAPI GetClipboardOwner(void);
HWND WINAPI GetOpenClipboardWindow(void);
UINT WINAPI RegisterClipboardFormat(LPCSTR lpszFormat);
int WINAPI GetClipboardFormatName(UINT format, LPSTR lpszFormatName, int cchMaxCount);

// ---------------------------------------------------------------------------
// Processes.
#define STARTF_USESHOWWINDOW 0x00000001
#define STARTF_USESIZE 0x00000002
#define STARTF_USEPOSITION 0x00000004
#define STARTF_USESTDHANDLES 0x00000100
#define CREATE_NEW_CONSOLE 0x00000010
#define CREATE_NO_WINDOW 0x08000000
#define DETACHED_PROCESS 0x00000008
#define NORMAL_PRIORITY_CLASS 0x00000020

typedef struct _STARTUPINFO {
  DWORD cb;
  LPSTR lpReserved;
  LPSTR lpDesktop;
  LPSTR lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  LPBYTE lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
} STARTUPINFO, *LPSTARTUPINFO;

typedef struct _PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
} PROCESS_INFORMATION, *PPROCESS_INFORMATION, *LPPROCESS_INFORMATION;

UINT WINAPI WinExec(LPCSTR lpCmdLine, UINT uCmdShow);
BOOL WINAPI CreateProcess(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                          LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                          LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFO lpStartupInfo,
                          LPPROCESS_INFORMATION lpProcessInformation);
BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode);
BOOL WINAPI TerminateProcess(HANDLE hProcess, UINT uExitCode);
DWORD WINAPI GetProcessId(HANDLE Process);
LPSTR WINAPI GetCommandLine(void);

// ---------------------------------------------------------------------------
// Files and folders. Paths take "/" and "\" alike.
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
#define MOVEFILE_WRITE_THROUGH 0x00000008

typedef struct _WIN32_FIND_DATA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
} WIN32_FIND_DATA, *PWIN32_FIND_DATA, *LPWIN32_FIND_DATA;

BOOL WINAPI CreateDirectory(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
BOOL WINAPI RemoveDirectory(LPCSTR lpPathName);
DWORD WINAPI GetFileAttributes(LPCSTR lpFileName);
BOOL WINAPI SetFileAttributes(LPCSTR lpFileName, DWORD dwFileAttributes);
BOOL WINAPI DeleteFile(LPCSTR lpFileName);
BOOL WINAPI CopyFile(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);
BOOL WINAPI MoveFile(LPCSTR lpExistingFileName, LPCSTR lpNewFileName);
BOOL WINAPI MoveFileEx(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);
DWORD WINAPI GetTempPath(DWORD nBufferLength, LPSTR lpBuffer);
UINT WINAPI GetTempFileName(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName);
DWORD WINAPI GetCurrentDirectory(DWORD nBufferLength, LPSTR lpBuffer);
BOOL WINAPI SetCurrentDirectory(LPCSTR lpPathName);
DWORD WINAPI GetFullPathName(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart);
DWORD WINAPI GetLongPathName(LPCSTR lpszShortPath, LPSTR lpszLongPath, DWORD cchBuffer);
DWORD WINAPI GetShortPathName(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer);
HANDLE WINAPI FindFirstFile(LPCSTR lpFileName, LPWIN32_FIND_DATA lpFindFileData);
BOOL WINAPI FindNextFile(HANDLE hFindFile, LPWIN32_FIND_DATA lpFindFileData);
BOOL WINAPI FindClose(HANDLE hFindFile);

// ---------------------------------------------------------------------------
// Environment.
DWORD WINAPI GetEnvironmentVariable(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize);
BOOL WINAPI SetEnvironmentVariable(LPCSTR lpName, LPCSTR lpValue);
DWORD WINAPI ExpandEnvironmentStrings(LPCSTR lpSrc, LPSTR lpDst, DWORD nSize);

// The ANSI names.
#define RegisterClipboardFormatA RegisterClipboardFormat
#define GetClipboardFormatNameA GetClipboardFormatName
#define STARTUPINFOA STARTUPINFO
#define LPSTARTUPINFOA LPSTARTUPINFO
#define CreateProcessA CreateProcess
#define GetCommandLineA GetCommandLine
#define WIN32_FIND_DATAA WIN32_FIND_DATA
#define LPWIN32_FIND_DATAA LPWIN32_FIND_DATA
#define CreateDirectoryA CreateDirectory
#define RemoveDirectoryA RemoveDirectory
#define GetFileAttributesA GetFileAttributes
#define SetFileAttributesA SetFileAttributes
#define DeleteFileA DeleteFile
#define CopyFileA CopyFile
#define MoveFileA MoveFile
#define MoveFileExA MoveFileEx
#define GetTempPathA GetTempPath
#define GetTempFileNameA GetTempFileName
#define GetCurrentDirectoryA GetCurrentDirectory
#define SetCurrentDirectoryA SetCurrentDirectory
#define GetFullPathNameA GetFullPathName
#define GetLongPathNameA GetLongPathName
#define GetShortPathNameA GetShortPathName
#define FindFirstFileA FindFirstFile
#define FindNextFileA FindNextFile
#define GetEnvironmentVariableA GetEnvironmentVariable
#define SetEnvironmentVariableA SetEnvironmentVariable
#define ExpandEnvironmentStringsA ExpandEnvironmentStrings

#ifdef __cplusplus
namespace win32 {

// The command line split into arguments by the classic C runtime's rules
// (the first argument, the program, by the simpler rule Windows uses for
// it), and arguments joined back so that the split gives them again.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
std::string QuoteArgument(const std::string& argument);
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// The process's arguments as the C runtime's __argc/__argv give them.
int GetArgc();
char** GetArgv();

// Where a program named "Name.exe", "Name.bat" or "Name" on a command line
// is found: `name` beside the running program, else on PATH; a name with
// a folder is used as given. Empty when there is none.
std::string FindProgram(const std::string& name);

// When set, WinExec and CreateProcess record their launches instead of
// running them: the hook answers the exit code the process reports, or
// nothing for a program that does not exist. `program` is as the caller
// named it; `argv` is the split command line. An empty function removes it.
using ProcessLauncherHook =
    std::function<std::optional<DWORD>(const std::string& program, const std::vector<std::string>& argv)>;
void SetProcessLauncherHook(ProcessLauncherHook hook);

// When set, ShellExecute answers the hook's result instead of opening the
// file. An empty function removes it.
using ShellExecuteHook = std::function<INT_PTR(const std::string& verb, const std::string& file)>;
void SetShellExecuteHook(ShellExecuteHook hook);

// The wait cursor (the class library's BeginWaitCursor/EndWaitCursor):
// the first Begin shows IDC_WAIT, the last End restores the cursor shown
// before it. Answers the nesting depth after the call.
int BeginWaitCursor();
int EndWaitCursor();
// Shows the wait cursor again while waiting (after a message box changed it).
void RestoreWaitCursor();

}  // namespace win32
#endif

// The C runtime's view of the process's arguments, as programs read it.
// Variables, not macros: the system headers use these names for parameters.
extern int __argc;
extern char** __argv;
