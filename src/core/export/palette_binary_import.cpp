// The binary palette files read back: Adobe Swatch Exchange and Photoshop swatches. What a
// damaged file gave before its damage is dropped.

#include "core/color/css_color_text.h"
#include "core/export/palette_import.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace twl {

namespace {

// Big-endian numbers read one after another; a read past the end fails and leaves it so.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Left() const { return bytes_.size() - at_; }
    std::optional<std::uint32_t> Number(std::size_t byteCount) {
        if (Left() < byteCount) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < byteCount; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes_[at_++]);
        }
        return value;
    }
    std::optional<std::string_view> Bytes(std::size_t count) {
        if (Left() < count) {
            return std::nullopt;
        }
        const std::string_view taken = bytes_.substr(at_, count);
        at_ += count;
        return taken;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

int Channel(double fraction) {
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
}

TColor Grey(double level) {
    const int grey = Channel(level);
    return MakeColor(grey, grey, grey);
}

TColor FromCmyk(double c, double m, double y, double k) {
    const auto part = [k](double ink) {
        return Channel((1 - std::clamp(ink, 0.0, 1.0)) * (1 - std::clamp(k, 0.0, 1.0)));
    };
    return MakeColor(part(c), part(m), part(y));
}

// Hue in degrees, saturation and brightness 0-1.
TColor FromHsb(double hue, double saturation, double brightness) {
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 60, 6.0);
        return brightness - brightness * saturation * std::clamp(std::min(k, 4 - k), 0.0, 1.0);
    };
    return MakeColor(Channel(f(5)), Channel(f(3)), Channel(f(1)));
}

std::string BlockProblem(std::uint32_t block, const std::string& what) {
    return "block " + std::to_string(block) + " " + what;
}

// One colour entry of an ASE file, the block's bytes after its type and length.
std::optional<TColor> AseColor(std::string_view block, std::uint32_t number, std::string& problem) {
    Reader reader(block);
    const auto nameUnits = reader.Number(2);
    if (!nameUnits || !reader.Bytes(std::size_t{*nameUnits} * 2)) {
        problem = BlockProblem(number, "has a name longer than the block");
        return std::nullopt;
    }
    const auto model = reader.Bytes(4);
    struct Model {
        std::string_view name;
        int values;
    };
    constexpr Model kModels[] = {{"RGB ", 3}, {"CMYK", 4}, {"LAB ", 3}, {"Gray", 1}};
    const auto known = model ? std::ranges::find(kModels, *model, &Model::name) : std::end(kModels);
    if (known == std::end(kModels)) {
        problem = model ? BlockProblem(number,
                                       "has the unknown colour model '" + std::string(*model) + "'")
                        : BlockProblem(number, "ends before its colour model");
        return std::nullopt;
    }
    double v[4] = {};
    for (int i = 0; i < known->values; ++i) {
        const auto bits = reader.Number(4);
        if (!bits) {
            problem = BlockProblem(number, "ends before its colour values");
            return std::nullopt;
        }
        v[i] = std::bit_cast<float>(*bits);
        if (!std::isfinite(v[i])) {
            problem = BlockProblem(number, "holds a value that is not a number");
            return std::nullopt;
        }
    }
    if (known->name == "RGB ") {
        return MakeColor(Channel(v[0]), Channel(v[1]), Channel(v[2]));
    }
    if (known->name == "CMYK") {
        return FromCmyk(v[0], v[1], v[2], v[3]);
    }
    if (known->name == "LAB ") {
        return CieLabToColor(v[0] * 100, v[1], v[2]);
    }
    return Grey(v[0]);
}

