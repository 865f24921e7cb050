#include "core/contrast/color_vision.h"

#include "core/color/css_color.h"
#include "core/color/css_matrices.h"

namespace twl {

namespace {

using css::Matrix;
using css::Times;
using css::Vector;

// Smith and Pokorny (1975): XYZ to the cone responses L, M and S.
constexpr Matrix kXyzToCones{
    {{0.15514, 0.54312, -0.03286}, {-0.15514, 0.45684, 0.03286}, {0.0, 0.0, 0.01608}}};
// CIE 1931 2° colour matching functions at 485 nm and 660 nm: tritanopes see these as normal
// observers do.
constexpr Vector kXyz485{0.05795, 0.1693, 0.6162};
constexpr Vector kXyz660{0.1649, 0.0610, 0.0};

Vector Cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The cone response `lost` given by the other two, on the plane through black and the two
// stimuli of cone responses u and v: a row of the projection.
Vector PlaneRow(const Vector& u, const Vector& v, std::size_t lost) {
    const Vector normal = Cross(u, v);
    Vector row{};
    for (std::size_t i = 0; i < 3; ++i) {
        row[i] = i == lost ? 0 : -normal[i] / normal[lost];
    }
    return row;
}

// The projection in cone space that replaces the lost response by the plane's.
Matrix Projection(const Vector& u, const Vector& v, std::size_t lost) {
    Matrix m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    m[lost] = PlaneRow(u, v, lost);
    return m;
}

struct Model {
    Matrix toCones;
    Matrix fromCones;
    Vector white;
    Matrix protan, deutan, tritan485, tritan660;
    Vector tritanSide; // which of the two tritan half-planes: the sign of this against a colour
    double side485 = 0;
};

const Model& TheModel() {
    static const Model model = [] {
        Model m;
        m.toCones = css::Product(kXyzToCones, css::kLinearSrgbToXyz);
        m.fromCones = css::Inverse(m.toCones);
        m.white = Times(m.toCones, {1, 1, 1});
        // One plane for protanopes and deuteranopes, through white and sRGB's blue: it holds
        // yellow too, and the 475 and 575 nm lights lie near it.
        const Vector blue = Times(m.toCones, {0, 0, 1});
        m.protan = Projection(m.white, blue, 0);
        m.deutan = Projection(m.white, blue, 1);
        const Vector at485 = Times(kXyzToCones, kXyz485);
        const Vector at660 = Times(kXyzToCones, kXyz660);
        m.tritan485 = Projection(m.white, at485, 2);
        m.tritan660 = Projection(m.white, at660, 2);
        // The half-planes meet on the grey axis; the plane through it along S parts them.
        m.tritanSide = Cross(m.white, {0, 0, 1});
        m.side485 = Dot(m.tritanSide, at485);
        return m;
    }();
    return model;
}

} // namespace

std::string_view ColorVisionName(ColorVision vision) {
    switch (vision) {
    case ColorVision::Normal:
        return "Normal vision";
    case ColorVision::Protanopia:
        return "Protanopia";
    case ColorVision::Deuteranopia:
        return "Deuteranopia";
    case ColorVision::Tritanopia:
        return "Tritanopia";
    case ColorVision::Achromatopsia:
        return "Achromatopsia";
    }
    return {};
}

std::string_view ColorVisionShortName(ColorVision vision) {
    constexpr std::string_view kShort[kColorVisionCount] = {"Normal", "Protan", "Deutan", "Tritan",
                                                            "Achromat"};
    return kShort[static_cast<int>(vision)];
}

ColorVision ColorVisionOf(int number) {
    return number > 0 && number < kColorVisionCount ? static_cast<ColorVision>(number)
                                                    : ColorVision::Normal;
}

std::array<double, 3> SimulateLinear(const std::array<double, 3>& rgb, ColorVision vision) {
    const Model& m = TheModel();
    const Vector cones = Times(m.toCones, rgb);
    switch (vision) {
    case ColorVision::Normal:
        return rgb;
    case ColorVision::Protanopia:
        return Times(m.fromCones, Times(m.protan, cones));
    case ColorVision::Deuteranopia:
        return Times(m.fromCones, Times(m.deutan, cones));
    case ColorVision::Tritanopia: {
        const bool with485 = (Dot(m.tritanSide, cones) >= 0) == (m.side485 >= 0);
        return Times(m.fromCones, Times(with485 ? m.tritan485 : m.tritan660, cones));
    }
    case ColorVision::Achromatopsia: {
        const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        return {y, y, y};
    }
    }
    return rgb;
}

TColor SimulateColorVision(TColor color, ColorVision vision) {
    if (vision == ColorVision::Normal) {
        return color;
    }
    const std::array<double, 3> seen = SimulateLinear(
        {LinearLight(RedOf(color)), LinearLight(GreenOf(color)), LinearLight(BlueOf(color))},
        vision);
    return MakeColor(EncodedChannel(seen[0]), EncodedChannel(seen[1]), EncodedChannel(seen[2]));
}

} // namespace twl
