#include "core/color/css_color_text.h"

#include "core/base/ascii_case.h"
#include "core/color/css_matrices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace twl {

namespace {

using namespace css;

struct Token {
    enum Kind { Number, Ident, Comma, Slash } kind = Number;
    double value = 0;
    std::string unit; // "", "%", "deg", "rad", "grad", "turn" for numbers; the name for idents
};

bool IsIdentChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The arguments between the parentheses; nullopt for anything but numbers (with a unit),
// names, commas and slashes.
std::optional<std::vector<Token>> Tokens(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == ',' || c == '/') {
            tokens.push_back({c == ',' ? Token::Comma : Token::Slash, 0, {}});
            ++i;
        } else if (IsDigit(c) || c == '.' || c == '+' || c == '-') {
            std::size_t end = i + 1;
            while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) {
                ++end;
            }
            if (end < text.size() && (text[end] == 'e' || text[end] == 'E') &&
                end + 1 < text.size() &&
                (IsDigit(text[end + 1]) || ((text[end + 1] == '+' || text[end + 1] == '-') &&
                                            end + 2 < text.size() && IsDigit(text[end + 2])))) {
                end += 2;
                while (end < text.size() && IsDigit(text[end])) {
                    ++end;
                }
            }
            const std::string number(text.substr(i, end - i));
            char* stop = nullptr;
            const double value = std::strtod(number.c_str(), &stop);
            if (number.size() > 64 || stop != number.c_str() + number.size() ||
                !std::isfinite(value)) {
                return std::nullopt;
            }
            std::size_t unitEnd = end;
            if (unitEnd < text.size() && text[unitEnd] == '%') {
                ++unitEnd;
            } else {
                while (unitEnd < text.size() && IsIdentChar(text[unitEnd])) {
                    ++unitEnd;
                }
            }
            std::string unit(text.substr(end, unitEnd - end));
            for (char& u : unit) {
                u = AsciiLower(u);
            }
            if (!unit.empty() && unit != "%" && unit != "deg" && unit != "rad" && unit != "grad" &&
                unit != "turn") {
                return std::nullopt;
            }
            tokens.push_back({Token::Number, value, unit});
            i = unitEnd;
        } else if (IsIdentChar(c)) {
            std::size_t end = i;
            while (end < text.size() && IsIdentChar(text[end])) {
                ++end;
            }
            std::string name(text.substr(i, end - i));
            for (char& n : name) {
                n = AsciiLower(n);
            }
            tokens.push_back({Token::Ident, 0, name});
            i = end;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

// A component: a number (with its unit), or "none", which counts as 0.
struct Component {
    double value = 0;
    std::string unit;
};

// The three components of the colour, its alpha aside: "a b c [/ alpha]", or with commas
// where allowed, "a, b, c[, alpha]".
std::optional<std::array<Component, 3>> Components(const std::vector<Token>& tokens,
                                                   bool commasAllowed) {
    std::vector<Component> values;
    const bool commas = std::any_of(tokens.begin(), tokens.end(),
                                    [](const Token& t) { return t.kind == Token::Comma; });
    if (commas && !commasAllowed) {
        return std::nullopt;
    }
    bool alphaSeen = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const bool separatorNext = commas ? i % 2 == 1 : false;
        if (separatorNext) {
            if (token.kind != Token::Comma) {
                return std::nullopt;
            }
            continue;
        }
        if (token.kind == Token::Slash) {
            if (commas || alphaSeen || values.size() != 3) {
                return std::nullopt;
            }
            alphaSeen = true;
            continue;
        }
        if (token.kind == Token::Comma) {
            return std::nullopt;
        }
        if (token.kind == Token::Ident && token.unit != "none") {
            return std::nullopt;
        }
        values.push_back(token.kind == Token::Ident ? Component{0, ""}
                                                    : Component{token.value, token.unit});
    }
    if (commas && tokens.size() % 2 == 0) {
        return std::nullopt; // a comma at the end
    }
    const std::size_t wanted = alphaSeen || (commas && values.size() == 4) ? 4 : 3;
    if (values.size() != wanted || (alphaSeen && values.size() != 4)) {
        return std::nullopt;
    }
    // Alpha is a number or a percentage, and dropped.
    if (wanted == 4 && values[3].unit != "" && values[3].unit != "%") {
        return std::nullopt;
    }
    return std::array<Component, 3>{values[0], values[1], values[2]};
}

