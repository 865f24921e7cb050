#pragma once
// The matrices of CSS Color 4 between linear sRGB, XYZ, OKLab's cone responses and OKLab, the
// Bradford adaptation from D65 to D50, and display-p3's primaries; and 3 x 3 arithmetic.

#include <array>
#include <cstddef>

namespace twl::css {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

inline Vector Times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrix that does b, then a.
inline Matrix Product(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            product[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
        }
    }
    return product;
}

inline Matrix Inverse(const Matrix& m) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix inverse{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            // The cofactor of (c, r), over the determinant.
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            inverse[r][c] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
        }
    }
    return inverse;
}

// Linear sRGB to XYZ (D65), given in rationals.
inline constexpr Matrix kLinearSrgbToXyz{
    {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
     {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
     {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
// XYZ (D65) to the cone responses of OKLab, and those (cube-rooted) to OKLab.
inline constexpr Matrix kXyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                   {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                   {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
inline constexpr Matrix kLmsToOkLab{
    {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
     {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
     {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
// The Bradford adaptation of XYZ from D65 to D50.
inline constexpr Matrix kD65ToD50{
    {{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
     {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
     {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
// Linear display-p3 to XYZ (D65).
inline constexpr Matrix kLinearP3ToXyz{{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                        {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                        {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
// D50's white point in XYZ, from its chromaticity 0.3457, 0.3585.
inline constexpr Vector kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
// CIE Lab's break between the cube root and the line.
inline constexpr double kLabEpsilon = 216.0 / 24389;
inline constexpr double kLabKappa = 24389.0 / 27;

} // namespace twl::css
