// CHLGridCommon: the shared settings, made at construction so a derived
// grid's set-up can still change any of them.
#include "HLGridCommon.h"

IMPLEMENT_DYNCREATE(CHLGridCommon, HLGrid)

CHLGridCommon::CHLGridCommon() {
  CGXGridParam* param = GetParam();
  param->EnableUndo(FALSE);
  param->EnableMoveRows(FALSE);
  param->SetSortColsOnDblClk(FALSE);
  param->SetNumberedColHeaders(FALSE);
}

CHLGridCommon::~CHLGridCommon() = default;