// A number or a percentage of `full`; other units are refused.
std::optional<double> Scaled(const Component& c, double full) {
    if (c.unit.empty()) {
        return c.value;
    }
    if (c.unit == "%") {
        return c.value / 100 * full;
    }
    return std::nullopt;
}

// A hue in degrees: a number, or an angle.
std::optional<double> Hue(const Component& c) {
    if (c.unit.empty() || c.unit == "deg") {
        return c.value;
    }
    if (c.unit == "rad") {
        return c.value * 180 / std::acos(-1.0);
    }
    if (c.unit == "grad") {
        return c.value * 0.9;
    }
    if (c.unit == "turn") {
        return c.value * 360;
    }
    return std::nullopt;
}

double Clipped(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double Encoded(double linear) {
    const double v = Clipped(linear);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

double Decoded(double v) {
    const double sign = v < 0 ? -1 : 1;
    const double a = std::fabs(v);
    return sign * (a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4));
}

std::optional<TColor> FromEncoded(const Vector& rgb) {
    for (const double v : rgb) {
        if (std::isnan(v)) {
            return std::nullopt;
        }
    }
    const auto channel = [](double v) { return static_cast<int>(std::lround(Clipped(v) * 255)); };
    return MakeColor(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]));
}

std::optional<TColor> FromXyz65(const Vector& xyz) {
    static const Matrix toLinear = Inverse(kLinearSrgbToXyz);
    const Vector linear = Times(toLinear, xyz);
    return FromEncoded({Encoded(linear[0]), Encoded(linear[1]), Encoded(linear[2])});
}

Vector HslToEncoded(double hue, double saturation, double lightness) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) {
        hue += 360;
    }
    saturation = Clipped(saturation);
    lightness = Clipped(lightness);
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

std::optional<TColor> FromOkLab(double l, double a, double b) {
    static const Matrix toLms = Inverse(kLmsToOkLab);
    static const Matrix toXyz = Inverse(kXyzToLms);
    Vector lms = Times(toLms, {l, a, b});
    for (double& v : lms) {
        v = v * v * v;
    }
    return FromXyz65(Times(toXyz, lms));
}

std::optional<TColor> FromLab(double l, double a, double b) {
    static const Matrix toD65 = Inverse(kD65ToD50);
    constexpr double kEpsilon = kLabEpsilon;
    constexpr double kKappa = kLabKappa;
    const double fy = (l + 16) / 116;
    const double fx = a / 500 + fy;
    const double fz = fy - b / 200;
    const auto inverse = [&](double f) {
        return f * f * f > kEpsilon ? f * f * f : (116 * f - 16) / kKappa;
    };
    const Vector d50{inverse(fx) * kD50White[0], l > kKappa * kEpsilon ? fy * fy * fy : l / kKappa,
                     inverse(fz) * kD50White[2]};
    return FromXyz65(Times(toD65, d50));
}

double Radians(double degrees) {
    return degrees * std::acos(-1.0) / 180;
}

