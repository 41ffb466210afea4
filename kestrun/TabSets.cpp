// The tabs of a connector window in each mode, in tab order.
#include <iterator>

#include "AssocMapsView.h"
#include "ChildFrame.h"
#include "DataHandlerView.h"
#include "LogTraceView.h"
#include "ResPropView.h"
#include "StdPropsView.h"
#include "SuppBOView.h"
#include "SuppBOViewNVRT.h"
#include "UserPropsView.h"

const CTabSpec g_qvsTabs[] = {
    {"Standard Properties", RUNTIME_CLASS(CStdPropsView)},
    {"Application Config Properties", RUNTIME_CLASS(CUserPropsView)},
    {"Supported Business Objects", RUNTIME_CLASS(CSuppBOView)},
    {"Associated Maps", RUNTIME_CLASS(CAssocMapsView)},
    {"Resources", RUNTIME_CLASS(CResPropView)},
    {"Trace/Log Files", RUNTIME_CLASS(CLogTraceView)},
};
const int g_nQvsTabs = static_cast<int>(std::size(g_qvsTabs));

const CTabSpec g_kbrxTabs[] = {
    {"Standard Properties", RUNTIME_CLASS(CStdPropsView)},
    {"Application Config Properties", RUNTIME_CLASS(CUserPropsView)},
    {"Supported Business Objects", RUNTIME_CLASS(CSuppBOViewNVRT)},
    {"Trace/Log Files", RUNTIME_CLASS(CLogTraceView)},
    {"Data Handler", RUNTIME_CLASS(CDataHandlerView)},
};
const int g_nKbrxTabs = static_cast<int>(std::size(g_kbrxTabs));
