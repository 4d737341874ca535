#include "tests/support/DemXml.h"

#include <expat.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace qb::test {

std::string DemXml::Text() const
{
    const std::string& n = lineEnd;
    std::string t = byteOrderMark ? "\xEF\xBB\xBF" : "";
    t += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + n;
    t += "<Dataset xmlns:gml=\"http://www.opengis.net/gml/3.2\" xmlns=\"http://fgd.gsi.go.jp/spec/2008/FGD_GMLSchema\" gml:id=\"Dataset1\">" + n;
    t += "<DEM gml:id=\"DEM001\">" + n;
    t += "<lfSpanFr gml:id=\"DEM001-1\"><gml:timePosition>" + date + "</gml:timePosition></lfSpanFr>" + n;
    t += "<type>" + type + "</type>" + n;
    t += "<coverage gml:id=\"DEM001-3\"><gml:boundedBy><gml:Envelope srsName=\"fguuid:jgd2011.bl\">" + n;
    t += "<gml:lowerCorner>" + lowerCorner + "</gml:lowerCorner>" + n;
    t += "<gml:upperCorner>" + upperCorner + "</gml:upperCorner>" + n;
    t += "</gml:Envelope></gml:boundedBy><gml:gridDomain><gml:Grid dimension=\"2\" gml:id=\"DEM001-4\"><gml:limits><gml:GridEnvelope>" + n;
    t += "<gml:low>" + low + "</gml:low>" + n;
    if (withHigh)
        t += "<gml:high>" + high + "</gml:high>" + n;
    t += "</gml:GridEnvelope></gml:limits></gml:Grid></gml:gridDomain>" + n;
    t += "<gml:rangeSet><gml:DataBlock><gml:tupleList>" + n;
    for (const auto& tuple : tuples)
        t += tuple + n;
    t += "</gml:tupleList></gml:DataBlock></gml:rangeSet>" + n;
    t += "<gml:coverageFunction><gml:GridFunction><gml:sequenceRule order=\"+x-y\">Linear</gml:sequenceRule>" + n;
    if (withStartPoint)
        t += "<gml:startPoint>" + startPoint + "</gml:startPoint>" + n;
    t += "</gml:GridFunction></gml:coverageFunction></coverage></DEM></Dataset>" + n;
    return t;
}

std::vector<std::string> Tuples(int n, double first, double step)
{
    std::vector<std::string> tuples;
    for (int i = 0; i < n; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "地表面,%.2f", first + step * i);
        tuples.push_back(text);
    }
    return tuples;
}

namespace {

struct ParseState {
    std::string path;  // the element being read
    std::map<std::string, std::string> text;
};

void XMLCALL Start(void* data, const XML_Char* name, const XML_Char**)
{
    auto* state = static_cast<ParseState*>(data);
    state->path = name;
    state->text[name];  // the first occurrence counts
}

void XMLCALL End(void* data, const XML_Char*)
{
    static_cast<ParseState*>(data)->path.clear();
}

void XMLCALL Characters(void* data, const XML_Char* s, int length)
{
    auto* state = static_cast<ParseState*>(data);
    if (state->path.empty())
        return;
    std::string& text = state->text[state->path];
    if (state->path == "http://www.opengis.net/gml/3.2|timePosition" && text.size() >= 10)
        return;
    text.append(s, static_cast<std::size_t>(length));
}

std::vector<double> Numbers(const std::string& text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::vector<double> numbers;
    double v;
    while (in >> v)
        numbers.push_back(v);
    return numbers;
}

} // namespace

ReferenceDem ReadReferenceDem(const std::string& xml)
{
    ReferenceDem dem;
    ParseState state;
    XML_Parser parser = XML_ParserCreateNS("UTF-8", '|');
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, Start, End);
    XML_SetCharacterDataHandler(parser, Characters);
    const bool parsed = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (!parsed)
        return dem;
    const std::string gml = "http://www.opengis.net/gml/3.2|";
    const auto lower = Numbers(state.text[gml + "lowerCorner"]);
    const auto upper = Numbers(state.text[gml + "upperCorner"]);
    const auto high = Numbers(state.text[gml + "high"]);
    const auto start = Numbers(state.text[gml + "startPoint"]);
    if (lower.size() != 2 || upper.size() != 2 || high.size() != 2 || start.size() != 2)
        return dem;
    dem.south = lower[0], dem.west = lower[1], dem.north = upper[0], dem.east = upper[1];
    dem.cols = int(high[0]) + 1, dem.rows = int(high[1]) + 1;
    dem.startX = int(start[0]), dem.startY = int(start[1]);
    dem.type = state.text["http://fgd.gsi.go.jp/spec/2008/FGD_GMLSchema|type"];
    int y = 0, m = 0, d = 0;
    std::sscanf(state.text[gml + "timePosition"].c_str(), "%d-%d-%d", &y, &m, &d);
    dem.date = y * 10000 + m * 100 + d;
    dem.heights.assign(std::size_t(dem.cols) * dem.rows, -9999.0f);
    std::istringstream tuples(state.text[gml + "tupleList"]);
    std::string tuple;
    std::size_t next = std::size_t(dem.startY) * dem.cols + dem.startX;
    while (tuples >> tuple && next < dem.heights.size()) {
        const auto comma = tuple.find(',');
        dem.heights[next++] = static_cast<float>(std::strtod(tuple.c_str() + comma + 1, nullptr));
    }
    dem.ok = true;
    return dem;
}

} // namespace qb::test