std::optional<TColor> FromFunction(const std::string& name, const std::vector<Token>& tokens) {
    const bool legacy = name == "rgb" || name == "rgba" || name == "hsl" || name == "hsla";
    if (name == "color") {
        if (tokens.empty() || tokens[0].kind != Token::Ident) {
            return std::nullopt;
        }
        const std::string space = tokens[0].unit;
        const auto c = Components({tokens.begin() + 1, tokens.end()}, false);
        if (!c || (space != "srgb" && space != "display-p3")) {
            return std::nullopt;
        }
        Vector v{};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto s = Scaled((*c)[i], 1);
            if (!s) {
                return std::nullopt;
            }
            v[i] = *s;
        }
        if (space == "srgb") {
            return FromEncoded(v);
        }
        return FromXyz65(Times(kLinearP3ToXyz, {Decoded(v[0]), Decoded(v[1]), Decoded(v[2])}));
    }
    const auto c = Components(tokens, legacy);
    if (!c) {
        return std::nullopt;
    }
    const Component& c0 = (*c)[0];
    const Component& c1 = (*c)[1];
    const Component& c2 = (*c)[2];
    if (name == "rgb" || name == "rgba") {
        Vector v{};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto s = Scaled((*c)[i], 255);
            if (!s) {
                return std::nullopt;
            }
            v[i] = *s / 255;
        }
        return FromEncoded(v);
    }
    if (name == "hsl" || name == "hsla" || name == "hwb") {
        const auto hue = Hue(c0);
        // Percentages, or (in the space syntax) bare numbers read as percentages.
        const auto s = Scaled(c1, 100);
        const auto l = Scaled(c2, 100);
        if (!hue || !s || !l) {
            return std::nullopt;
        }
        if (name != "hwb") {
            return FromEncoded(HslToEncoded(*hue, *s / 100, *l / 100));
        }
        double white = Clipped(*s / 100), black = Clipped(*l / 100);
        if (white + black >= 1) {
            const double grey = white / (white + black);
            return FromEncoded({grey, grey, grey});
        }
        Vector v = HslToEncoded(*hue, 1, 0.5);
        for (double& x : v) {
            x = x * (1 - white - black) + white;
        }
        return FromEncoded(v);
    }
    // Lab and OKLab, straight or polar: the full scales of a percentage of lightness, of a or b
    // and of chroma.
    struct LabSpace {
        const char *straight, *polar;
        double lightness, ab, chroma;
        std::optional<TColor> (*convert)(double, double, double);
    };
    const LabSpace spaces[] = {{"lab", "lch", 100, 125, 150, FromLab},
                               {"oklab", "oklch", 1, 0.4, 0.4, FromOkLab}};
    for (const LabSpace& space : spaces) {
        if (name != space.straight && name != space.polar) {
            continue;
        }
        const auto l = Scaled(c0, space.lightness);
        if (name == space.straight) {
            const auto a = Scaled(c1, space.ab), b = Scaled(c2, space.ab);
            return l && a && b ? space.convert(*l, *a, *b) : std::nullopt;
        }
        const auto chroma = Scaled(c1, space.chroma);
        const auto hue = Hue(c2);
        return l && chroma && hue ? space.convert(*l, *chroma * std::cos(Radians(*hue)),
                                                  *chroma * std::sin(Radians(*hue)))
                                  : std::nullopt;
    }
    return std::nullopt;
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::optional<TColor> FromHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8) {
        return std::nullopt;
    }
    std::array<int, 8> d{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        d[i] = HexDigit(digits[i]);
        if (d[i] < 0) {
            return std::nullopt;
        }
    }
    if (digits.size() <= 4) {
        return MakeColor(d[0] * 17, d[1] * 17, d[2] * 17);
    }
    return MakeColor(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::optional<TColor> CieLabToColor(double lightness, double a, double b) {
    if (!std::isfinite(lightness) || !std::isfinite(a) || !std::isfinite(b)) {
        return std::nullopt;
    }
    return FromLab(lightness, a, b);
}

std::optional<TColor> ReadCssColor(std::string_view text, const ColorNameLookup& names) {
    text = Trimmed(text);
    // A declaration, "name: value;", gives its value.
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        const std::string_view property = Trimmed(text.substr(0, colon));
        if (property.empty() || !std::all_of(property.begin(), property.end(), IsIdentChar)) {
            return std::nullopt;
        }
        text = text.substr(colon + 1);
        if (!text.empty() && text.back() == ';') {
            text.remove_suffix(1);
        }
        text = Trimmed(text);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '#') {
        return FromHex(text.substr(1));
    }
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos) {
        if (!names || !std::all_of(text.begin(), text.end(), IsIdentChar)) {
            return std::nullopt;
        }
        return names(text);
    }
    if (text.back() != ')') {
        return std::nullopt;
    }
    std::string name(Trimmed(text.substr(0, open)));
    for (char& c : name) {
        c = AsciiLower(c);
    }
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    if (inside.find_first_of("()") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto tokens = Tokens(inside);
    return tokens ? FromFunction(name, *tokens) : std::nullopt;
}

} // namespace twl
