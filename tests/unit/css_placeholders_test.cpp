// The placeholders of the CSS Color 4 notations against values worked out here from the
// published formulas in long double: sRGB's transfer function, the OKLab matrices, XYZ with the
// Bradford adaptation to D50 for Lab, and HWB from the channels. A printed value must be the
// exact one rounded to its places; only where the exact value lies within 1e-9 of a half may the
// last digit differ.

#include "core/formats/color_formats.h"
#include "core/formats/color_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace twl {
namespace {

using Real = long double;
struct Triple {
    Real x, y, z;
};

Triple Apply(const Real (&m)[3][3], Triple v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Real Linearised(int channel) {
    const Real c = channel / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

Triple Xyz65(int r, int g, int b) {
    static const Real m[3][3] = {{506752.0L / 1228815, 87881.0L / 245763, 12673.0L / 70218},
                                 {87098.0L / 409605, 175762.0L / 245763, 12673.0L / 175545},
                                 {7918.0L / 409605, 87881.0L / 737289, 1001167.0L / 1053270}};
    return Apply(m, {Linearised(r), Linearised(g), Linearised(b)});
}

Triple OkLab(int r, int g, int b) {
    static const Real toLms[3][3] = {
        {0.8190224379967030L, 0.3619062600528904L, -0.1288737815209879L},
        {0.0329836539323885L, 0.9292868615863434L, 0.0361446663506424L},
        {0.0481771893596242L, 0.2642395317527308L, 0.6335478284694309L}};
    static const Real toLab[3][3] = {
        {0.2104542683093140L, 0.7936177747023054L, -0.0040720430116193L},
        {1.9779985324311684L, -2.4285922420485799L, 0.4505937096174110L},
        {0.0259040424655478L, 0.7827717124575296L, -0.8086757549230774L}};
    Triple lms = Apply(toLms, Xyz65(r, g, b));
    lms = {std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z)};
    return Apply(toLab, lms);
}

Triple CieLab(int r, int g, int b) {
    static const Real bradford[3][3] = {
        {1.0479297925449969L, 0.022946870601609652L, -0.05019226628920524L},
        {0.02962780877005599L, 0.9904344267538799L, -0.017073799063418826L},
        {-0.009243040646204504L, 0.015055191490298152L, 0.7518742814281371L}};
    const Triple xyz = Apply(bradford, Xyz65(r, g, b));
    const auto f = [](Real t) {
        return t > 216.0L / 24389 ? std::cbrt(t) : (24389.0L / 27 * t + 16) / 116;
    };
    const Real fx = f(xyz.x / (0.3457L / 0.3585L)), fy = f(xyz.y),
               fz = f(xyz.z / ((1 - 0.3457L - 0.3585L) / 0.3585L));
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Real Degrees(Real y, Real x) {
    const Real h = std::atan2(y, x) * 180 / 3.14159265358979323846264338327950288L;
    return h < 0 ? h + 360 : h;
}

// The exact value printed to `places`: rounded half away from zero, trailing zeros, a trailing
// point and the sign of zero dropped. Near a half (within 1e-9) either neighbour is accepted.
std::vector<std::string> Printed(Real value, int places) {
    const Real scale = std::pow(10.0L, places);
    const Real scaled = value * scale;
    std::vector<Real> choices{std::round(scaled)};
    if (std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5L) < 1e-9L * scale) {
        choices = {std::floor(scaled), std::ceil(scaled)};
    }
    std::vector<std::string> texts;
    for (const Real choice : choices) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*Lf", places, choice / scale);
        std::string text = buffer;
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.') {
                text.pop_back();
            }
        }
        texts.push_back(text == "-0" ? "0" : text);
    }
    return texts;
}

// A hue as printed: 0 where the chroma prints as 0, a full turn as 0.
std::vector<std::string> PrintedHue(Real hue, Real chroma, int chromaPlaces) {
    if (Printed(chroma, chromaPlaces) == std::vector<std::string>{"0"}) {
        return {"0"};
    }
    std::vector<std::string> texts = Printed(hue, 2);
    for (std::string& text : texts) {
        if (text == "360") {
            text = "0";
        }
    }
    return texts;
}

bool OneOf(const std::string& got, const std::vector<std::string>& wanted) {
    for (const std::string& text : wanted) {
        if (got == text) {
            return true;
        }
    }
    return false;
}

struct Rgb {
    int r, g, b;
};

