#pragma once

#include <string>

#include "platform/colour_value.h"

namespace tintavo {

// WCAG 2 relative luminance, 0 for black to 1 for white.
double RelativeLuminance(ColourValue colour);

// The WCAG 2 contrast ratio of two colours, 1 to 21, the lighter over the darker.
double ContrastRatio(ColourValue a, ColourValue b);

// The ratio cut (never rounded up) to two decimals, then ":1": "4.54:1".
std::u16string ContrastRatioText(double ratio);

// Whether a contrast ratio meets each WCAG 2 level.
struct ContrastVerdicts {
    bool aaText;        // 4.5
    bool aaLargeText;   // 3
    bool aaaText;       // 7
    bool aaaLargeText;  // 4.5
    bool nonText;       // 3, for controls and graphics
};
ContrastVerdicts JudgeContrast(double ratio);

}  // namespace tintavo
