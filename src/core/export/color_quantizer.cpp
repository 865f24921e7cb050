#include "core/export/color_quantizer.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace twl {

namespace {

int Channel(std::uint32_t color, int channel) {
    return static_cast<int>((color >> (16 - 8 * channel)) & 0xFFu);
}

// One box of the cut: the histogram entries [begin, end) with their weighted statistics.
struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    double weight = 0;
    std::array<double, 3> sum{};
    std::array<double, 3> sumSquares{};
    bool uncuttable = false; // every entry has the same colour

    double Variance(int channel) const {
        const auto c = static_cast<std::size_t>(channel);
        return std::max(0.0, sumSquares[c] - sum[c] * sum[c] / weight);
    }
    double Error() const { return Variance(0) + Variance(1) + Variance(2); }
    bool CanSplit() const { return !uncuttable && end - begin > 1 && Error() > 0; }

    // The channels, widest spread first.
    std::array<int, 3> ChannelsBySpread() const {
        std::array<int, 3> channels{0, 1, 2};
        std::stable_sort(channels.begin(), channels.end(),
                         [this](int a, int b) { return Variance(a) > Variance(b); });
        return channels;
    }

    std::uint32_t MeanColor() const {
        std::uint32_t color = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const auto value =
                static_cast<std::uint32_t>(std::clamp(sum[c] / weight + 0.5, 0.0, 255.0));
            color = (color << 8) | value;
        }
        return color;
    }
};

double Weight(const ColorCount& entry) {
    return entry.count == 0 ? 1.0 : static_cast<double>(entry.count);
}

Box MakeBox(const std::vector<ColorCount>& histogram, std::size_t begin, std::size_t end) {
    Box box;
    box.begin = begin;
    box.end = end;
    for (std::size_t i = begin; i < end; ++i) {
        const double weight = Weight(histogram[i]);
        box.weight += weight;
        for (int channel = 0; channel < 3; ++channel) {
            const double value = Channel(histogram[i].color, channel);
            box.sum[static_cast<std::size_t>(channel)] += weight * value;
            box.sumSquares[static_cast<std::size_t>(channel)] += weight * value * value;
        }
    }
    return box;
}

// Sorts the box's entries along channel (a stable counting sort, so the cut costs time in
// proportion to the box) and returns where to cut: the boundary between two different channel
// values that lies nearest to half the box's weight; the box's begin when all its entries share
// one value of that channel. scratch is working memory.
std::size_t CutPoint(std::vector<ColorCount>& histogram, std::vector<ColorCount>& scratch,
                     const Box& box, int channel) {
    std::array<std::size_t, 257> starts{};
    std::array<double, 256> weights{};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const auto value = static_cast<std::size_t>(Channel(histogram[i].color, channel));
        ++starts[value + 1];
        weights[value] += Weight(histogram[i]);
    }
    for (std::size_t value = 0; value < 256; ++value) {
        starts[value + 1] += starts[value];
    }

    // Cut after value v: everything up to v goes below. Only boundaries with entries on both
    // sides count.
    const double half = box.weight / 2;
    const std::size_t count = box.end - box.begin;
    std::size_t best = 0;
    double bestDistance = 0;
    double below = 0;
    for (std::size_t value = 0; value < 256; ++value) {
        below += weights[value];
        const std::size_t countBelow = starts[value + 1];
        if (countBelow == 0 || countBelow == count || weights[value] == 0) {
            continue;
        }
        const double distance = below > half ? below - half : half - below;
        if (best == 0 || distance < bestDistance) {
            best = countBelow;
            bestDistance = distance;
        }
    }
    if (best == 0) {
        return box.begin;
    }

    scratch.resize(count);
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const auto value = static_cast<std::size_t>(Channel(histogram[i].color, channel));
        scratch[starts[value]++] = histogram[i];
    }
    std::copy(scratch.begin(), scratch.end(),
              histogram.begin() + static_cast<std::ptrdiff_t>(box.begin));
    return box.begin + best;
}

} // namespace

