#pragma once
#include "platform/SettingsStore.h"
#include "webmap/GlobeData.h"
#include "webmap/GlobeFonts.h"
#include "webmap/GlobeOptions.h"

#include <string>
#include <vector>

namespace qb {

// The world globe of the map host: its settings and fonts, read when it is
// made and written back when it goes, and the records of its data file in
// drawing order. The settings store must outlive the globe.
class CGlobe {
public:
    explicit CGlobe(ISettingsStore& settings);
    ~CGlobe();
    CGlobe(const CGlobe&) = delete;
    CGlobe& operator=(const CGlobe&) = delete;

    // Reads the data file; one that cannot be read or is damaged leaves the
    // globe without records (its sea, grid and boxes are still drawn). The
    // reason is returned, empty when the file was read.
    std::string LoadGlobeData(const std::string& path);

    GlobeOptions m_options;
    GlobeFonts m_fonts;
    std::vector<GllRecord> m_records;

private:
    ISettingsStore& m_settings;
};

} // namespace qb
