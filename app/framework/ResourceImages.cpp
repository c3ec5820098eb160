#include "app/framework/ResourceImages.h"

#include <QPixmap>
#include <array>
#include <cstring>

namespace {

// The standard 16-colour palette.
constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

int DigitIndex(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

}  // namespace

QRgb PaletteColor(char digit) {
    int i = DigitIndex(digit);
    return i < 0 ? 0u : kPalette[static_cast<std::size_t>(i)];
}

QImage ImageFromBitmap(const Bitmap16& bitmap, bool keyTransparent) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < bitmap.height && y < static_cast<int>(bitmap.rows.size()); ++y) {
        const char* row = bitmap.rows[static_cast<std::size_t>(y)];
        int n = static_cast<int>(std::strlen(row));
        for (int x = 0; x < bitmap.width && x < n; ++x) {
            if (keyTransparent && row[x] == '7')
                continue;
            image.setPixel(x, y, PaletteColor(row[x]));
        }
    }
    return image;
}

QIcon AfxLoadIcon(UINT id) {
    QIcon icon;
    if (const IconResource* res = AfxFindIcon(id)) {
        for (const Bitmap16& image : res->images) {
            icon.addPixmap(QPixmap::fromImage(ImageFromBitmap(image)));
        }
    }
    return icon;
}