// The colours of one section of a Photoshop swatches file, from its version word on.
PaletteImport AcoSection(Reader& reader, std::uint32_t version) {
    PaletteImport result;
    const auto count = reader.Number(2);
    if (!count) {
        result.problem = "the version " + std::to_string(version) + " section has no colour count";
        return result;
    }
    for (std::uint32_t i = 1; i <= *count; ++i) {
        const std::string colour = "colour " + std::to_string(i);
        const auto space = reader.Number(2);
        const auto w = reader.Number(2), x = reader.Number(2), y = reader.Number(2),
                   z = reader.Number(2);
        if (!z) {
            result.problem = colour + " runs past the end of the file";
            return result;
        }
        if (version == 2) {
            const auto units = reader.Number(4);
            if (!units || *units > reader.Left() / 2 || !reader.Bytes(std::size_t{*units} * 2)) {
                result.problem = colour + "'s name runs past the end of the file";
                return result;
            }
        }
        std::optional<TColor> color;
        switch (*space) {
        case 0: // RGB, 0-65535
            color = MakeColor(Channel(*w / 65535.0), Channel(*x / 65535.0), Channel(*y / 65535.0));
            break;
        case 1: // HSB, each 0-65535
            color = FromHsb(*w / 65535.0 * 360, *x / 65535.0, *y / 65535.0);
            break;
        case 2: // CMYK, 65535 for no ink
            color =
                FromCmyk(1 - *w / 65535.0, 1 - *x / 65535.0, 1 - *y / 65535.0, 1 - *z / 65535.0);
            break;
        case 7: // Lab: L 0-10000, a and b signed hundredths
            color = CieLabToColor(*w / 100.0, static_cast<std::int16_t>(*x) / 100.0,
                                  static_cast<std::int16_t>(*y) / 100.0);
            break;
        case 8: // grayscale, 0-10000 of black ink
            color = Grey(1 - std::min(*w, 10000u) / 10000.0);
            break;
        default:
            result.problem =
                colour + " is in colour space " + std::to_string(*space) + ", which cannot be read";
            return result;
        }
        if (color && result.colors.size() < kMaxImportedColors) {
            result.colors.push_back(*color);
        }
    }
    return result;
}

PaletteImport ReadAseBlocks(std::string_view bytes) {
    Reader reader(bytes);
    PaletteImport result;
    const auto signature = reader.Bytes(4);
    const auto major = reader.Number(2);
    const auto minor = reader.Number(2);
    const auto blocks = reader.Number(4);
    if (!signature || *signature != "ASEF" || !major || !minor || !blocks) {
        result.problem = "its header is cut short";
        return result;
    }
    if (*major != 1) {
        result.problem = "it is of version " + std::to_string(*major) + ", not 1";
        return result;
    }
    for (std::uint32_t number = 1; number <= *blocks; ++number) {
        const auto type = reader.Number(2);
        const auto length = reader.Number(4);
        const auto block = length ? reader.Bytes(*length) : std::nullopt;
        if (!block) {
            result.problem = BlockProblem(number, "runs past the end of the file");
            return result;
        }
        // Groups are flattened: their start and end blocks, and any other kind, carry no colour.
        if (*type != 0x0001) {
            continue;
        }
        const auto color = AseColor(*block, number, result.problem);
        if (!color) {
            if (result.problem.empty()) {
                result.problem = BlockProblem(number, "holds a value that is not a number");
            }
            return result;
        }
        if (result.colors.size() < kMaxImportedColors) {
            result.colors.push_back(*color);
        }
    }
    return result;
}

PaletteImport ReadAcoSections(std::string_view bytes) {
    Reader reader(bytes);
    const auto version = reader.Number(2);
    if (!version || (*version != 1 && *version != 2)) {
        return {{}, "it is not a Photoshop swatches file"};
    }
    PaletteImport first = AcoSection(reader, *version);
    if (!first.problem.empty() || *version == 2 || reader.Left() == 0) {
        return first;
    }
    const auto next = reader.Number(2);
    if (!next || *next != 2) {
        return {{}, "the bytes after the colours are no version 2 section"};
    }
    return AcoSection(reader, 2);
}

} // namespace

PaletteImport ReadAdobeSwatchExchange(std::string_view bytes) {
    PaletteImport read = ReadAseBlocks(bytes);
    if (!read.problem.empty()) {
        read.colors.clear();
    }
    return read;
}

PaletteImport ReadPhotoshopSwatches(std::string_view bytes) {
    PaletteImport read = ReadAcoSections(bytes);
    if (!read.problem.empty()) {
        read.colors.clear();
    }
    return read;
}

} // namespace twl
