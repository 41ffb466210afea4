#include "builtin_symbols.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace rc {

namespace {

std::string Lower(std::string_view name) {
  std::string out(name);
  std::replace(out.begin(), out.end(), '\\', '/');
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  size_t slash = out.find_last_of('/');
  return slash == std::string::npos ? out : out.substr(slash + 1);
}

constexpr std::array<std::string_view, 17> kHeaders{
    "windows.h",  "winres.h", "winresrc.h", "afxres.h", "winuser.h", "winbase.h", "wingdi.h", "winnt.h",  "winver.h",
    "commctrl.h", "dlgs.h",   "richedit.h", "afxwin.h", "prsht.h",   "ddeml.h",   "winnls.h", "verrsrc.h"};

constexpr std::array<std::string_view, 7> kScripts{"afxres.rc", "afxprint.rc", "afxolecl.rc", "afxolesv.rc",
                                                   "afxdb.rc",  "afxctl.rc",   "afxribbon.rc"};

}  // namespace

bool IsSystemHeader(std::string_view name) {
  return std::find(kHeaders.begin(), kHeaders.end(), Lower(name)) != kHeaders.end();
}

bool IsSystemScript(std::string_view name) {
  return std::find(kScripts.begin(), kScripts.end(), Lower(name)) != kScripts.end();
}

std::string_view BuiltinDefinitions() {
  return R"(
#define IDC_STATIC (-1)
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_GERMAN 0x07
#define LANG_FRENCH 0x0c
#define LANG_JAPANESE 0x11
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_SYS_DEFAULT 0x02
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_ENGLISH_UK 0x02
#define SUBLANG_GERMAN 0x01
#define SUBLANG_FRENCH 0x01
#define VS_VERSION_INFO 1
#define VS_FF_DEBUG 0x00000001L
#define VS_FF_PRERELEASE 0x00000002L
#define VS_FF_PATCHED 0x00000004L
#define VS_FF_PRIVATEBUILD 0x00000008L
#define VS_FF_INFOINFERRED 0x00000010L
#define VS_FF_SPECIALBUILD 0x00000020L
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS_UNKNOWN 0x00000000L
#define VOS_DOS 0x00010000L
#define VOS_NT 0x00040000L
#define VOS__WINDOWS32 0x00000004L
#define VOS_DOS_WINDOWS32 0x00010004L
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_UNKNOWN 0x00000000L
#define VFT_APP 0x00000001L
#define VFT_DLL 0x00000002L
#define VFT_DRV 0x00000003L
#define VFT_FONT 0x00000004L
#define VFT_VXD 0x00000005L
#define VFT_STATIC_LIB 0x00000007L
#define VFT2_UNKNOWN 0x00000000L
)";
}

}  // namespace rc
