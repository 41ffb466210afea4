// Printing: the printer's device mode, printer DCs and print jobs. The one
// printer, "PDF Printer" on port "FILE:", writes each document as a PDF.
#pragma once

#include "win32/wingdi.h"

#define CCHDEVICENAME 32
#define CCHFORMNAME 32
#define DM_SPECVERSION 0x0401

// DEVMODE fields.
#define DM_ORIENTATION 0x00000001L
#define DM_PAPERSIZE 0x00000002L
#define DM_PAPERLENGTH 0x00000004L
#define DM_PAPERWIDTH 0x00000008L
#define DM_SCALE 0x00000010L
#define DM_COPIES 0x00000100L
#define DM_DEFAULTSOURCE 0x00000200L
#define DM_PRINTQUALITY 0x00000400L
#define DM_COLOR 0x00000800L
#define DM_DUPLEX 0x00001000L
#define DM_YRESOLUTION 0x00002000L
#define DM_TTOPTION 0x00004000L
#define DM_COLLATE 0x00008000L
#define DM_FORMNAME 0x00010000L

#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2
#define DMPAPER_LETTER 1
#define DMPAPER_LEGAL 5
#define DMPAPER_A4 9
#define DMCOLOR_MONOCHROME 1
#define DMCOLOR_COLOR 2
#define DMDUP_SIMPLEX 1
#define DMCOLLATE_FALSE 0
#define DMCOLLATE_TRUE 1
#define DMRES_HIGH (-4)

typedef struct _devicemode {
  BYTE dmDeviceName[CCHDEVICENAME];
  WORD dmSpecVersion;
  WORD dmDriverVersion;
  WORD dmSize;
  WORD dmDriverExtra;
  DWORD dmFields;
  short dmOrientation;
  short dmPaperSize;
  short dmPaperLength;  // tenths of a millimetre
  short dmPaperWidth;
  short dmScale;
  short dmCopies;
  short dmDefaultSource;
  short dmPrintQuality;
  short dmColor;
  short dmDuplex;
  short dmYResolution;
  short dmTTOption;
  short dmCollate;
  BYTE dmFormName[CCHFORMNAME];
  WORD dmLogPixels;
  DWORD dmBitsPerPel;
  DWORD dmPelsWidth;
  DWORD dmPelsHeight;
  DWORD dmDisplayFlags;
  DWORD dmDisplayFrequency;
  DWORD dmICMMethod;
  DWORD dmICMIntent;
  DWORD dmMediaType;
  DWORD dmDitherType;
  DWORD dmReserved1;
  DWORD dmReserved2;
  DWORD dmPanningWidth;
  DWORD dmPanningHeight;
} DEVMODE, *PDEVMODE, *LPDEVMODE;

typedef BOOL(CALLBACK* ABORTPROC)(HDC, int);

typedef struct _DOCINFO {
  int cbSize;
  LPCSTR lpszDocName;
  LPCSTR lpszOutput;  // a file name; null or "FILE:" for the default place
  LPCSTR lpszDatatype;
  DWORD fwType;
} DOCINFO, *LPDOCINFO;

// Print job results.
#define SP_NOTREPORTED 0x4000
#define SP_ERROR (-1)
#define SP_APPABORT (-2)
#define SP_USERABORT (-3)
#define SP_OUTOFDISK (-4)
#define SP_OUTOFMEMORY (-5)

// Escape codes the printer answers.
#define NEWFRAME 1
#define ABORTDOC 2
#define QUERYESCSUPPORT 8
#define SETABORTPROC 9
#define STARTDOC 10
#define ENDDOC 11
#define GETPHYSPAGESIZE 12
#define GETPRINTINGOFFSET 13

// Print jobs on a printer DC (CreateDC or PrintDlg's PD_RETURNDC). The
// document goes to DOCINFO.lpszOutput; without one to
// $HALVANE_PRINT_DIR/<document name>.pdf, else the user's documents folder
// ($XDG_DOCUMENTS_DIR, else ~/Documents, else ~). It is written beside its
// place and renamed there by EndDoc, so an aborted job leaves nothing.
int WINAPI StartDoc(HDC hdc, const DOCINFO* lpdi);
int WINAPI EndDoc(HDC hdc);
int WINAPI AbortDoc(HDC hdc);
int WINAPI StartPage(HDC hdc);
int WINAPI EndPage(HDC hdc);
int WINAPI SetAbortProc(HDC hdc, ABORTPROC proc);
int WINAPI Escape(HDC hdc, int iEscape, int cjIn, LPCSTR pvIn, LPVOID pvOut);
int WINAPI ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int cjOutput, LPSTR lpOutData);

// The default printer's name ("PDF Printer").
BOOL WINAPI GetDefaultPrinter(LPSTR pszBuffer, LPDWORD pcchBuffer);

#define DOCINFOA DOCINFO
#define DEVMODEA DEVMODE
#define LPDEVMODEA LPDEVMODE
#define StartDocA StartDoc
#define GetDefaultPrinterA GetDefaultPrinter
