#pragma once

#include <array>
#include <memory>

#include "platform/platform.h"

namespace tintavo {

// The pixels a side of the magnifier shows, centred on the pixel under the pointer.
inline constexpr int kMagnifiedSide = 11;
inline constexpr int kMagnifiedCentre = kMagnifiedSide / 2;

// The side of the square one screen pixel becomes: 9 at 96 DPI, scaled with the DPI and
// rounded half up.
int MagnifiedSquareSize(int dpi);

// Black or white, whichever contrasts more with the colour (the contrast of relative
// luminances, as WCAG defines it).
ColourValue FrameColourFor(ColourValue colour);

// The screen pixels around the one the sampling tick read, kept as a picture of 11 × 11 pixels
// for the magnifier window to draw. Pixels that lie on no monitor are black; a failed screen
// read leaves the picture as it was.
class Magnifier {
public:
    explicit Magnifier(Platform& platform);
    Magnifier(const Magnifier&) = delete;
    Magnifier& operator=(const Magnifier&) = delete;

    // After a tick of the picker: follows the pixel the tick read while it samples, and stays
    // on its picture while the colour is held. True when the picture changed.
    bool AfterTick(bool sampling, CursorPoint sampled);

    // Reads the block centred on a screen pixel; true when the picture changed.
    bool Follow(CursorPoint centre);

    const ImageSurface& Picture() const { return *picture_; }
    ColourValue PixelAt(int column, int row) const;
    // The colour of the frame around the middle square.
    ColourValue FrameColour() const { return FrameColourFor(PixelAt(kMagnifiedCentre, kMagnifiedCentre)); }

private:
    using Pixels = std::array<ColourValue, kMagnifiedSide * kMagnifiedSide>;

    bool ReadInto(ImageSurface& target, CursorPoint centre);

    Platform& platform_;
    std::unique_ptr<ImageSurface> picture_;
    // The next picture is read here, so that a failed or partial read never shows.
    std::unique_ptr<ImageSurface> reading_;
    Pixels shown_{};
};

}  // namespace tintavo
