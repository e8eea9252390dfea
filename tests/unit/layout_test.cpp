#include "window/layout.h"

#include <gtest/gtest.h>

namespace tintavo {
namespace {

TEST(Layout, MatchesTheDesignInPixelsAt96Dpi) {
    EXPECT_EQ(ClientAreaAt(96), (PixelBox{0, 0, 288, 153}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kPicture2), 96), (PixelBox{0, 40, 80, 96}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kPicture1), 96), (PixelBox{72, 112, 1, 1}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kText1Green), 96), (PixelBox{96, 64, 41, 18}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kHScroll1Blue), 96), (PixelBox{136, 88, 145, 17}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kLabel4), 96), (PixelBox{0, 136, 289, 17}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kLabel5), 96), (PixelBox{176, 112, 105, 18}));
    // Every design value is a whole number of pixels at 96 DPI.
    for (const ControlDesign& design : kControlDesigns) {
        EXPECT_EQ(design.left % 15 + design.top % 15 + design.width % 15 + design.height % 15, 0);
    }
}

TEST(Layout, ScalesWithTheDpiButKeepsTheCaptureBufferOnePhysicalPixel) {
    EXPECT_EQ(ClientAreaAt(144), (PixelBox{0, 0, 432, 230}));
    EXPECT_EQ(ClientAreaAt(192), (PixelBox{0, 0, 576, 306}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kPicture2), 144), (PixelBox{0, 60, 120, 144}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kLabel1), 144), (PixelBox{120, 60, 26, 26}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kPicture1), 144), (PixelBox{108, 168, 1, 1}));
    EXPECT_EQ(PlaceControl(DesignOf(ControlId::kPicture1), 120), (PixelBox{90, 140, 1, 1}));
    // The status line still reaches the client area's bottom edge.
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        const PixelBox status = PlaceControl(DesignOf(ControlId::kLabel4), dpi);
        EXPECT_NEAR(status.y + status.height, ClientAreaAt(dpi).height, 1) << dpi;
    }
}

TEST(Layout, FontHeightsFollowTheDpi) {
    EXPECT_EQ(FontHeightAt(12, 96), -16);
    EXPECT_EQ(FontHeightAt(9.75, 96), -13);
    EXPECT_EQ(FontHeightAt(12, 144), -24);
}

}  // namespace
}  // namespace tintavo
