#include "color/vision_simulation.h"

#include <utility>  // std::swap

#include "base/srgb_transfer.h"

namespace tintrel {

namespace {

using Matrix = std::array<Components, 3>;

// Cone responses of CIE XYZ: Smith and Pokorny's fundamentals, the ones Viénot, Brettel and Mollon build
// their simulations on.
constexpr Matrix kXyzToLms = {{
    {0.15514, 0.54312, -0.03286},
    {-0.15514, 0.45684, 0.03286},
    {0.0, 0.0, 0.01608},
}};

// The CIE 1931 colour-matching functions at 485 nm and 660 nm: lights a tritanope sees as a normal
// observer does, which with the neutral axis span the two half-planes of tritanopic colours.
constexpr Components kXyzOf485nm = {0.05795, 0.16930, 0.61620};
constexpr Components kXyzOf660nm = {0.16490, 0.06100, 0.00000};

constexpr std::size_t kLongCones = 0;
constexpr std::size_t kMiddleCones = 1;
constexpr std::size_t kShortCones = 2;

Components Apply(const Matrix& m, const Components& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix Transposed(const Matrix& m) {
    return {{{m[0][0], m[1][0], m[2][0]}, {m[0][1], m[1][1], m[2][1]}, {m[0][2], m[1][2], m[2][2]}}};
}

Matrix Product(const Matrix& a, const Matrix& b) {
    const Matrix columns = Transposed(b);
    return Transposed({Apply(a, columns[0]), Apply(a, columns[1]), Apply(a, columns[2])});
}

Components Cross(const Components& a, const Components& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Components& a, const Components& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The inverse as the adjugate over the determinant: its columns are crosses of the rows.
Matrix Inverse(const Matrix& m) {
    const double determinant = Dot(m[0], Cross(m[1], m[2]));
    Matrix adjugate = Transposed({Cross(m[1], m[2]), Cross(m[2], m[0]), Cross(m[0], m[1])});
    for (Components& row : adjugate) {
        for (double& value : row) {
            value /= determinant;
        }
    }
    return adjugate;
}

// Moves a colour along the axis of the missing cones onto the plane through black with `normal`.
Matrix ProjectionAlong(std::size_t missing, const Components& normal) {
    Matrix projection{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (std::size_t cone = 0; cone < 3; ++cone) {
        projection[missing][cone] = cone == missing ? 0.0 : -normal[cone] / normal[missing];
    }
    return projection;
}

// A dichromat's colours in linear-light sRGB: a colour on the positive side of `Separation` goes
// through `Positive`, any other through `Negative`.
struct Dichromacy {
    Matrix Positive;
    Matrix Negative;
    Components Separation{};
};

struct Dichromacies {
    Dichromacy Protan;
    Dichromacy Deutan;
    Dichromacy Tritan;
};

Dichromacies Build() {
    Matrix toLms{};
    for (std::size_t channel = 0; channel < 3; ++channel) {
        Components unit{};
        unit[channel] = 1;
        toLms[channel] = Apply(kXyzToLms, XyzOfLinearSrgb(unit));
    }
    toLms = Transposed(toLms);
    const Matrix fromLms = Inverse(toLms);
    const auto inLinearLight = [&](const Matrix& projection) { return Product(fromLms, Product(projection, toLms)); };

    // Protanopes and deuteranopes: one plane, through the display's black, blue and yellow (and so its
    // white and greys).
    const Components redGreenPlane = Cross(Apply(toLms, {1, 1, 0}), Apply(toLms, {0, 0, 1}));
    const Matrix protan = inLinearLight(ProjectionAlong(kLongCones, redGreenPlane));
    const Matrix deutan = inLinearLight(ProjectionAlong(kMiddleCones, redGreenPlane));

    // Tritanopes: two half-planes meeting on the neutral axis (the display's white), one through each
    // anchor light; the plane of the neutral axis and the short-cone axis parts them.
    const Components neutral = Apply(toLms, {1, 1, 1});
    Components positiveWing = Apply(kXyzToLms, kXyzOf485nm);
    Components negativeWing = Apply(kXyzToLms, kXyzOf660nm);
    const Components separation = Cross(neutral, {0, 0, 1});
    if (Dot(separation, positiveWing) < 0) {
        std::swap(positiveWing, negativeWing);
    }
    const Dichromacy tritan{inLinearLight(ProjectionAlong(kShortCones, Cross(neutral, positiveWing))),
                            inLinearLight(ProjectionAlong(kShortCones, Cross(neutral, negativeWing))),
                            Apply(Transposed(toLms), separation)};
    return {{protan, protan, {}}, {deutan, deutan, {}}, tritan};
}

const Dichromacy& DichromacyOf(ColorVision vision) {
    static const Dichromacies all = Build();
    if (vision == ColorVision::Protanopia) {
        return all.Protan;
    }
    return vision == ColorVision::Deuteranopia ? all.Deutan : all.Tritan;
}

}  // namespace

Rgb8 SimulateColorVision(Rgb8 color, ColorVision vision) {
    if (vision == ColorVision::Normal) {
        return color;
    }
    if (vision == ColorVision::Achromatopsia) {
        // The WCAG weights sum to 1, so this grey has the colour's own luminance.
        const double luminance = RelativeLuminance(color);
        return RgbOfLinear({luminance, luminance, luminance});
    }
    const Components linear{SrgbToLinear(color.R / 255.0), SrgbToLinear(color.G / 255.0),
                            SrgbToLinear(color.B / 255.0)};
    const Dichromacy& rule = DichromacyOf(vision);
    return RgbOfLinear(Apply(Dot(rule.Separation, linear) >= 0 ? rule.Positive : rule.Negative, linear));
}

}  // namespace tintrel
