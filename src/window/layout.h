#pragma once

#include <array>

namespace tintavo {

// The window's design in twips (1/1440 inch; 15 twips are one pixel at 96 DPI) and its
// layout in physical pixels at any DPI. Pure functions, so the layout is tested directly.

// Control identifiers, also what a screen reader or a test sees through GetDlgCtrlID.
enum class ControlId : int {
    kPicture2 = 1001,
    kPicture1,
    kLabel1,
    kLabel2,
    kLabel3,
    kText1Red,
    kText1Green,
    kText1Blue,
    kHScroll1Red,
    kHScroll1Green,
    kHScroll1Blue,
    kLabel4,
    kText2,
    kLabel5,
};

struct ControlDesign {
    ControlId id;
    int left;
    int top;
    int width;
    int height;
};

// In tab order.
inline constexpr std::array<ControlDesign, 14> kControlDesigns{{
    {ControlId::kPicture2, 0, 600, 1200, 1440},
    {ControlId::kPicture1, 1080, 1680, 15, 15},
    {ControlId::kLabel1, 1200, 600, 255, 255},
    {ControlId::kLabel2, 1200, 960, 255, 255},
    {ControlId::kLabel3, 1200, 1320, 255, 255},
    {ControlId::kText1Red, 1440, 600, 615, 270},
    {ControlId::kText1Green, 1440, 960, 615, 270},
    {ControlId::kText1Blue, 1440, 1320, 615, 270},
    {ControlId::kHScroll1Red, 2040, 600, 2175, 255},
    {ControlId::kHScroll1Green, 2040, 960, 2175, 255},
    {ControlId::kHScroll1Blue, 2040, 1320, 2175, 255},
    {ControlId::kLabel4, 0, 2040, 4335, 255},
    {ControlId::kText2, 1320, 1680, 1215, 270},
    {ControlId::kLabel5, 2640, 1680, 1575, 270},
}};

inline constexpr int kFormClientWidthTwips = 4320;
inline constexpr int kFormClientHeightTwips = 2295;

// The swatch's drawing area lies inside a one-pixel border at every DPI.
inline constexpr int kSwatchBorderPixels = 1;

struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// Twips to pixels at a DPI, to the nearest pixel, halves up.
int TwipsToPixels(int twips, int dpi);

const ControlDesign& DesignOf(ControlId id);

// Where a control stands in the client area. The capture buffer stays one physical pixel: it
// receives exactly the pixel under the cursor.
PixelBox PlaceControl(const ControlDesign& design, int dpi);

PixelBox ClientAreaAt(int dpi);

// A font height in pixels for a size in points (negative: the character height, as
// CreateFont takes it).
int FontHeightAt(double points, int dpi);

}  // namespace tintavo
