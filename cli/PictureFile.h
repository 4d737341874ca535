#pragma once
#include <functional>
#include <string>

class QPainter;

namespace qb::cli {

// Writes a width x height picture that `paint` draws to `path`: an SVG
// file or a PNG image, through a temporary file so that a failure leaves
// an older picture whole. False when the file could not be written.
bool WritePictureFile(const std::string& path, bool svg, int width, int height,
                      const std::function<void(QPainter&)>& paint);

} // namespace qb::cli
