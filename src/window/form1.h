#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/platform.h"

namespace tintavo {

inline constexpr std::u16string_view kStatusSampling = u"色取得中...<ENTER>キーで確定";
inline constexpr std::u16string_view kStatusHeld = u"<ENTER>キーで色取得開始";

// The picker window: its controls, its form-level state and its handlers. It knows nothing
// of Win32; the platform creates it, shows its controls and raises its events.
class Form1 {
public:
    Form1(Platform& platform, int dpi);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Lays the pictures out anew for a monitor of another DPI.
    void ChangeDpi(int dpi);

    // Events of the window itself.
    void Form_Load();
    void Form_KeyPress(std::int16_t& KeyAscii);
    // The pointer moved over the window's own surface, outside every control.
    void Form_MouseMove();

    // Builds the colour code in Text2 from the three component texts.
    void ChangeH();

    WindowHandle hWnd = 0;

    PictureBox Picture2;
    PictureBox Picture1;
    Label Label1{u"R"};
    Label Label2{u"G"};
    Label Label3{u"B"};
    std::array<TextBox, 3> Text1{{TextBox(u"0"), TextBox(u"0"), TextBox(u"0")}};
    std::array<ScrollBar, 3> HScroll1{{ScrollBar(kComponentRange), ScrollBar(kComponentRange),
                                       ScrollBar(kComponentRange)}};
    Label Label4{std::u16string(kStatusSampling)};
    TextBox Text2;
    Label Label5{u"クリップボードへ"};
    Timer Timer1{100};

    // Raised with the code once a copy has put it on the clipboard; the window tells a screen
    // reader. A busy clipboard raises nothing.
    Event<const std::u16string&> CodeCopied;

    // Form-level state.
    bool Capturing = false;
    std::array<std::uint8_t, 6> Nibble{};
    std::array<char16_t, 6> HexDigit{};

private:
    static constexpr ScrollBar::Range kComponentRange{0, 255, 1, 5};

    void Picture2_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Timer1_Timer();
    void Text1_Change(int Index);
    void HScroll1_Change(int Index);
    void Label5_Click();
    void Label5_MouseMove();
    void Label5_MouseUp();

    // The value 0..255 of a component as its text gives it.
    int ComponentValue(int index) const;
    void RepaintSwatch();

    Platform& platform_;
};

// The colour the swatch shows, read at its centre.
ColourValue SwatchColour(const Form1& form);

}  // namespace tintavo
