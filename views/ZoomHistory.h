#pragma once
#include "views/GridRange.h"

#include <array>

namespace qb {

// The most earlier ranges the zoom history keeps.
inline constexpr int kZoomHistoryDepth = 10;

// A stack of earlier visible ranges, newest on top.
class CZoomHistory {
public:
    // Pushes a range; when the stack is full the newest entry is overwritten.
    void Push(const GridRange& range);
    // Takes the newest entry; false when the stack is empty.
    bool Pop(GridRange& range);
    void Clear() { m_nCount = 0; }
    int Count() const { return m_nCount; }
    bool IsFull() const { return m_nCount >= kZoomHistoryDepth; }

private:
    std::array<GridRange, kZoomHistoryDepth> m_entries{};
    int m_nCount = 0;
};

// Shared by every view engine of every document: the history outlives documents.
extern CZoomHistory g_ZoomHistory;

} // namespace qb
