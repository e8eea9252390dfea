#pragma once

#include <array>
#include <string>
#include <vector>

#include "colour/colour_formats.h"
#include "colour/palette.h"
#include "window/form1.h"

namespace tintavo {

// The colours of this session, newest first, each once: a colour that comes again moves to the
// top, and the oldest goes when an eleventh arrives. It lives as long as the window.
class RecentColours {
public:
    static constexpr std::size_t kLimit = 10;

    RecentColours() { colours_.reserve(kLimit + 1); }

    void Add(ColourValue colour);
    const std::vector<ColourValue>& NewestFirst() const noexcept { return colours_; }

private:
    std::vector<ColourValue> colours_;
};

// What the window menu's two colour submenus do. "形式を選んでコピー" copies the swatch's colour in
// one of several formats; "最近の色" brings back a colour that was held or copied, or copies
// them all as a palette. Each submenu
// is built from what this offers when it opens, and a choice acts on exactly what was shown.
class ColourMenus {
public:
    // Takes over the form's CodeCopied: every successful copy, by the copy label or a format,
    // is raised again as Copied.
    ColourMenus(Form1& form, Clipboard& clipboard);
    ~ColourMenus();
    ColourMenus(const ColourMenus&) = delete;
    ColourMenus& operator=(const ColourMenus&) = delete;

    // The formats of the colour the swatch shows now, as the menu lists them.
    const ColourFormatTexts& OfferFormats();
    // Copies the offered text with the copy label's retries; a busy clipboard is left as it
    // was, and nothing is announced or remembered.
    void CopyOffered(std::size_t format);
    // Copies a format's text of the colour the same way, for every other place that offers one.
    void CopyFormat(ColourValue colour, std::u16string text);

    // The recent colours as the menu lists them.
    const std::vector<ColourValue>& OfferRecent();
    // Holds the sampling as Enter does, then enters the offered colour's three components
    // into the number boxes as if typed, so that the swatch, the scroll bars and the code follow.
    void ChooseOffered(std::size_t index);
    // Copies every offered recent colour at once, newest first, in the layout; the list, the
    // sampling and the boxes stay as they are.
    void CopyOfferedPalette(PaletteLayout layout);

    const RecentColours& Recent() const noexcept { return recent_; }

    // Brackets an Enter or hotkey press: a colour it holds joins the recent colours.
    class SamplingSwitch {
    public:
        explicit SamplingSwitch(ColourMenus& menus) noexcept
            : menus_(menus), wasCapturing_(menus.form_.Capturing) {}
        ~SamplingSwitch();
        SamplingSwitch(const SamplingSwitch&) = delete;
        SamplingSwitch& operator=(const SamplingSwitch&) = delete;

    private:
        ColourMenus& menus_;
        bool wasCapturing_;
    };

    // The text of each successful copy, for screen readers.
    Event<const std::u16string&> Copied;

private:
    void OnCodeCopied(const std::u16string& code);

    Form1& form_;
    Clipboard& clipboard_;
    RecentColours recent_;
    ColourValue offeredColour_ = 0;
    ColourFormatTexts offeredFormats_;
    std::vector<ColourValue> offeredRecent_;
};

}  // namespace tintavo
