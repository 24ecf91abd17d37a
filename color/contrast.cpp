#include "color/contrast.h"

#include <algorithm>  // std::clamp
#include <cmath>      // std::floor, std::fma, std::fmax, std::fmin, std::abs
#include <cstdint>

namespace tintrel {

namespace {

struct CriterionRow {
    std::string_view Number;
    double Minimum;
};

constexpr std::array<CriterionRow, kContrastCriteria.size()> kCriterionRows{{
    {"1.4.3", 4.5},
    {"1.4.3", 3.0},
    {"1.4.6", 7.0},
    {"1.4.6", 4.5},
    {"1.4.11", 3.0},
}};

const CriterionRow& RowOf(ContrastCriterion criterion) {
    return kCriterionRows[static_cast<std::size_t>(criterion)];
}

// Lightness is searched to far finer steps than the 8-bit colours it ends in.
constexpr int kLightnessSteps = 40;
constexpr int kChromaSteps = 32;
// How far rounding in the matrices may carry a colour of the gamut's surface outside it.
constexpr double kGamutSlack = 1e-9;

bool InsideGamut(const Components& linear) {
    return std::ranges::all_of(linear, [](double c) { return c >= -kGamutSlack && c <= 1 + kGamutSlack; });
}

// The colour of OKLCH lightness `lightness` and hue `hue`, with `chroma` or, where that lies outside
// sRGB, the largest chroma inside it.
Rgb8 AtLightness(double lightness, double chroma, double hue) {
    const auto linearAt = [&](double c) { return LinearSrgbOfOkLab(LabOfPolar({lightness, c, hue})); };
    Components linear = linearAt(chroma);
    if (!InsideGamut(linear)) {
        // A grey is inside at every lightness, and the gamut is convex around it along a hue's line.
        double inside = 0;
        double outside = chroma;
        for (int step = 0; step < kChromaSteps; ++step) {
            const double middle = (inside + outside) / 2;
            (InsideGamut(linearAt(middle)) ? inside : outside) = middle;
        }
        linear = linearAt(inside);
    }
    return RgbOfLinear(linear);
}

struct Candidate {
    Rgb8 Color;
    double Distance = 0;  // in OKLCH lightness from the text colour
    double Ratio = 0;
};

}  // namespace

std::string_view CriterionNumber(ContrastCriterion criterion) {
    return RowOf(criterion).Number;
}

double MinimumRatio(ContrastCriterion criterion) {
    return RowOf(criterion).Minimum;
}

bool MeetsCriterion(double ratio, ContrastCriterion criterion) {
    return ratio >= MinimumRatio(criterion);
}

std::string RatioText(double ratio, int decimals, std::string_view separator) {
    decimals = std::clamp(decimals, 0, 9);
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    // Any ratio of two colours lies from 1 to 21; the bounds only keep the conversions below defined.
    const double value = std::fmin(std::fmax(ratio, 0.0), 1e6);
    const auto factor = static_cast<double>(scale);
    // The product may round up onto the next whole number (the double nearest 14.43 lies below it, yet
    // × 100 gives 1443); the fused multiply-add sees the sign of the exact difference and puts it right.
    double units = std::floor(value * factor);
    if (std::fma(value, factor, -units) < 0) {
        units -= 1;
    } else if (std::fma(value, factor, -(units + 1)) >= 0) {
        units += 1;
    }
    const auto whole = static_cast<std::int64_t>(units);
    std::string text = std::to_string(whole / scale);
    if (decimals > 0) {
        const std::string fraction = std::to_string(whole % scale + scale);  // a leading 1 keeps the zeros
        text.append(separator).append(fraction, 1);
    }
    return text;
}

std::optional<Rgb8> NearestPassingText(const ContrastPair& pair, double minimumRatio) {
    if (ContrastRatio(pair.Text, pair.Back) >= minimumRatio) {
        return pair.Text;
    }
    const Components lch = PolarOf(OkLabOf(pair.Text));
    const auto ratioAt = [&](double lightness) {
        return ContrastRatio(AtLightness(lightness, lch[1], lch[2]), pair.Back);
    };
    // Away from the text colour the ratio only grows once the lightness has passed the background's, so
    // on each side the passing lightnesses run from one boundary to the end (black or white).
    std::optional<Candidate> best;
    for (const double end : {0.0, 1.0}) {
        if (ratioAt(end) < minimumRatio) {
            continue;
        }
        double failing = lch[0];
        double passing = end;
        for (int step = 0; step < kLightnessSteps; ++step) {
            const double middle = (failing + passing) / 2;
            (ratioAt(middle) >= minimumRatio ? passing : failing) = middle;
        }
        const Candidate candidate{AtLightness(passing, lch[1], lch[2]), std::abs(passing - lch[0]), ratioAt(passing)};
        if (!best || candidate.Distance < best->Distance ||
            (candidate.Distance == best->Distance && candidate.Ratio > best->Ratio)) {
            best = candidate;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return best->Color;
}

}  // namespace tintrel
