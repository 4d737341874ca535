#include "webmap/Globe.h"

namespace qb {

CGlobe::CGlobe(ISettingsStore& settings) : m_settings(settings)
{
    m_options = ReadGlobeOptions(settings);
    ReadGlobeFonts(settings, m_fonts);
}

CGlobe::~CGlobe()
{
    WriteGlobeView(m_settings, m_options);
    m_records.clear();
    WriteGlobeFonts(m_settings, m_fonts);
    WriteGlobeRest(m_settings, m_options);
}

std::string CGlobe::LoadGlobeData(const std::string& path)
{
    GlobeDataResult read = ReadGlobeDataFile(path);
    m_records.clear();
    if (read.records)
        m_records = OrderForDrawing(std::move(*read.records), m_options);
    return read.error;
}

} // namespace qb
