#pragma once
#include "terrain/TerrainEnv.h"

namespace qb {

// Where a document's grid sends the centre and zoom of a newly loaded area:
// on to the web map of the document's map view while one listens, and
// nowhere otherwise.
class CMapCentreRelay final : public IMapCentreListener {
public:
    void Listen(IMapCentreListener* listener) { m_pListener = listener; }
    // Ends the listening of `listener`; another listener that came since stays.
    void StopListening(const IMapCentreListener* listener)
    {
        if (m_pListener == listener)
            m_pListener = nullptr;
    }
    bool HasListener() const { return m_pListener != nullptr; }

    void SetMapCenter(double lat, double lon, int zoom) override
    {
        if (m_pListener)
            m_pListener->SetMapCenter(lat, lon, zoom);
    }

private:
    IMapCentreListener* m_pListener = nullptr;
};

} // namespace qb
