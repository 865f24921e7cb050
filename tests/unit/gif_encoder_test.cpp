#include "core/export/color_quantizer.h"
#include "core/export/gif_encoder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>

namespace twl {
namespace {

std::uint32_t Rgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<std::uint32_t>(red) << 16) |
           (static_cast<std::uint32_t>(green) << 8) | static_cast<std::uint32_t>(blue);
}

PixelImage MakeImage(int width, int height, std::uint32_t (*colorAt)(int x, int y)) {
    PixelImage image;
    image.Resize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels[static_cast<std::size_t>(y * width + x)] = colorAt(x, y);
        }
    }
    return image;
}

// What an independent decoder (giflib's reader) sees in the bytes.
struct DecodedGif {
    std::string version;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> table;  // the colour table, 0xFFRRGGBB
    std::vector<int> indices;          // row after row
    std::vector<std::uint32_t> pixels; // row after row, 0xFFRRGGBB
};

struct MemoryReader {
    const std::string* bytes;
    std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t count =
        std::min(static_cast<std::size_t>(length), reader->bytes->size() - reader->position);
    std::memcpy(out, reader->bytes->data() + reader->position, count);
    reader->position += count;
    return static_cast<int>(count);
}

std::optional<DecodedGif> Decode(const std::string& bytes) {
    MemoryReader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
    if (gif == nullptr) {
        return std::nullopt;
    }
    std::optional<DecodedGif> result;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map =
            image.ImageDesc.ColorMap != nullptr ? image.ImageDesc.ColorMap : gif->SColorMap;
        DecodedGif decoded;
        decoded.version = bytes.substr(0, 6);
        decoded.width = image.ImageDesc.Width;
        decoded.height = image.ImageDesc.Height;
        for (int i = 0; map != nullptr && i < map->ColorCount; ++i) {
            decoded.table.push_back(
                Rgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
        }
        const std::size_t count =
            static_cast<std::size_t>(decoded.width) * static_cast<std::size_t>(decoded.height);
        for (std::size_t i = 0; i < count; ++i) {
            const int index = image.RasterBits[i];
            decoded.indices.push_back(index);
            decoded.pixels.push_back(static_cast<std::size_t>(index) < decoded.table.size()
                                         ? decoded.table[static_cast<std::size_t>(index)]
                                         : 0u);
        }
        result = decoded;
    }
    DGifCloseFile(gif, &error);
    return result;
}

DecodedGif EncodeAndDecode(const PixelImage& image) {
    const std::optional<std::string> bytes = EncodeGif(image);
    EXPECT_TRUE(bytes.has_value());
    const std::optional<DecodedGif> decoded = bytes ? Decode(*bytes) : std::nullopt;
    EXPECT_TRUE(decoded.has_value());
    return decoded.value_or(DecodedGif{});
}

