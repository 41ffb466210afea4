#include "FileKinds.h"

#include <UtilFunc.h>

CString FileExtension(const CString& path) {
  CString ext;
  CUtilFunc::splitpath(path, nullptr, nullptr, nullptr, &ext);
  ext.TrimLeft('.');
  return ext;
}

bool IsConfigExtension(const CString& ext) { return ext.CompareNoCase("cfg") == 0; }

bool IsRepositoryExtension(const CString& ext) { return ext.CompareNoCase("in") == 0 || ext.CompareNoCase("out") == 0; }

CString WithConfigExtension(const CString& path) {
  const CString ext = FileExtension(path);
  return (ext.IsEmpty() ? path : path.Left(path.GetLength() - ext.GetLength() - 1)) + ".cfg";
}
