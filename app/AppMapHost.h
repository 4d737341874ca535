#pragma once
#include "webmap/WebMapHost.h"

namespace qb {

class CTessimApp;

// The web map's host over the application's red and blue boxes, which the
// application keeps with negated longitudes. The view actions do nothing:
// this is the host of the open-from-map dialog, and the base of the map
// view's host, which passes them on to the other views.
class CAppMapHost : public IWebMapHost {
public:
    explicit CAppMapHost(CTessimApp& app) : m_app(app) {}

    GeoBox AreaBox() const override;
    void SetAreaBox(const GeoBox& box) override;
    GeoBox ViewBox() const override;
    void SetViewBox(const GeoBox& box) override;

    const CHeightGrid* Grid() const override { return nullptr; }
    void StepBackRange() override {}
    void ShowGridRange(const GridRange& /*range*/) override {}
    void CentreRenderingOn(double /*fx*/, double /*fy*/) override {}
    void StartNameInput(GridPoint /*point*/, float /*height*/) override {}

protected:
    CTessimApp& App() const { return m_app; }

private:
    CTessimApp& m_app;
};

} // namespace qb
