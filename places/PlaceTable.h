#pragma once
#include "places/PlaceRecord.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qb {

// A growable block of place records with a count and a capacity: a full
// block grows to count + 100 records. A table made with view bytes keeps a
// parallel block of that many bytes per record for the views, moved along
// when records are appended or removed.
class CPlaceTable {
public:
    static constexpr int kGrowth = 100;
    static constexpr std::size_t kDisplayViewBytes = 16;

    explicit CPlaceTable(std::size_t viewBytesPerRecord = 0) : m_nViewBytes(viewBytesPerRecord) {}

    int Count() const { return static_cast<int>(m_records.size()); }
    int Capacity() const { return static_cast<int>(m_records.capacity()); }
    bool Empty() const { return m_records.empty(); }

    PlaceRecord& operator[](int i) { return m_records[static_cast<std::size_t>(i)]; }
    const PlaceRecord& operator[](int i) const { return m_records[static_cast<std::size_t>(i)]; }
    std::span<PlaceRecord> Records() { return m_records; }
    std::span<const PlaceRecord> Records() const { return m_records; }

    void Append(const PlaceRecord& record);
    // Replaces record i, clearing its view bytes.
    void Replace(int i, const PlaceRecord& record);
    // Removes record i; the later records move up.
    void RemoveAt(int i);
    // Keeps the first `count` records.
    void Truncate(int count);
    void Clear();
    // Makes room for at least `capacity` records.
    void Reserve(int capacity);

    // The view bytes of record i; null when the table keeps none.
    std::uint8_t* ViewBytes(int i);
    std::size_t ViewBytesPerRecord() const { return m_nViewBytes; }

private:
    std::size_t m_nViewBytes;
    std::vector<PlaceRecord> m_records;
    std::vector<std::uint8_t> m_viewBytes;
};

} // namespace qb
