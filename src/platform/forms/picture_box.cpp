#include "platform/forms/picture_box.h"

#include <cmath>

namespace tintavo {
namespace {

constexpr double kTwipsPerInch = 1440.0;

int TwipsToPixels(double twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

float PixelsToTwips(int pixels, int dpi) { return static_cast<float>(pixels * kTwipsPerInch / dpi); }

}  // namespace

PictureBox::PictureBox(SurfaceFactory& surfaces, ColourValue backColour, Geometry geometry)
    : surfaces_(surfaces), backColour_(backColour) {
    Resize(geometry);
}

float PictureBox::ScaleWidth() const { return PixelsToTwips(geometry_.interiorWidthPixels, geometry_.dpi); }

float PictureBox::ScaleHeight() const { return PixelsToTwips(geometry_.interiorHeightPixels, geometry_.dpi); }

void PictureBox::SetBackColor(ColourValue colour) {
    backColour_ = colour;
    image_->Fill(colour);
    ImageChanged();
}

void PictureBox::PaintPicture(const ImageSurface& picture, float x1, float y1, float width1, float height1,
                              float x2, float y2, float width2, float height2) {
    const int dpi = geometry_.dpi;
    const PixelRect destination{TwipsToPixels(x1, dpi), TwipsToPixels(y1, dpi), TwipsToPixels(width1, dpi),
                                TwipsToPixels(height1, dpi)};
    const PixelRect from{TwipsToPixels(x2, dpi), TwipsToPixels(y2, dpi), TwipsToPixels(width2, dpi),
                         TwipsToPixels(height2, dpi)};
    // The same colour stretched again changes nothing on screen: no repaint on such a tick.
    if (image_->StretchFrom(picture, destination, from)) ImageChanged();
}

ColourValue PictureBox::Point(float x, float y) const {
    const double px = std::floor(x * geometry_.dpi / kTwipsPerInch);
    const double py = std::floor(y * geometry_.dpi / kTwipsPerInch);
    if (!(px >= 0 && py >= 0 && px < image_->Width() && py < image_->Height())) return -1;
    return image_->PixelAt(static_cast<int>(px), static_cast<int>(py));
}

void PictureBox::Resize(Geometry geometry) {
    geometry_ = geometry;
    std::unique_ptr<ImageSurface> image =
        surfaces_.CreateSurface(geometry.interiorWidthPixels, geometry.interiorHeightPixels);
    image->Fill(backColour_);
    // What the image showed stays, scaled to the new size.
    if (image_) {
        static_cast<void>(image->StretchFrom(*image_, {0, 0, image->Width(), image->Height()},
                                             {0, 0, image_->Width(), image_->Height()}));
    }
    image_ = std::move(image);
    ImageChanged();
}

void PictureBox::AttachView(View* view) {
    view_ = view;
    shownVersion_ = imageVersion_;
    if (view_) view_->Repaint();
}

void PictureBox::ImageChanged() {
    ++imageVersion_;
    ViewBatch::Show(*this);
}

void PictureBox::ShowPending() {
    if (!view_ || shownVersion_ == imageVersion_) return;
    shownVersion_ = imageVersion_;
    view_->Repaint();
}

}  // namespace tintavo
