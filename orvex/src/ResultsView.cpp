#include "ResultsView.h"

IMPLEMENT_DYNAMIC(CResultsView, HLResultsBar)
