#include "core/quick_palette/quick_palette_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace twl {

namespace {

constexpr double kHueStep = 2.95;
constexpr int kFullSaturationTop = 27, kFullSaturationBottom = 33;

struct SaturationPoint {
    int distance; // rows away from the fully saturated band
    double saturation;
};

// The same fall-off above and below the band, drawn through these points.
constexpr std::array<SaturationPoint, 5> kFallOff{
    {{0, 1.0}, {7, 0.94}, {17, 0.76}, {25, 0.61}, {29, 0.45}}};

double SaturationOfRow(int y) {
    const int distance = y < kFullSaturationTop      ? kFullSaturationTop - y
                         : y > kFullSaturationBottom ? y - kFullSaturationBottom
                                                     : 0;
    for (std::size_t i = 1; i < kFallOff.size(); ++i) {
        if (distance <= kFallOff[i].distance) {
            const SaturationPoint& a = kFallOff[i - 1];
            const SaturationPoint& b = kFallOff[i];
            const double t = double(distance - a.distance) / double(b.distance - a.distance);
            return a.saturation + t * (b.saturation - a.saturation);
        }
    }
    return kFallOff.back().saturation;
}

// The red column's sample rows, as the picture has them: each row's saturation and lightness,
// which hold across the row, come from its red, green and blue (green = blue for red).
struct SampleRow {
    int y, red, green;
};
constexpr std::array<SampleRow, 11> kSampleRows{{{2, 252, 242},
                                                 {10, 245, 183},
                                                 {20, 250, 96},
                                                 {27, 255, 33},
                                                 {31, 254, 0},
                                                 {33, 238, 0},
                                                 {40, 176, 4},
                                                 {50, 87, 11},
                                                 {60, 12, 4},
                                                 {61, 5, 3},
                                                 {62, 0, 0}}};

struct RowTone {
    double saturation, lightness;
};

RowTone ToneOfRow(int y) {
    if (y < 2) {
        return {0.0, 1.0};
    }
    for (const SampleRow& row : kSampleRows) {
        if (row.y == y) {
            // HSL of red: the red channel is L + S·min(L, 1 − L), green and blue L − S·min(…).
            const double lightness = (row.red + row.green) / 510.0;
            const double spread = std::min(lightness, 1 - lightness);
            return {spread > 0 ? (row.red - row.green) / 510.0 / spread : 0.0, lightness};
        }
    }
    return {SaturationOfRow(y), double(62 - y) / 62.0};
}

double HueChannel(double p, double q, double t) {
    t = t < 0 ? t + 1 : (t > 1 ? t - 1 : t);
    if (t < 1.0 / 6) {
        return p + (q - p) * 6 * t;
    }
    if (t < 0.5) {
        return q;
    }
    if (t < 2.0 / 3) {
        return p + (q - p) * (2.0 / 3 - t) * 6;
    }
    return p;
}

std::uint32_t HslPixel(double hueDegrees, double saturation, double lightness) {
    const double q = lightness < 0.5 ? lightness * (1 + saturation)
                                     : lightness + saturation - lightness * saturation;
    const double p = 2 * lightness - q;
    const double h = hueDegrees / 360.0;
    const auto channel = [&](double t) {
        return static_cast<std::uint32_t>(
            std::clamp(std::lround(HueChannel(p, q, t) * 255.0), 0L, 255L));
    };
    return kOpaque | channel(h + 1.0 / 3) << 16 | channel(h) << 8 | channel(h - 1.0 / 3);
}

std::uint32_t ToPixel(TColor color) {
    return kOpaque | static_cast<std::uint32_t>(RedOf(color)) << 16 |
           static_cast<std::uint32_t>(GreenOf(color)) << 8 |
           static_cast<std::uint32_t>(BlueOf(color));
}

// Column 0, top to bottom, as 0xRRGGBB.
constexpr std::array<std::uint32_t, kWebSafeRows> kBasicColors{
    0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
    0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

} // namespace

PixelImage SpectrumPicture() {
    PixelImage picture;
    picture.Resize(kSpectrumWidth, kSpectrumHeight);
    for (int y = 0; y < kSpectrumHeight; ++y) {
        const RowTone tone = ToneOfRow(y);
        for (int x = 0; x < kSpectrumWidth; ++x) {
            picture.pixels[std::size_t(y * kSpectrumWidth + x)] =
                HslPixel(kHueStep * x, tone.saturation, tone.lightness);
        }
    }
    return picture;
}

TColor WebSafeCellColor(int column, int row) {
    if (column == 0) {
        const std::uint32_t rgb = kBasicColors[std::size_t(row)];
        return MakeColor(int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
    }
    if (column == 1 && row == 0) {
        return kWebSafeGridColor;
    }
    const int block = (column - 1) / 6, step = (column - 1) % 6;
    const bool lower = row >= 6;
    return MakeColor(0x33 * (lower ? block + 3 : block), 0x33 * step,
                     0x33 * (lower ? row - 6 : row));
}

PixelImage WebSafePicture() {
    PixelImage picture;
    picture.Resize(kWebSafeWidth, kWebSafeHeight);
    picture.pixels.assign(picture.pixels.size(), ToPixel(kWebSafeGridColor));
    for (int column = 0; column < kWebSafeColumns; ++column) {
        for (int row = 0; row < kWebSafeRows; ++row) {
            const std::uint32_t pixel = ToPixel(WebSafeCellColor(column, row));
            for (int y = 1; y <= 8; ++y) {
                for (int x = 1; x <= 8; ++x) {
                    picture.pixels[std::size_t((kWebSafeCellPitch * row + y) * kWebSafeWidth +
                                               kWebSafeCellPitch * column + x)] = pixel;
                }
            }
        }
    }
    return picture;
}

} // namespace twl
