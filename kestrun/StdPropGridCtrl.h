// The grid of the "Standard Properties" tab: one row per active standard
// property of the connector model, its value edited in place (a list of
// the allowed values, a masked cell for cipher text, else plain text). A
// change of "DeliveryTransport" to or from "KBRX-JMS" switches the window's
// mode. Rows are rebuilt from the model whenever the set of active
// properties may have changed.
#pragma once

#include "ConnectorGrid.h"

class HvProperty;

class CStdPropGridCtrl : public CConnectorGrid {
  DECLARE_DYNAMIC(CStdPropGridCtrl)

 public:
  // The descriptive text of a property, attached to its name cell.
  static constexpr WORD kDescriptionAttribute = 51022;

  CStdPropGridCtrl();
  ~CStdPropGridCtrl() override;

  // Rebuilds the rows from the model, sorted as the grid was sorted last.
  void FillFromConnector() override;
  // The property of a row (by its name); null when the model lacks it.
  HvProperty* GetRowProperty(ROWCOL nRow);
  // The row of a property name; 0 when none.
  ROWCOL FindPropertyRow(const CString& name);
  BOOL IsBrokerMode() const { return m_bBroker; }

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

 private:
  void SetRow(ROWCOL nRow, HvProperty& property);
  void SortBy(ROWCOL nCol, BOOL bDescending);
  // Rebuilds the rows and puts the current cell back on the property's value.
  void RebuildKeepingCell(const CString& name);
  // Whether another window shows this connector in the mode the transport
  // would select (the user is told so).
  BOOL OtherWindowShows(BOOL bBroker);
  // Moves the window to the mode; FALSE when it is in that mode already.
  BOOL SwitchMode(BOOL bBroker);
  // After the set-up: the server's connector asks for newer standard
  // properties; the user may save the upgraded connector at once.
  void CheckForUpgrade();

  BOOL m_bBroker = FALSE;
};
