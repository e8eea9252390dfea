#include "window/colour_menus.h"

#include <algorithm>

#include "clipboard/copy_text.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

constexpr std::int16_t kEnter = 13;

}  // namespace

void RecentColours::Add(ColourValue colour) {
    std::erase(colours_, colour);
    colours_.insert(colours_.begin(), colour);
    if (colours_.size() > kLimit) colours_.pop_back();
}

ColourMenus::ColourMenus(Form1& form, Clipboard& clipboard) : form_(form), clipboard_(clipboard) {
    offeredRecent_.reserve(RecentColours::kLimit);
    form_.CodeCopied.Handle([this](const std::u16string& code) { OnCodeCopied(code); });
}

ColourMenus::~ColourMenus() { form_.CodeCopied.Handle(nullptr); }

void ColourMenus::OnCodeCopied(const std::u16string& code) {
    // The copy label copies whatever the code box holds; only a code names a colour to keep.
    if (const auto colour = ColourOfCode(code)) recent_.Add(*colour);
    Copied.Raise(code);
}

const ColourFormatTexts& ColourMenus::OfferFormats() {
    offeredColour_ = SwatchColour(form_);
    offeredFormats_ = ColourFormats(offeredColour_);
    return offeredFormats_;
}

void ColourMenus::CopyOffered(std::size_t format) {
    if (format < offeredFormats_.size()) CopyFormat(offeredColour_, offeredFormats_[format]);
}

void ColourMenus::CopyFormat(ColourValue colour, std::u16string text) {
    if (!CopyText(clipboard_, text)) return;
    recent_.Add(colour);
    Copied.Raise(text);
}

const std::vector<ColourValue>& ColourMenus::OfferRecent() {
    offeredRecent_ = recent_.NewestFirst();
    return offeredRecent_;
}

void ColourMenus::ChooseOffered(std::size_t index) {
    if (index >= offeredRecent_.size()) return;
    const ColourValue colour = offeredRecent_[index];
    if (form_.Capturing) {
        std::int16_t keyAscii = kEnter;
        form_.Form_KeyPress(keyAscii);
    }
    for (int i = 0; i < 3; ++i) form_.Text1[i].SetText(IntegerToText((colour >> (8 * i)) & 0xFF));
}

void ColourMenus::CopyOfferedPalette(PaletteLayout layout) {
    if (offeredRecent_.empty() || !CopyText(clipboard_, PaletteText(offeredRecent_, layout))) return;
    // A screen reader hears how many colours went, not the whole text.
    Copied.Raise(u"最近の色 " + IntegerToText(static_cast<std::int64_t>(offeredRecent_.size())) + u" 色");
}

ColourMenus::SamplingSwitch::~SamplingSwitch() {
    if (wasCapturing_ && !menus_.form_.Capturing) menus_.recent_.Add(SwatchColour(menus_.form_));
}

}  // namespace tintavo
