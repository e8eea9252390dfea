#include "colour/colour_spaces.h"

#include <array>
#include <cmath>

namespace tintavo {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Vector LinearRgb(ColourValue colour) {
    return {LinearLight(colour & 0xFF), LinearLight((colour >> 8) & 0xFF), LinearLight((colour >> 16) & 0xFF)};
}

// Björn Ottosson's matrices: linear sRGB to cone responses, and their cube roots to Oklab.
constexpr Matrix kRgbToLms{{{0.4122214708, 0.5363325363, 0.0514459929},
                            {0.2119034982, 0.6806995451, 0.1073969566},
                            {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Matrix kLmsToOklab{{{0.2104542553, 0.7936177850, -0.0040720468},
                              {1.9779984951, -2.4285922050, 0.4505937099},
                              {0.0259040371, 0.7827717662, -0.8086757660}}};

// CSS Color 4's linear sRGB to XYZ (D65), and the Bradford adaptation from D65 to D50.
constexpr Matrix kRgbToXyzD65{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                               {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                               {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix kD65ToD50{{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                            {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                            {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Vector kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// CIE's f(t), linear near black so that dark colours do not take the cube root's slope.
double LabCurve(double t) {
    constexpr double kEpsilon = 216.0 / 24389;
    constexpr double kKappa = 24389.0 / 27;
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

}  // namespace

double LinearLight(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

ColourCoordinates Oklab(ColourValue colour) {
    Vector lms = Times(kRgbToLms, LinearRgb(colour));
    for (double& response : lms) response = std::cbrt(response);
    const Vector lab = Times(kLmsToOklab, lms);
    return {lab[0], lab[1], lab[2]};
}

ColourCoordinates CieLab(ColourValue colour) {
    const Vector xyz = Times(kD65ToD50, Times(kRgbToXyzD65, LinearRgb(colour)));
    const double fx = LabCurve(xyz[0] / kD50White[0]);
    const double fy = LabCurve(xyz[1] / kD50White[1]);
    const double fz = LabCurve(xyz[2] / kD50White[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

}  // namespace tintavo
