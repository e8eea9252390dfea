#pragma once

#include <cstdint>
#include <memory>

#include "platform/forms/events.h"
#include "platform/forms/image_surface.h"
#include "platform/forms/view_batch.h"

namespace tintavo {

// A picture box that keeps a persistent image: drawing through hDC, PaintPicture or BackColor
// lands in the image, the control paints itself from it, and Point reads it back. Its drawing
// area is measured in twips; Width and Height give its outer size in twips. The control is
// repainted as a ViewBatch allows: once for all the drawing of a batch.
class PictureBox : private DeferredView {
public:
    class View {
    public:
        virtual ~View() = default;
        virtual void Repaint() = 0;
    };

    struct Geometry {
        int outerWidthTwips = 0;
        int outerHeightTwips = 0;
        int interiorWidthPixels = 0;
        int interiorHeightPixels = 0;
        int dpi = 96;
    };

    PictureBox(SurfaceFactory& surfaces, ColourValue backColour, Geometry geometry);
    ~PictureBox() { ViewBatch::Forget(*this); }
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    DcHandle hDC() const { return image_->Dc(); }
    const ImageSurface& Image() const { return *image_; }
    float ScaleWidth() const;
    float ScaleHeight() const;
    float Width() const { return static_cast<float>(geometry_.outerWidthTwips); }
    float Height() const { return static_cast<float>(geometry_.outerHeightTwips); }

    ColourValue BackColor() const noexcept { return backColour_; }
    // Clears the image to the colour.
    void SetBackColor(ColourValue colour);

    // Stretches a rectangle of the picture over a rectangle of the image, both in twips.
    void PaintPicture(const ImageSurface& picture, float x1, float y1, float width1, float height1, float x2,
                      float y2, float width2, float height2);

    // The colour at a point given in twips, or -1 outside the drawing area.
    ColourValue Point(float x, float y) const;
    // Counts the changes made through the box: a new back colour, a stretch that changed a
    // pixel, a new layout. Drawing straight into hDC is not counted.
    std::uint32_t ImageVersion() const noexcept { return imageVersion_; }

    // Lays the image out anew, for a new DPI, keeping what it shows.
    void Resize(Geometry geometry);

    void AttachView(View* view);

    // Button, shift state, x and y in twips.
    Event<std::int16_t, std::int16_t, float, float> MouseDown;

private:
    void ImageChanged();
    void ShowPending() override;

    SurfaceFactory& surfaces_;
    ColourValue backColour_;
    Geometry geometry_;
    std::unique_ptr<ImageSurface> image_;
    std::uint32_t imageVersion_ = 0;
    // The version the control last painted.
    std::uint32_t shownVersion_ = 0;
    View* view_ = nullptr;
};

}  // namespace tintavo
