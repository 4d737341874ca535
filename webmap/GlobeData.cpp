#include "webmap/GlobeData.h"

#include "platform/Cp932.h"
#include "platform/FileRead.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace qb {
namespace {

// Far more than any globe the program delivers; a larger file is refused unread.
constexpr std::int64_t kMaxGlobeFileBytes = 512LL * 1024 * 1024;
constexpr std::size_t kRecordCountOffset = 8;

std::int32_t Int32At(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<std::int32_t>(value);
}

float FloatAt(std::string_view bytes, std::size_t at)
{
    const std::uint32_t raw = static_cast<std::uint32_t>(Int32At(bytes, at));
    float value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// The text before the terminator; a field without one is cut inside it on a
// character boundary, leaving room for the terminator.
std::string FieldText(std::string_view field)
{
    const std::size_t end = field.find('\0');
    if (end != std::string_view::npos)
        return std::string(field.substr(0, end));
    return std::string(TruncateCp932(field, field.size() - 1));
}

bool IsFinite(const GlobePoint& p) { return std::isfinite(p.lon) && std::isfinite(p.lat); }

// Reads the record at `at`, advancing it; the reason when it does not fit.
std::string ReadRecord(std::string_view bytes, std::size_t& at, GllRecord& record)
{
    if (bytes.size() - at < kGllRecordHeaderBytes)
        return "a record header runs past the end of the file";
    const std::int32_t dataBytes = Int32At(bytes, at + 16);
    if (dataBytes < 0 || dataBytes % 8 != 0)
        return "a record's data size is not a whole number of points";
    if (static_cast<std::size_t>(dataBytes) > bytes.size() - at - kGllRecordHeaderBytes)
        return "a record's points run past the end of the file";
    record.tag = FieldText(bytes.substr(at, 4));
    record.type = Int32At(bytes, at + 4);
    record.subLevel = Int32At(bytes, at + 8);
    record.kept = Int32At(bytes, at + 12);
    record.anchor = {FloatAt(bytes, at + 20), FloatAt(bytes, at + 24)};
    record.name = FieldText(bytes.substr(at + 28, kGllNameBytes));
    at += kGllRecordHeaderBytes;
    record.points.resize(static_cast<std::size_t>(dataBytes) / 8);
    for (GlobePoint& point : record.points) {
        point = {FloatAt(bytes, at), FloatAt(bytes, at + 4)};
        at += 8;
        if (!IsFinite(point))
            return "a point is no number";
    }
    return IsFinite(record.anchor) ? std::string() : "a name's anchor is no number";
}

void PutInt32(std::string& out, std::int32_t value)
{
    const auto raw = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(raw >> (8 * i) & 0xFF));
}

void PutFloat(std::string& out, float value)
{
    std::uint32_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    PutInt32(out, static_cast<std::int32_t>(raw));
}

// The text as it is when it fits with its terminator, else cut on a character boundary.
void PutField(std::string& out, std::string_view text, std::size_t size)
{
    std::string field(text.size() < size ? text : TruncateCp932(text, size - 1));
    field.resize(size, '\0');
    out += field;
}

// Moves the records matching `keep` to the end of `order`, in file order.
template <class Keep>
void TakeRecords(std::vector<GllRecord>& records, std::vector<bool>& taken, std::vector<GllRecord>& order,
                 Keep keep)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!taken[i] && keep(records[i])) {
            taken[i] = true;
            order.push_back(std::move(records[i]));
        }
}

} // namespace

GlobeDataResult ParseGlobeData(std::string_view bytes)
{
    GlobeDataResult result;
    if (bytes.size() < kGllHeaderBytes) {
        result.error = "the file is shorter than its header";
        return result;
    }
    const std::int32_t count = Int32At(bytes, kRecordCountOffset);
    if (count < 0 || static_cast<std::size_t>(count) > (bytes.size() - kGllHeaderBytes) / kGllRecordHeaderBytes) {
        result.error = "the record count is more than the file can hold";
        return result;
    }
    std::vector<GllRecord> records(static_cast<std::size_t>(count));
    std::size_t at = kGllHeaderBytes;
    for (GllRecord& record : records) {
        result.error = ReadRecord(bytes, at, record);
        if (!result.error.empty())
            return result;
    }
    result.records = std::move(records);
    return result;
}

GlobeDataResult ReadGlobeDataFile(const std::string& path)
{
    std::string bytes;
    switch (ReadWholeFileUpTo(path, bytes, kMaxGlobeFileBytes)) {
    case FileReadResult::Read: return ParseGlobeData(bytes);
    case FileReadResult::TooLarge: return {std::nullopt, "the file is too large"};
    default: return {std::nullopt, "the file cannot be read"};
    }
}

std::vector<GllRecord> OrderForDrawing(std::vector<GllRecord> records, const GlobeOptions& o)
{
    std::vector<bool> taken(records.size(), false);
    std::vector<GllRecord> order;
    const auto take = [&](auto keep) { TakeRecords(records, taken, order, keep); };
    const auto typeAndLevel = [](int type, int level) {
        return [=](const GllRecord& r) { return r.type == type && r.subLevel == level; };
    };
    const auto ofType = [](int type) { return [=](const GllRecord& r) { return r.type == type; }; };
    take([](const GllRecord& r) { return (r.type == 0 || r.type == 1) && r.subLevel == 0; });
    if (o.bHeight) {
        for (int level = 1; level <= 7; ++level)
            take([=](const GllRecord& r) { return (r.type == 0 || r.type == 1) && r.subLevel == level; });
        for (int level = 6; level >= 0; --level)
            take(typeAndLevel(7, level));
    }
    if (o.bRiver) {
        take(ofType(6));
        take(ofType(4));
    }
    if (o.bLake) {
        take(ofType(2));
        take(ofType(5));
    }
    if (o.bBorder)
        take(ofType(3));
    if (o.bCountry)
        take(ofType(100));
    if (o.bCapital)
        take(ofType(102));
    if (o.bCity)
        take(ofType(103));
    if (o.bPlace)
        take([](const GllRecord& r) { return r.type > 199; });
    return order;
}

std::string GlobeDataBytes(const std::vector<GllRecord>& records)
{
    std::string out("QBGLL1");
    out.resize(kGllHeaderBytes, '\0');
    const auto count = static_cast<std::uint32_t>(records.size());
    for (int i = 0; i < 4; ++i)
        out[kRecordCountOffset + i] = static_cast<char>(count >> (8 * i) & 0xFF);
    for (const GllRecord& r : records) {
        PutField(out, r.tag, 4);
        PutInt32(out, r.type);
        PutInt32(out, r.subLevel);
        PutInt32(out, r.kept);
        PutInt32(out, static_cast<std::int32_t>(r.points.size() * 8));
        PutFloat(out, r.anchor.lon);
        PutFloat(out, r.anchor.lat);
        PutField(out, r.name, kGllNameBytes);
        for (const GlobePoint& p : r.points) {
            PutFloat(out, p.lon);
            PutFloat(out, p.lat);
        }
    }
    return out;
}

} // namespace qb
