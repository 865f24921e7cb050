#include "core/formats/color_formats.h"

#include "core/base/ascii_case.h"
#include "core/color/color_convert.h"
#include "core/color/css_color.h"
#include "core/formats/color_names.h"

#include <array>
#include <cstddef>
#include <optional>

namespace twl {

namespace {

constexpr std::array<Placeholder, 16> kPlaceholders{{
    {"{r}", "Red (0-255)"},
    {"{g}", "Green (0-255)"},
    {"{b}", "Blue (0-255)"},
    {"{h}", "HSL Hue (0-360)"},
    {"{s}", "HSL Saturation (0-100)"},
    {"{l}", "HSL Lightness (0-100)"},
    {"{rh}", "Hex Red"},
    {"{gh}", "Hex Green"},
    {"{bh}", "Hex Blue"},
    {"{hsvh}", "HSV Hue (0-360)"},
    {"{hsvs}", "HSV Saturation (0-100)"},
    {"{hsvv}", "HSV Lightness (0-100)"},
    {"{cc}", "CMYK Cyan"},
    {"{cm}", "CMYK Magenta"},
    {"{cy}", "CMYK Yellow"},
    {"{ck}", "CMYK Black"},
}};

constexpr std::array<Placeholder, 14> kMorePlaceholders{{
    {"{okl}", "OKLCH Lightness (%)"},
    {"{oka}", "OKLab a"},
    {"{okb}", "OKLab b"},
    {"{okc}", "OKLCH Chroma"},
    {"{okh}", "OKLCH Hue (0-360)"},
    {"{labl}", "Lab Lightness (%)"},
    {"{laba}", "Lab a"},
    {"{labb}", "Lab b"},
    {"{lchc}", "LCh Chroma"},
    {"{lchh}", "LCh Hue (0-360)"},
    {"{hwbh}", "HWB Hue (0-360)"},
    {"{hwbw}", "HWB Whiteness (%)"},
    {"{hwbb}", "HWB Blackness (%)"},
    {"{name}", "Color Name"},
}};

// One colour's values for the more placeholders; each colour space is worked out once, when
// a placeholder first needs it.
class MoreValues {
public:
    MoreValues(TColor color, const ColorNames* names) : color_(color), names_(names) {}

    // The value of the placeholder at this place of kMorePlaceholders.
    std::string Value(std::size_t index) {
        const int red = RedOf(color_), green = GreenOf(color_), blue = BlueOf(color_);
        if (index <= 4) {
            if (!ok_) {
                ok_ = SrgbToOkLab(red, green, blue);
            }
            return OfLab(*ok_, index, 100, 4);
        }
        if (index <= 9) {
            if (!lab_) {
                lab_ = SrgbToCieLab(red, green, blue);
            }
            return OfLab(*lab_, index - 5, 1, 2);
        }
        if (index <= 12) {
            const Hwb hwb = SrgbToHwb(red, green, blue);
            return index == 10 ? CssHue(hwb.hue, 2)
                               : CssNumber(index == 11 ? hwb.whiteness : hwb.blackness, 2);
        }
        return names_ != nullptr ? names_->Nearest(color_) : std::string();
    }

private:
    // Lightness (in percent, so times lightnessScale), a, b, chroma and hue of a Lab space; a,
    // b and chroma to `places`, the others to two. A hue is 0 where the chroma shown is 0.
    static std::string OfLab(const Lab& lab, std::size_t slot, double lightnessScale, int places) {
        switch (slot) {
        case 0:
            return CssNumber(lab.lightness * lightnessScale, 2);
        case 1:
            return CssNumber(lab.a, places);
        case 2:
            return CssNumber(lab.b, places);
        case 3:
            return CssNumber(ChromaOf(lab), places);
        default:
            return CssNumber(ChromaOf(lab), places) == "0" ? std::string("0")
                                                           : CssHue(HueOf(lab), 2);
        }
    }

