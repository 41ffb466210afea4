#include "ResourceRules.h"

#include "Connector.h"
#include "resource.h"

namespace resource_rules {

namespace {

struct RowField {
  int pool;  // -1: the degree
  bool maximum;
};

RowField FieldOfRow(int row) {
  switch (row) {
    case ROW_CALL_MIN:
      return {POOL_CALL_TRIGGERED, false};
    case ROW_CALL_MAX:
      return {POOL_CALL_TRIGGERED, true};
    case ROW_EVENT_MIN:
      return {POOL_EVENT_TRIGGERED, false};
    case ROW_EVENT_MAX:
      return {POOL_EVENT_TRIGGERED, true};
    default:
      return {-1, false};
  }
}

// The record's number of the field, for a const or a changeable connector.
template <class Connector>
auto& FieldRef(Connector& connector, const RowField& field) {
  if (field.pool < 0) return connector.m_nParallelDegree;
  auto& pool = connector.m_pools[field.pool];
  return field.maximum ? pool.m_nMaxAlloc : pool.m_nMinAlloc;
}

int OtherPool(int pool) { return pool == POOL_CALL_TRIGGERED ? POOL_EVENT_TRIGGERED : POOL_CALL_TRIGGERED; }

void SetDegree(CConnector& connector, int degree) {
  if (degree == 0) degree = 1;
  connector.m_nParallelDegree = degree;
  CResourcePool& call = connector.m_pools[POOL_CALL_TRIGGERED];
  CResourcePool& event = connector.m_pools[POOL_EVENT_TRIGGERED];
  if (degree > 1) {
    call.m_nMaxAlloc = static_cast<int>(degree * 0.7);
    event.m_nMaxAlloc = degree - call.m_nMaxAlloc;
    call.m_nMinAlloc = 1;
    event.m_nMinAlloc = 1;
  } else {
    call.m_nMaxAlloc = event.m_nMaxAlloc = call.m_nMinAlloc = event.m_nMinAlloc = 0;
  }
}

void SetMaximum(CConnector& connector, int pool, int number) {
  CResourcePool& own = connector.m_pools[pool];
  CResourcePool& other = connector.m_pools[OtherPool(pool)];
  own.m_nMaxAlloc = number;
  if (number == 0) {
    other.m_nMaxAlloc = 0;
    connector.m_nParallelDegree = 1;
    return;
  }
  if (other.m_nMaxAlloc == 0) other.m_nMaxAlloc = 1;
  connector.m_nParallelDegree = own.m_nMaxAlloc + other.m_nMaxAlloc;
}

}  // namespace

bool IsNumberRow(int row) { return row == ROW_DEGREE || FieldOfRow(row).pool >= 0; }

int ValueOfRow(const CConnector& connector, int row) { return FieldRef(connector, FieldOfRow(row)); }

void StoreValueOfRow(CConnector& connector, int row, int value) {
  if (IsNumberRow(row)) FieldRef(connector, FieldOfRow(row)) = value;
}

void ApplyTypedValue(CConnector& connector, int row, int number) {
  if (row == ROW_DEGREE) {
    SetDegree(connector, number);
    return;
  }
  const RowField field = FieldOfRow(row);
  if (field.pool < 0) return;
  if (field.maximum)
    SetMaximum(connector, field.pool, number);
  else
    connector.m_pools[field.pool].m_nMinAlloc = number;
}

void ApplyTypedPercentage(CConnector& connector, int row, int percentage) {
  const RowField field = FieldOfRow(row);
  const int degree = connector.m_nParallelDegree;
  if (field.pool < 0 || degree < 1) return;
  if (percentage > 100) percentage = 100;
  const int share = static_cast<int>(static_cast<long long>(degree) * percentage / 100);
  CResourcePool& own = connector.m_pools[field.pool];
  if (!field.maximum) {
    own.m_nMinAlloc = share;
    return;
  }
  own.m_nMaxAlloc = share;
  connector.m_pools[OtherPool(field.pool)].m_nMaxAlloc = degree - share;
}

CString PercentageText(int value, int degree) {
  CString text;
  if (degree >= 1) text.Format("%lld", static_cast<long long>(value * 100.0 / degree));
  return text;
}

UINT FirstBrokenRule(const CConnector& connector) {
  const int degree = connector.m_nParallelDegree;
  const CResourcePool& call = connector.m_pools[POOL_CALL_TRIGGERED];
  const CResourcePool& event = connector.m_pools[POOL_EVENT_TRIGGERED];
  if (degree == 1) {
    const bool allZero =
        call.m_nMinAlloc == 0 && call.m_nMaxAlloc == 0 && event.m_nMinAlloc == 0 && event.m_nMaxAlloc == 0;
    return allZero ? 0 : IDS_RES_DEGREE_ONE;
  }
  if (degree < 1) return 0;
  if (degree > MAX_DEGREE) return IDS_RES_DEGREE_TOO_HIGH;
  if (call.m_nMaxAlloc == 0 || event.m_nMaxAlloc == 0) return IDS_RES_MAX_ZERO;
  if (static_cast<long long>(call.m_nMaxAlloc) + event.m_nMaxAlloc != degree) return IDS_RES_TOTAL;
  if (call.m_nMinAlloc > call.m_nMaxAlloc || event.m_nMinAlloc > event.m_nMaxAlloc) return IDS_RES_MIN_ABOVE_MAX;
  return 0;
}

}  // namespace resource_rules
