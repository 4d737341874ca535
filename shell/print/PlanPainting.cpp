#include "shell/print/PlanPainting.h"

#include "platform/qt/QPainterDrawContext.h"

#include <QPainter>

namespace qb {

void PaintPlanPicture(QPainter& painter, const PlanSource& source, const DrawRect& rect, PictureFrame frame)
{
    CQPainterDrawContext dc(painter);
    DrawPlanPicture(dc, source, rect, frame);
}

DrawRect PaintPlanPage(QPainter& painter, const PlanSource& source, const DrawRect& page,
                       const MarginRect& margins)
{
    CQPainterDrawContext dc(painter);
    return DrawPlanPage(dc, source, page, margins);
}

} // namespace qb
