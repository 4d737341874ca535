#pragma once
#include "places/LabelFont.h"
#include "render3d/RenderFrame.h"
#include "render3d/RenderLabelChoice.h"

#include <span>
#include <string>
#include <vector>

namespace qb {

// A label's picture, handed to the GPU as it is (never written to a file):
// the kind's font at four times its height, the name drawn at (1, 1) in the
// kind's text colour on white, in a bitmap of (average character width x
// the name's code page 932 length + 2) x (font height + 2) pixels. Needs a
// GUI application object for its fonts.
LabelBitmap MakeLabelBitmap(const std::string& nameUtf8, const LabelFont& font);
// The pictures of the chosen names, in the order chosen, each in the font of
// its record's kind; `records` are those the choice indexed.
std::vector<LabelBitmap> MakeLabelBitmaps(std::span<const PlaceRecord> records, std::span<const ChosenLabel> chosen);

} // namespace qb
