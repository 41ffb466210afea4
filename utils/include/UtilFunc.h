// The shared validators and helpers: name rules (docs/NAME-RULES.md), text
// and path helpers, and the palette-aware bitmap loading of the splash.
#pragma once

#include <afx.h>

#include "QRObj.h"

class AFX_EXT_CLASS CUtilFunc {
 public:
  // Non-zero when `name` is acceptable for an object of `type`. Otherwise
  // `msgOut` (when given) receives the fault; with no `msgOut` and a
  // non-zero `flag` a message box shows it.
  static BOOL ValidateName(_E_HvObjType type, LPCTSTR name, BOOL flag, CString* msgOut);
  // The same for the plain type numbers callers pass (17, 20).
  static BOOL ValidateName(int type, LPCTSTR name, BOOL flag, CString* msgOut) {
    return ValidateName(static_cast<_E_HvObjType>(type), name, flag, msgOut);
  }
  static BOOL ValidateBOAttribute(LPCTSTR name, BOOL flag = FALSE, CString* msgOut = nullptr);
  static BOOL ValidateConnectorPropertyName(LPCTSTR name, BOOL flag = FALSE, CString* msgOut = nullptr);

  // Non-zero when `name` is NOT a valid XML element name (callers read a
  // non-zero answer as "not valid").
  static BOOL IsValidXmlName(LPCTSTR name);

  // Letters, digits and underscores; the empty text is not alphanumeric.
  static BOOL IsAlphanumeric(LPCTSTR text);
  // Letters and digits only; the empty text is not a name.
  static BOOL is_name_alphanumeric(LPCTSTR text);
  // Decimal digits only; the empty text has no digits and is refused.
  static BOOL is_all_digits(LPCTSTR text);

  // The code of a transaction level name: "None" 2, "Minimal Effort" 3,
  // "Best Effort" 4, "Stringent" 5 (ignoring case and outer blanks);
  // anything else is the default level, 2.
  static int isolation_str2int(LPCTSTR levelName);

  // Splits `path` at "/" and "\": drive ("X:" when the path starts with
  // one), folder with its trailing separator, name, extension with its dot.
  // Any output may be null.
  static void splitpath(LPCTSTR path, CString* drive, CString* folder, CString* name, CString* ext);
  // The running program's folder, with its trailing separator.
  static CString GetProgramFolder();
  // The installation: the parent of the program's folder, without a
  // trailing separator.
  static CString GetInstallFolder();

  // Replaces the characters a file name cannot hold (\ / : * ? " < > | and
  // control characters) with "_".
  static void FixHelpFileName(CString& path);

  // The packed device-independent bitmap of a bitmap resource of `module`,
  // or null. The memory stays with the module.
  static const BITMAPINFO* GetBitmapInfoFromResource(HINSTANCE module, LPCTSTR name);
  // A DIB section made from the bitmap resource `name` of the window's
  // module (the program's when the window is null or has none), or null.
  static HBITMAP GetDIBBitmapFromResource(HWND wnd, LPCTSTR name);
  // A palette of the bitmap's colour table, or null when it has none;
  // `colorCount` receives the number of colours (0 without a palette).
  static HPALETTE CreateDIBPalette(const BITMAPINFO* bmi, int* colorCount);
  // Loads bitmap `name` of `module` as a DIB section and, when `palette`
  // is given, the palette of its colours (null for true-colour bitmaps).
  static HBITMAP LoadBitmapWithPalette(HINSTANCE module, LPCTSTR name, HPALETTE* palette);
};

class AFX_EXT_CLASS CStdUtils {
 public:
  // Non-zero when `text` matches `pattern`: "*" any run of characters, "?"
  // one character, "\" takes the next character literally, ";" separates
  // alternatives; letters compare ignoring ASCII case; an empty pattern
  // matches everything.
  static BOOL CheckPattern(LPCTSTR text, LPCTSTR pattern);
};
