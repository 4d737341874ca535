#include "app/AppMapHost.h"

#include "app/TessimApp.h"

namespace qb {

GeoBox CAppMapHost::AreaBox() const
{
    return FlipLongitudes(m_app.m_areaBox);
}

void CAppMapHost::SetAreaBox(const GeoBox& box)
{
    m_app.m_areaBox = FlipLongitudes(box);
}

GeoBox CAppMapHost::ViewBox() const
{
    return FlipLongitudes(m_app.m_viewBox);
}

void CAppMapHost::SetViewBox(const GeoBox& box)
{
    m_app.m_viewBox = FlipLongitudes(box);
}

} // namespace qb
