#pragma once

#include <windows.h>

#include "color/contrast.h"
#include "color/vision_simulation.h"

namespace tintrel::contrast_layout {

// The contrast window's geometry in design units of 96 DPI, scaled to the window's DPI where it is used.

inline constexpr SIZE kClient{660, 312};

// One row per colour, the second 36 units below the first.
inline constexpr int kRowStep = 36;
inline constexpr RECT kLabel{8, 14, 66, 30};
inline constexpr RECT kSwatch{68, 8, 100, 36};
inline constexpr RECT kEdit{106, 11, 190, 33};
inline constexpr RECT kPickTarget{196, 8, 224, 36};
inline constexpr RECT kCurrent{230, 9, 316, 35};
inline constexpr RECT kSwap{106, 80, 190, 106};

inline constexpr RECT kRatioLabel{8, 120, 100, 136};
inline constexpr RECT kRatio{106, 114, 316, 140};

// The five criteria, one row each.
inline constexpr int kCriterionStep = 20;
inline constexpr RECT kCriterion{8, 148, 240, 166};
inline constexpr RECT kVerdict{244, 148, 316, 166};

// The nearest passing text colours, AA then AAA.
inline constexpr int kNearestStep = 30;
inline constexpr RECT kNearestLabel{8, 256, 140, 272};
inline constexpr RECT kNearestSwatch{146, 250, 174, 276};
inline constexpr RECT kNearestButton{180, 250, 316, 276};

// The preview, and the four simulated ones in two rows of two below it.
inline constexpr RECT kPreview{328, 8, 652, 82};
inline constexpr RECT kSimulatedLabel{328, 90, 488, 106};
inline constexpr RECT kSimulatedPreview{328, 108, 488, 196};
inline constexpr int kSimulatedColumnStep = 164;
inline constexpr int kSimulatedRowStep = 112;

// The preview's lines: the normal size, then the two sizes of large text.
inline constexpr int kPreviewMargin = 6;
inline constexpr int kNormalPoints = 12;
inline constexpr int kLargePoints = 18;
inline constexpr int kLargeBoldPoints = 14;

// The widest the balloon that refuses an entry grows.
inline constexpr int kBalloonWidth = 320;

// A rectangle moved down by `rows` steps of `step`.
constexpr RECT Below(RECT rect, int rows, int step) {
    return RECT{rect.left, rect.top + rows * step, rect.right, rect.bottom + rows * step};
}
constexpr RECT Beside(RECT rect, int columns, int step) {
    return RECT{rect.left + columns * step, rect.top, rect.right + columns * step, rect.bottom};
}

// The controls' identifiers. The background's row has the text's identifiers plus kBackOffset.
enum ControlId : int {
    kTextLabelId = 101,
    kTextSwatchId,
    kTextEditId,
    kTextPickId,
    kTextCurrentId,
    kBackLabelId,
    kBackSwatchId,
    kBackEditId,
    kBackPickId,
    kBackCurrentId,
    kSwapId,
    kRatioLabelId,
    kRatioId,
    kFirstCriterionId,                        // five, one per criterion
    kFirstVerdictId = kFirstCriterionId + 5,  // five
    kAaLabelId = kFirstVerdictId + 5,
    kAaSwatchId,
    kAaNearestId,
    kAaaLabelId,
    kAaaSwatchId,
    kAaaNearestId,
    kPreviewId,
    kFirstSimulatedLabelId,                                 // four
    kFirstSimulatedPreviewId = kFirstSimulatedLabelId + 4,  // four
};
inline constexpr int kBackOffset = kBackLabelId - kTextLabelId;
inline constexpr int kNearestOffset = kAaaLabelId - kAaLabelId;

// The nearest passing colours' criteria, and the simulated previews' kinds of vision, in their order.
inline constexpr ContrastCriterion kNearestCriteria[] = {ContrastCriterion::AaNormalText,
                                                         ContrastCriterion::AaaNormalText};
inline constexpr ColorVision kSimulations[] = {ColorVision::Protanopia, ColorVision::Deuteranopia,
                                               ColorVision::Tritanopia, ColorVision::Achromatopsia};

}  // namespace tintrel::contrast_layout
