#include "window/colour_info.h"

#include "colour/colour_names.h"

namespace tintavo {
namespace {

// A line is written only when its text changes, which spares its window a repaint.
void Show(Label& line, std::u16string caption) {
    if (line.Caption() != caption) line.SetCaption(std::move(caption));
}

std::u16string Mark(bool passes) { return passes ? u"○" : u"×"; }
std::u16string Word(bool passes) { return passes ? u"合格" : u"不合格"; }

}  // namespace

ColourInfo::ColourInfo(Form1& form, ColourMenus& menus) : form_(form), menus_(menus), swatch_(form) {
    MakeReference.Click.Handle([this] {
        reference_ = shown_;
        ShowContrast();
        ReferenceChanged.Raise();
    });
    for (std::size_t i = 0; i < Formats.size(); ++i) {
        Formats[i].Click.Handle([this, i] { menus_.CopyFormat(shown_, formats_[i]); });
    }
}

void ColourInfo::ShowAll() {
    swatch_.Changed();
    shown_ = SwatchColour(form_);
    Show(Name, u"名前  " + ColourName(shown_));
    formats_ = ColourFormats(shown_);
    for (std::size_t i = 0; i < Formats.size(); ++i) Show(Formats[i], formats_[i]);
    ShowContrast();
}

bool ColourInfo::Update() {
    if (!swatch_.Changed()) return false;
    ShowAll();
    return true;
}

void ColourInfo::ShowContrast() {
    Show(ReferenceLine, u"基準色  " + ColourCode(reference_));
    ratio_ = ContrastRatio(shown_, reference_);
    Show(Ratio, u"コントラスト比  " + ContrastRatioText(ratio_));
    const ContrastVerdicts v = JudgeContrast(ratio_);
    // The tabs line the verdicts of AA and AAA up in columns.
    Show(Verdicts[0], u"AA\t本文 " + Mark(v.aaText) + u"\t大きな文字 " + Mark(v.aaLargeText));
    Show(Verdicts[1], u"AAA\t本文 " + Mark(v.aaaText) + u"\t大きな文字 " + Mark(v.aaaLargeText));
    Show(Verdicts[2], u"非テキスト " + Mark(v.nonText));
}

std::u16string ColourInfo::SpokenContrast() const {
    const ContrastVerdicts v = JudgeContrast(ratio_);
    return u"コントラスト比 " + ContrastRatioText(ratio_) + u"、AA 本文 " + Word(v.aaText) + u"、AA 大きな文字 " +
           Word(v.aaLargeText) + u"、AAA 本文 " + Word(v.aaaText) + u"、AAA 大きな文字 " + Word(v.aaaLargeText) +
           u"、非テキスト " + Word(v.nonText);
}

}  // namespace tintavo
