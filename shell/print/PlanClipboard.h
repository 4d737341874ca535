#pragma once
#include "shell/print/PlanPicture.h"

#include <QByteArray>
#include <QImage>

#include <memory>

class QMimeData;

namespace qb {

// The clipboard format of the copied picture.
inline constexpr const char* kSvgMimeType = "image/svg+xml";

// The copied picture: the view drawn into 1600 × 1200 units with the frame,
// the label fonts scaled as for a device without a resolution (three times
// their stored height). As an SVG picture it measures 160 × 120 mm.
QByteArray PlanPictureSvg(const PlanSource& source);
// The same picture as a 1600 × 1200 bitmap.
QImage PlanPictureImage(const PlanSource& source);
// Both forms together, as the clipboard receives them.
std::unique_ptr<QMimeData> PlanPictureMimeData(const PlanSource& source);

// Copy as picture: puts the SVG picture and its bitmap on the clipboard.
void CopyPicture(const PlanSource& source);
// Copy as bitmap: puts the client area's picture on the clipboard.
void CopyBitmap(const QImage& clientPicture);

} // namespace qb
