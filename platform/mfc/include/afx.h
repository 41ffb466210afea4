// The class library's core: strings, objects and run-time classes,
// exceptions, files, archives and times.
#pragma once

#include "mfc/export.h"
#include "afxcrt.h"
#include "afxstr.h"
#include "mfc/archive.h"
#include "mfc/datetime.h"
#include "mfc/diag.h"
#include "mfc/exception.h"
#include "mfc/file.h"
#include "mfc/filefind.h"
#include "mfc/memfile.h"
#include "mfc/object.h"
#include "mfc/stdiofile.h"
#include "mfc/collection_helpers.h"
