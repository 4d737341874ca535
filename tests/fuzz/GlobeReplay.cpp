// The globe data file: read as the start-up reads it, put in drawing order,
// written back and read again, and drawn.
#include "tests/fuzz/ReaderReplay.h"

#include "webmap/GlobeData.h"
#include "webmap/GlobeDraw.h"

#include <cstdlib>
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

// Draws nothing; counts the points it is given, which must lie near the window.
class CBoundsDrawContext final : public IDrawContext {
public:
    explicit CBoundsDrawContext(int limit) : m_limit(limit) {}
    void SelectPen(Colour, int) override {}
    void SelectBrush(Colour) override {}
    void SelectFont(const FontSpec&) override {}
    void SetTextColour(Colour) override {}
    void SetInvert(bool) override {}
    void MoveTo(int x, int y) override { Check(x, y); }
    void LineTo(int x, int y) override { Check(x, y); }
    void SetPixel(int x, int y, Colour) override { Check(x, y); }
    void FillRect(const DrawRect&, Colour) override {}
    void Polygon(const std::vector<DrawPoint>& points) override
    {
        for (const DrawPoint& p : points)
            Check(p.x, p.y);
    }
    void TextOut(int x, int y, std::string_view) override { Check(x, y); }
    TextExtent MeasureText(std::string_view text) override
    {
        return {static_cast<int>(text.size()) * 8, 12, 8};
    }
    int DpiX() const override { return 96; }
    int DpiY() const override { return 96; }
    bool outside = false;

private:
    void Check(int x, int y) { outside = outside || std::abs(x) > m_limit || std::abs(y) > m_limit; }
    int m_limit;
};

// Draws the records at two zooms; a point far off the globe's disc is a fault.
std::string DrawFault(const std::vector<GllRecord>& records)
{
    GlobeOptions options;
    GlobeFonts fonts;
    for (int i = 0; i < kGlobeFontCount; ++i)
        fonts[i] = DefaultGlobeFont(i);
    GlobeScene scene;
    scene.options = &options;
    scene.fonts = &fonts;
    scene.records = &records;
    for (const double factor : {1.0, 50.0}) {
        const GlobeView view{.width = 64, .height = 48, .factor = factor};
        CBoundsDrawContext dc(static_cast<int>(view.Radius()) + 200);
        DrawGlobe(dc, view, scene);
        if (dc.outside)
            return "a point was drawn far outside the globe's disc";
    }
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
    const std::size_t count = read.records->size();
    const std::vector<GllRecord> ordered = OrderForDrawing(std::move(*read.records), GlobeOptions{});
    if (result.fault.empty() && ordered.size() > count)
        result.fault = "the drawing order holds more records than were read";
    if (result.fault.empty())
        result.fault = DrawFault(ordered);
    return result;
}

} // namespace qb::fuzz