TEST(CssPlaceholdersTest, EveryValueIsTheExactOneRoundedToItsPlaces) {
    const Rgb colors[] = {
        {0, 0, 0},       {255, 255, 255}, {128, 128, 128}, {1, 1, 1},       {254, 254, 254},
        {119, 119, 119}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 255, 0},
        {0, 255, 255},   {255, 0, 255},   {51, 102, 153},  {128, 128, 129}, {127, 128, 128},
        {255, 254, 255}, {10, 10, 11},    {200, 201, 200}, {1, 0, 0},       {0, 0, 1},
        {255, 128, 0},   {128, 0, 255},   {18, 52, 86},    {250, 128, 114}, {46, 139, 87},
        {75, 0, 130},    {240, 248, 255}, {12, 200, 7},    {99, 3, 250},    {33, 33, 34},
    };
    for (const Rgb& c : colors) {
        const TColor color = MakeColor(c.r, c.g, c.b);
        const auto value = [&](const char* placeholder) {
            return ExpandTemplate(color, placeholder);
        };
        const Triple ok = OkLab(c.r, c.g, c.b);
        const Real okChroma = std::hypot(ok.y, ok.z);
        const Triple lab = CieLab(c.r, c.g, c.b);
        const Real labChroma = std::hypot(lab.y, lab.z);
        const int high = std::max({c.r, c.g, c.b}), low = std::min({c.r, c.g, c.b});
        // HWB's hue is HSL's, from the channels.
        Real hwbHue = 0;
        if (high != low) {
            const Real d = high - low;
            hwbHue = high == c.r   ? std::fmod((c.g - c.b) / d + 6, 6.0L) * 60
                     : high == c.g ? ((c.b - c.r) / d + 2) * 60
                                   : ((c.r - c.g) / d + 4) * 60;
        }
        const std::pair<const char*, std::vector<std::string>> cases[] = {
            {"{okl}", Printed(ok.x * 100, 2)},
            {"{oka}", Printed(ok.y, 4)},
            {"{okb}", Printed(ok.z, 4)},
            {"{okc}", Printed(okChroma, 4)},
            {"{okh}", PrintedHue(Degrees(ok.z, ok.y), okChroma, 4)},
            {"{labl}", Printed(lab.x, 2)},
            {"{laba}", Printed(lab.y, 2)},
            {"{labb}", Printed(lab.z, 2)},
            {"{lchc}", Printed(labChroma, 2)},
            {"{lchh}", PrintedHue(Degrees(lab.z, lab.y), labChroma, 2)},
            {"{hwbh}", Printed(hwbHue, 2)},
            {"{hwbw}", Printed(low * 100.0L / 255, 2)},
            {"{hwbb}", Printed((255 - high) * 100.0L / 255, 2)},
        };
        for (const auto& [placeholder, wanted] : cases) {
            EXPECT_TRUE(OneOf(value(placeholder), wanted))
                << placeholder << " of " << c.r << "," << c.g << "," << c.b << ": got "
                << value(placeholder) << ", wanted " << wanted.front();
        }
    }
}

// Figures published with CSS Color 4 and its examples, for red.
TEST(CssPlaceholdersTest, RedIsWhatCssColor4Publishes) {
    EXPECT_EQ(ExpandTemplate(MakeColor(255, 0, 0), "oklch({okl}% {OKC} {Okh})"),
              "oklch(62.8% 0.2577 29.23)");
    EXPECT_EQ(ExpandTemplate(MakeColor(255, 0, 0), "lab({labl}% {laba} {labb})"),
              "lab(54.29% 80.8 69.89)");
}

TEST(CssPlaceholdersTest, TheyComeAfterTheSixteenOneAfterAnother) {
    const TColor color = MakeColor(51, 102, 153);
    // {hwbh} gives "210" before {hwbw} is looked for; a value of the sixteen can form one of
    // them, as "{" + "{r}" + "kl}" becomes "{51kl}", which is none.
    EXPECT_EQ(ExpandTemplate(color, "{r}/{HWBH}/{hwbw}%/{okl"), "51/210/20%/{okl");
    EXPECT_EQ(ExpandTemplate(color, "{ok{l}}"), "{ok40}");
    EXPECT_EQ(ExpandTemplate(color, "{name}"), ""); // no names given
}

TEST(CssPlaceholdersTest, TheNameIsTheNearestInOkLabAndATieGoesToTheFirst) {
    const ColorNames names(std::vector<std::string>{
        "#FF0000=red", "#FE0000=nearly red", "#00FFFF=aqua", "#00FFFF=cyan", "not a colour=x",
        "#808080=grey", "#000000=black"});
    const std::pair<Rgb, const char*> cases[] = {
        {{255, 0, 0}, "red"},        {{254, 0, 0}, "nearly red"}, {{0, 255, 255}, "aqua"},
        {{250, 2, 2}, "nearly red"}, {{130, 128, 128}, "grey"},   {{10, 10, 10}, "black"},
    };
    for (const auto& [c, name] : cases) {
        EXPECT_EQ(ExpandTemplate(MakeColor(c.r, c.g, c.b), "{NAME}", &names), name);
    }
    EXPECT_EQ(ColorNames(std::vector<std::string>{}).Nearest(0), "");
}

} // namespace
} // namespace twl
