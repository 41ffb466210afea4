// Resource ids of the toolkit tests' program resources.
#pragma once

#define IDR_STANDARD 128
#define IDR_PROGRAMS 173
#define ID_TOOL_NEW 32779
#define ID_TOOL_OPEN 32787
#define ID_TOOL_SAVE 32795
#define ID_TOOL_AGENT 32843
#define ID_TOOL_BROKER 32844
#define ID_VIEW_PROGRAMS 32859