std::vector<ColorCount> CountColors(const std::vector<std::uint32_t>& pixels) {
    // A radix sort of the 24-bit colours, a byte at a time from the lowest.
    std::vector<std::uint32_t> sorted(pixels.size());
    std::transform(pixels.begin(), pixels.end(), sorted.begin(),
                   [](std::uint32_t pixel) { return pixel & 0xFFFFFFu; });
    std::vector<std::uint32_t> buffer(sorted.size());
    for (int shift = 0; shift < 24; shift += 8) {
        std::array<std::size_t, 257> starts{};
        for (const std::uint32_t color : sorted) {
            ++starts[((color >> shift) & 0xFFu) + 1];
        }
        for (std::size_t value = 0; value < 256; ++value) {
            starts[value + 1] += starts[value];
        }
        for (const std::uint32_t color : sorted) {
            buffer[starts[(color >> shift) & 0xFFu]++] = color;
        }
        sorted.swap(buffer);
    }

    std::vector<ColorCount> histogram;
    for (const std::uint32_t color : sorted) {
        if (histogram.empty() || histogram.back().color != color) {
            histogram.push_back({color, 0});
        }
        ++histogram.back().count;
    }
    return histogram;
}

std::vector<std::uint32_t> MedianCutPalette(std::vector<ColorCount> histogram, int maxColors) {
    std::vector<std::uint32_t> palette;
    if (histogram.empty() || maxColors < 1) {
        return palette;
    }
    std::vector<Box> boxes{MakeBox(histogram, 0, histogram.size())};
    std::vector<ColorCount> scratch;
    while (boxes.size() < static_cast<std::size_t>(maxColors)) {
        auto worst = boxes.end();
        for (auto box = boxes.begin(); box != boxes.end(); ++box) {
            if (box->CanSplit() && (worst == boxes.end() || box->Error() > worst->Error())) {
                worst = box;
            }
        }
        if (worst == boxes.end()) {
            break;
        }
        const Box whole = *worst;
        std::size_t cut = whole.begin;
        for (const int channel : whole.ChannelsBySpread()) {
            cut = CutPoint(histogram, scratch, whole, channel);
            if (cut != whole.begin) {
                break;
            }
        }
        if (cut == whole.begin) {
            worst->uncuttable = true;
            continue;
        }
        *worst = MakeBox(histogram, whole.begin, cut);
        boxes.push_back(MakeBox(histogram, cut, whole.end));
    }
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        palette.push_back(box.MeanColor());
    }
    return palette;
}

int ColorDistanceSquared(std::uint32_t a, std::uint32_t b) {
    int total = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int difference = Channel(a, channel) - Channel(b, channel);
        total += difference * difference;
    }
    return total;
}

int NearestColorIndex(const std::vector<std::uint32_t>& palette, std::uint32_t color) {
    int best = -1;
    int bestDistance = 0;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int distance = ColorDistanceSquared(palette[i], color);
        if (best < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
            if (distance == 0) {
                break;
            }
        }
    }
    return best;
}

std::vector<int> NearestColorIndices(const std::vector<std::uint32_t>& palette,
                                     const std::vector<std::uint32_t>& colors) {
    struct Entry {
        int green;
        std::uint32_t color;
        int index;
    };
    std::vector<Entry> entries;
    entries.reserve(palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i) {
        entries.push_back({Channel(palette[i], 1), palette[i], static_cast<int>(i)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.green != b.green ? a.green < b.green : a.index < b.index;
    });

    std::vector<int> result(colors.size(), -1);
    for (std::size_t c = 0; c < colors.size(); ++c) {
        const std::uint32_t color = colors[c];
        const int green = Channel(color, 1);
        int best = -1;
        int bestDistance = 0;
        // Entries whose green alone is farther than the best match cannot beat it; equally far
        // ones are still looked at, so that ties go to the lowest palette position.
        const auto consider = [&](const Entry& entry) {
            const int distance = ColorDistanceSquared(entry.color, color);
            if (best < 0 || distance < bestDistance ||
                (distance == bestDistance && entry.index < best)) {
                best = entry.index;
                bestDistance = distance;
            }
        };
        const auto start = static_cast<std::size_t>(
            std::lower_bound(entries.begin(), entries.end(), green,
                             [](const Entry& entry, int value) { return entry.green < value; }) -
            entries.begin());
        for (std::size_t i = start; i < entries.size(); ++i) {
            const int greenGap = entries[i].green - green;
            if (best >= 0 && greenGap * greenGap > bestDistance) {
                break;
            }
            consider(entries[i]);
        }
        for (std::size_t i = start; i-- > 0;) {
            const int greenGap = green - entries[i].green;
            if (best >= 0 && greenGap * greenGap > bestDistance) {
                break;
            }
            consider(entries[i]);
        }
        result[c] = best;
    }
    return result;
}

} // namespace twl
