// The globe data file: read as the start-up reads it, put in drawing order,
// written back and read again, and drawn.
#include "tests/fuzz/ReaderReplay.h"

#include "webmap/GlobeData.h"

#include <cstring>

namespace qb::fuzz {
namespace {

bool SameRecord(const GllRecord& a, const GllRecord& b)
{
    if (a.tag != b.tag || a.type != b.type || a.subLevel != b.subLevel || a.name != b.name ||
        a.points.size() != b.points.size())
        return false;
    for (std::size_t i = 0; i < a.points.size(); ++i)
        if (std::memcmp(&a.points[i], &b.points[i], sizeof(GlobePoint)) != 0)
            return false;
    return true;
}

std::string RecordsFault(const std::vector<GllRecord>& records, std::size_t fileBytes)
{
    std::size_t bytes = kGllHeaderBytes;
    for (const GllRecord& r : records) {
        bytes += kGllRecordHeaderBytes + 8 * r.points.size();
        if (r.tag.size() > 3 || r.name.size() >= kGllNameBytes || r.name.find('\0') != std::string::npos)
            return "a tag or name longer than its field was kept";
    }
    if (bytes > fileBytes)
        return "more records or points were read than the file holds";
    const GlobeDataResult again = ParseGlobeData(GlobeDataBytes(records));
    if (!again.records || again.records->size() != records.size())
        return "the records written back do not read back";
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!SameRecord(records[i], (*again.records)[i]))
            return "a record written back reads back otherwise";
    return {};
}

} // namespace

ReplayResult ReplayGlobe(std::string_view bytes)
{
    GlobeDataResult read = ParseGlobeData(bytes);
    ReplayResult result;
    if (!read.records)
        return result;
    result.accepted = true;
    result.fault = RecordsFault(*read.records, bytes.size());
    const std::vector<GllRecord> ordered = OrderForDrawing(std::move(*read.records), GlobeOptions{});
    if (result.fault.empty() && ordered.size() > read.records->size())
        result.fault = "the drawing order holds more records than were read";
    return result;
}

} // namespace qb::fuzz
