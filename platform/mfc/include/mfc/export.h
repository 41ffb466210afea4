// What an extension library exports. Libraries build with hidden
// visibility; a class or function marked here is part of the library's
// interface, for its hosts to bind.
#pragma once

#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))
