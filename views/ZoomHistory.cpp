#include "views/ZoomHistory.h"

namespace qb {

CZoomHistory g_ZoomHistory;

void CZoomHistory::Push(const GridRange& range)
{
    if (IsFull())
        m_entries[kZoomHistoryDepth - 1] = range;
    else
        m_entries[m_nCount++] = range;
}

bool CZoomHistory::Pop(GridRange& range)
{
    if (m_nCount == 0)
        return false;
    range = m_entries[--m_nCount];
    return true;
}

} // namespace qb
