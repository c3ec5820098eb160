// Turns the 16-colour bitmaps of the resource tables into Qt images and icons.
#pragma once

#include <QIcon>
#include <QImage>

#include "app/framework/Resource.h"

// The colour of a palette digit (0-9, A-F) as 0xffRRGGBB; '.' and anything else is transparent.
QRgb PaletteColor(char digit);
// The bitmap as an ARGB image; transparent pixels and, when keyTransparent, the light grey of
// button faces (digit 7) have alpha 0.
QImage ImageFromBitmap(const Bitmap16& bitmap, bool keyTransparent = false);
// Every image of the icon resource, in one QIcon; an empty icon for a missing resource.
QIcon AfxLoadIcon(UINT id);
