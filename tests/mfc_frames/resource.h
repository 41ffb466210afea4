// Resource ids of the frame and document tests.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_NOTETYPE 129
#define IDR_FORMTYPE 130
#define IDR_SKETCHTYPE 131

#define IDD_NOTE_FORM 200
#define IDD_RENAME 201

#define IDC_NOTE_TEXT 1001
#define IDC_NOTE_COUNT 1002
#define IDC_NEW_NAME 1003

#define ID_NOTE_STAMP 32771
#define ID_NOTE_TOUCH 32772
#define ID_NOTE_RENAME 32773
#define ID_ROUTE_PROBE 32774
#define ID_NOTE_UNHANDLED 32775
#define ID_FRAME_ONLY 32776
