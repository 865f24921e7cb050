#include "core/export/gif_encoder.h"

#include "core/base/text_file.h"
#include "core/export/color_quantizer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace twl {

namespace {

constexpr int kMaxGifSide = 65535;
constexpr std::size_t kMaxPaletteColors = 256;

// giflib's output function: appends to the std::string given to EGifOpen. A short count tells
// giflib the write failed.
int AppendToString(GifFileType* gif, const GifByteType* bytes, int length) {
    if (length <= 0) {
        return 0;
    }
    try {
        static_cast<std::string*>(gif->UserData)
            ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    } catch (...) {
        return 0;
    }
    return length;
}

// The colour table as GIF wants it: a power of two of at least 2 entries, padded with black.
std::vector<GifColorType> ColorTable(const std::vector<std::uint32_t>& palette) {
    std::size_t size = 2;
    while (size < palette.size()) {
        size *= 2;
    }
    std::vector<GifColorType> table(size, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        table[i].Red = static_cast<GifByteType>(palette[i] >> 16);
        table[i].Green = static_cast<GifByteType>(palette[i] >> 8);
        table[i].Blue = static_cast<GifByteType>(palette[i]);
    }
    return table;
}

// The palette index of every pixel, row after row. Each distinct colour is matched to the palette
// once; the pixels then look their colour up in the sorted histogram.
std::vector<GifPixelType> PaletteIndices(const PixelImage& image,
                                         std::vector<std::uint32_t>& palette) {
    const std::vector<ColorCount> histogram = CountColors(image.pixels);
    std::vector<std::uint32_t> colors(histogram.size());
    std::transform(histogram.begin(), histogram.end(), colors.begin(),
                   [](const ColorCount& entry) { return entry.color; });
    std::vector<GifPixelType> indexOfColor(colors.size());
    if (colors.size() <= kMaxPaletteColors) {
        palette = colors;
        for (std::size_t i = 0; i < colors.size(); ++i) {
            indexOfColor[i] = static_cast<GifPixelType>(i);
        }
    } else {
        palette = MedianCutPalette(histogram, static_cast<int>(kMaxPaletteColors));
        const std::vector<int> nearest = NearestColorIndices(palette, colors);
        std::transform(nearest.begin(), nearest.end(), indexOfColor.begin(),
                       [](int index) { return static_cast<GifPixelType>(index); });
    }

    std::vector<GifPixelType> indices(image.pixels.size());
    std::uint32_t lastColor = 0;
    GifPixelType lastIndex = 0;
    bool haveLast = false;
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t color = image.pixels[i] & 0xFFFFFFu;
        if (!haveLast || color != lastColor) {
            const auto found = std::lower_bound(colors.begin(), colors.end(), color);
            lastIndex = indexOfColor[static_cast<std::size_t>(found - colors.begin())];
            lastColor = color;
            haveLast = true;
        }
        indices[i] = lastIndex;
    }
    return indices;
}

} // namespace

std::optional<std::string> EncodeGif(const PixelImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > kMaxGifSide ||
        image.height > kMaxGifSide ||
        image.pixels.size() !=
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> palette;
    std::vector<GifPixelType> indices = PaletteIndices(image, palette);
    std::vector<GifColorType> table = ColorTable(palette);
    std::string bytes;
    bytes.reserve(indices.size() / 2 + 1024);

    // Nothing below throws: giflib owns the handle from here until EGifCloseFile.
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToString, &error);
    if (gif == nullptr) {
        return std::nullopt;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject* colorMap = GifMakeMapObject(static_cast<int>(table.size()), table.data());
    bool ok = colorMap != nullptr &&
              EGifPutScreenDesc(gif, image.width, image.height, 8, 0, colorMap) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
    GifFreeMapObject(colorMap); // the screen description keeps its own copy
    for (int y = 0; ok && y < image.height; ++y) {
        GifPixelType* row =
            indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        ok = EGifPutLine(gif, row, image.width) == GIF_OK;
    }
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!ok || !closed) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteGifFile(const std::filesystem::path& path, const PixelImage& image) {
    const std::optional<std::string> bytes = EncodeGif(image);
    return bytes && WriteWholeFile(path, *bytes);
}

} // namespace twl
