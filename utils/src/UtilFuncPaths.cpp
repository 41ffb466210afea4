// Path and file-name helpers.
#include <string_view>

#include "UtilFunc.h"

namespace {

void Put(CString* out, std::string_view part) {
  if (out) *out = CString(part);
}

CString ParentFolder(const CString& path) {
  const int slash = path.ReverseFind('/');
  return slash >= 0 ? path.Left(slash) : CString();
}

}  // namespace

void CUtilFunc::splitpath(LPCTSTR path, CString* drive, CString* folder, CString* name, CString* ext) {
  std::string_view rest = path ? path : "";
  std::string_view drivepart;
  if (rest.size() >= 2 && rest[1] == ':' &&
      ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
    drivepart = rest.substr(0, 2);
    rest.remove_prefix(2);
  }
  size_t lastSeparator = rest.find_last_of("/\\");
  size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
  std::string_view file = rest.substr(nameStart);
  size_t dot = file.rfind('.');
  // A leading dot names a hidden file, not an extension.
  if (dot == 0) dot = std::string_view::npos;
  Put(drive, drivepart);
  Put(folder, rest.substr(0, nameStart));
  Put(name, file.substr(0, dot));
  Put(ext, dot == std::string_view::npos ? std::string_view() : file.substr(dot));
}

void CUtilFunc::FixHelpFileName(CString& path) {
  static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  std::string fixed = path.str();
  for (char& c : fixed) {
    if (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos) c = '_';
  }
  path = CString(fixed);
}

CString CUtilFunc::GetProgramFolder() {
  char path[MAX_PATH * 4] = {};
  ::GetModuleFileName(nullptr, path, sizeof(path));
  CString drive, folder;
  splitpath(path, &drive, &folder, nullptr, nullptr);
  return drive + folder;
}

CString CUtilFunc::GetInstallFolder() { return ParentFolder(ParentFolder(GetProgramFolder())); }
