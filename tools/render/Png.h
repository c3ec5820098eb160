// Writing a raster surface's picture as a PNG file (8-bit RGB).
#pragma once

#include <string>

#include "drawing/RasterDC.h"

// Returns an empty string on success, else why the file could not be written.
std::string WritePng(const RasterDC& image, const std::string& path);
