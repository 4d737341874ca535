#pragma once

namespace qb {

class CAreaRecord;
class ISettingsStore;

// The area the open-from-map command opened last, kept in the settings
// section "MultiOpen": its name, base file, tiles across and down, list flag
// and base position.
void LoadAreaSettings(ISettingsStore& settings, CAreaRecord& area);
void SaveAreaSettings(ISettingsStore& settings, const CAreaRecord& area);

} // namespace qb