    TColor color_;
    const ColorNames* names_;
    std::optional<Lab> ok_, lab_;
};

// True when text holds pattern, ignoring ASCII case.
bool HoldsIgnoringCase(std::string_view text, std::string_view pattern) {
    for (std::size_t i = 0; i + pattern.size() <= text.size(); ++i) {
        if (EqualIgnoringAsciiCase(text.substr(i, pattern.size()), pattern)) {
            return true;
        }
    }
    return false;
}

std::string TwoHexDigits(int value) {
    const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0xF], digits[value & 0xF]};
}

std::string Percent(long double fraction) {
    return std::to_string(RoundHalfEven(fraction * 100));
}

// The sixteen values of a colour, in table order.
std::array<std::string, 16> PlaceholderValues(TColor color) {
    const int red = RedOf(color);
    const int green = GreenOf(color);
    const int blue = BlueOf(color);
    const Hsl hsl = RgbToHsl(red, green, blue);
    const Hsv hsv = RgbToHsv(red, green, blue);
    const Cmyk cmyk = CmyToCmyk(RgbToCmy(red, green, blue));
    return {std::to_string(red),
            std::to_string(green),
            std::to_string(blue),
            std::to_string(hsl.hue),
            std::to_string(hsl.saturation),
            std::to_string(hsl.lightness),
            TwoHexDigits(red),
            TwoHexDigits(green),
            TwoHexDigits(blue),
            std::to_string(RoundHalfEven(hsv.hue)),
            std::to_string(RoundHalfEven(hsv.saturation)),
            std::to_string(RoundHalfEven(hsv.value)),
            Percent(cmyk.cyan),
            Percent(cmyk.magenta),
            Percent(cmyk.yellow),
            Percent(cmyk.black)};
}

// Every occurrence of pattern in text, ignoring ASCII case, replaced by value. The search goes
// on after each inserted value, so a value is never searched again by the same step.
std::string ReplaceIgnoringCase(const std::string& text, std::string_view pattern,
                                const std::string& value) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.size() - i >= pattern.size() &&
            EqualIgnoringAsciiCase(std::string_view(text).substr(i, pattern.size()), pattern)) {
            result += value;
            i += pattern.size();
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

} // namespace

std::span<const Placeholder> PlaceholderTable() {
    return kPlaceholders;
}

std::span<const Placeholder> MorePlaceholderTable() {
    return kMorePlaceholders;
}

std::string ExpandTemplate(TColor color, std::string_view templ, const ColorNames* names) {
    std::string text(templ);
    if (text.find('{') == std::string::npos) {
        return text;
    }
    const auto values = PlaceholderValues(color);
    for (std::size_t i = 0; i < kPlaceholders.size(); ++i) {
        text = ReplaceIgnoringCase(text, kPlaceholders[i].placeholder, values[i]);
    }
    // The others are worked out only when the text holds them.
    MoreValues more(color, names);
    for (std::size_t i = 0; i < kMorePlaceholders.size() && text.find('{') != std::string::npos;
         ++i) {
        const std::string_view placeholder = kMorePlaceholders[i].placeholder;
        if (HoldsIgnoringCase(text, placeholder)) {
            text = ReplaceIgnoringCase(text, placeholder, more.Value(i));
        }
    }
    return text;
}

std::vector<std::string> DefaultColorValueFormats() {
    return {"HEX={rh}{gh}{bh}",
            "HEX with #=#{rh}{gh}{bh}",
            "RGB=RGB({r},{g},{b})",
            "HSL=HSL({h},{s},{l})",
            "HSV=HSV({hsvh},{hsvs},{hsvv})",
            "CMYK=C: {cc} M: {cm} Y: {cy} K: {ck}",
            "Delphi Hex=$00{bh}{gh}{rh}",
            "VB Hex=0X00{rh}{gh}{bh}",
            "VC++ Hex=0x{rh}{gh}{bh}",
            "Actionscript Hex=0x{rh}{gh}{bh}"};
}

} // namespace twl