TEST(GifEncoder, TwoColoursComeBackExactly) {
    const PixelImage image =
        MakeImage(5, 3, [](int x, int y) { return (x + y) % 2 ? Rgb(255, 0, 0) : Rgb(0, 0, 255); });
    const DecodedGif decoded = EncodeAndDecode(image);
    EXPECT_EQ(decoded.version, "GIF89a");
    EXPECT_EQ(decoded.width, 5);
    EXPECT_EQ(decoded.height, 3);
    EXPECT_EQ(decoded.table.size(), 2u);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(GifEncoder, OnePixelGetsTheSmallestTable) {
    const PixelImage image = MakeImage(1, 1, [](int, int) { return Rgb(18, 52, 86); });
    const DecodedGif decoded = EncodeAndDecode(image);
    EXPECT_EQ(decoded.width, 1);
    EXPECT_EQ(decoded.height, 1);
    EXPECT_EQ(decoded.table.size(), 2u);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(GifEncoder, TwoHundredFiftySixColoursStayExact) {
    // Every pixel a different colour, all channels in use.
    const PixelImage image = MakeImage(16, 16, [](int x, int y) {
        const int i = y * 16 + x;
        return Rgb(i, 255 - i, (i * 37) % 256);
    });
    const DecodedGif decoded = EncodeAndDecode(image);
    EXPECT_EQ(decoded.table.size(), 256u);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(GifEncoder, TableIsRoundedUpToAPowerOfTwo) {
    const PixelImage image = MakeImage(5, 1, [](int x, int) { return Rgb(x * 50, 0, 0); });
    const DecodedGif decoded = EncodeAndDecode(image);
    EXPECT_EQ(decoded.table.size(), 8u);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(GifEncoder, AlphaByteIsIgnored) {
    PixelImage image = MakeImage(4, 1, [](int x, int) { return Rgb(x, x, x); });
    PixelImage transparent = image;
    for (auto& pixel : transparent.pixels) {
        pixel &= 0x00FFFFFFu;
    }
    EXPECT_EQ(EncodeGif(transparent), EncodeGif(image));
}

TEST(GifEncoder, ManyColoursMapToTheirNearestPaletteColour) {
    const PixelImage image = MakeImage(
        300, 3, [](int x, int) { return Rgb(x * 255 / 299, (x * 3) % 256, 255 - x * 255 / 299); });
    ASSERT_EQ(std::set<std::uint32_t>(image.pixels.begin(), image.pixels.end()).size(), 300u);

    const DecodedGif decoded = EncodeAndDecode(image);
    ASSERT_EQ(decoded.pixels.size(), image.pixels.size());
    EXPECT_LE(decoded.table.size(), 256u);
    int worst = 0;
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t original = image.pixels[i] & 0xFFFFFFu;
        int nearest = INT32_MAX;
        for (const std::uint32_t entry : decoded.table) {
            nearest = std::min(nearest, ColorDistanceSquared(entry & 0xFFFFFFu, original));
        }
        const int chosen = ColorDistanceSquared(decoded.pixels[i] & 0xFFFFFFu, original);
        ASSERT_EQ(chosen, nearest) << "pixel " << i;
        worst = std::max(worst, chosen);
    }
    // 300 colours into 256: a box holds at most a few neighbouring colours of the gradient.
    EXPECT_LE(worst, 100);
}

TEST(GifEncoder, RefusesImagesItCannotWrite) {
    EXPECT_FALSE(EncodeGif(PixelImage{}).has_value());
    PixelImage noRows;
    noRows.width = 3;
    EXPECT_FALSE(EncodeGif(noRows).has_value());
    PixelImage shortBuffer;
    shortBuffer.width = 2;
    shortBuffer.height = 2;
    shortBuffer.pixels.assign(3, Rgb(1, 2, 3));
    EXPECT_FALSE(EncodeGif(shortBuffer).has_value());
    PixelImage tooWide;
    tooWide.Resize(70000, 1);
    EXPECT_FALSE(EncodeGif(tooWide).has_value());
}

TEST(GifEncoder, WritesTheFileWholeOrNotAtAll) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("twl-gif-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const PixelImage image = MakeImage(3, 2, [](int x, int y) { return Rgb(x * 80, y * 80, 7); });

    EXPECT_TRUE(WriteGifFile(folder / "picture.bmp", image));
    std::ifstream in(folder / "picture.bmp", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(written, EncodeGif(image));

    EXPECT_FALSE(WriteGifFile(folder / "missing" / "picture.gif", image));
    EXPECT_FALSE(WriteGifFile(folder / "empty.gif", PixelImage{}));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.gif"));
    std::filesystem::remove_all(folder);
}

TEST(GifQuantizer, FastNearestSearchAgreesWithTheSimpleOne) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::uint32_t> anyColor(0, 0xFFFFFFu);
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < 200; ++i) {
        palette.push_back(anyColor(random));
    }
    // Duplicates and equally near colours must resolve to the first palette position.
    palette.push_back(palette[10]);
    palette.insert(palette.begin(), 0x000000u);
    palette.push_back(0x000002u); // 0x000001 is as near to both
    std::vector<std::uint32_t> colors{0x000001u, palette[11], 0xFFFFFFu};
    for (int i = 0; i < 5000; ++i) {
        colors.push_back(anyColor(random));
    }
    const std::vector<int> fast = NearestColorIndices(palette, colors);
    ASSERT_EQ(fast.size(), colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
        ASSERT_EQ(fast[i], NearestColorIndex(palette, colors[i])) << "colour " << i;
    }
    EXPECT_EQ(fast[0], 0);
    EXPECT_EQ(fast[1], 11);
    EXPECT_EQ(NearestColorIndices({}, {0x123456u}), std::vector<int>{-1});
}

TEST(GifQuantizer, MedianCutKeepsFewColoursAndBoundsMany) {
    const std::vector<ColorCount> few{{0x102030u, 5}, {0xFF0000u, 1}, {0x00FF00u, 9}};
    std::vector<std::uint32_t> palette = MedianCutPalette(few, 8);
    std::sort(palette.begin(), palette.end());
    EXPECT_EQ(palette, (std::vector<std::uint32_t>{0x00FF00u, 0x102030u, 0xFF0000u}));

    EXPECT_TRUE(MedianCutPalette(few, 0).empty());
    EXPECT_TRUE(MedianCutPalette({}, 256).empty());
    // One colour listed twice cannot be cut, however many colours are allowed.
    EXPECT_EQ(MedianCutPalette({{0x445566u, 1}, {0x445566u, 0}}, 4),
              std::vector<std::uint32_t>{0x445566u});

    std::vector<std::uint32_t> pixels;
    for (std::uint32_t i = 0; i < 4096; ++i) {
        pixels.push_back((i & 0xFu) << 20 | ((i >> 4) & 0xFu) << 12 | (i >> 8) << 4);
    }
    const std::vector<ColorCount> histogram = CountColors(pixels);
    ASSERT_EQ(histogram.size(), 4096u);
    const std::vector<std::uint32_t> reduced = MedianCutPalette(histogram, 256);
    EXPECT_EQ(reduced.size(), 256u);
    EXPECT_EQ(std::set<std::uint32_t>(reduced.begin(), reduced.end()).size(), 256u);
}

TEST(GifQuantizer, CountColorsIgnoresAlphaAndSortsByColour) {
    const std::vector<ColorCount> histogram =
        CountColors({0xFF00000Au, 0x00000001u, 0x8000000Au, 0xFF000001u, 0xFF000001u});
    ASSERT_EQ(histogram.size(), 2u);
    EXPECT_EQ(histogram[0].color, 0x000001u);
    EXPECT_EQ(histogram[0].count, 3u);
    EXPECT_EQ(histogram[1].color, 0x00000Au);
    EXPECT_EQ(histogram[1].count, 2u);
}

} // namespace
} // namespace twl
