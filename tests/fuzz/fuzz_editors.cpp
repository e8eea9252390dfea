// Any sequence of user actions on the component editors, with sampling in between: no crash,
// no sanitizer report, and the code always names the colour the swatch shows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/headless/headless_platform.h"
#include "window/form1.h"

namespace {

using tintavo::ColourValue;
using tintavo::Form1;

std::u16string CodeOf(ColourValue colour) {
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string code = u"#";
    for (int shift : {0, 8, 16}) {
        const int component = (colour >> shift) & 0xFF;
        code += kDigits[component / 16];
        code += kDigits[component % 16];
    }
    return code;
}

void CheckInvariants(const Form1& form) {
    const ColourValue swatch = form.Picture2.Point(form.Picture2.Width() / 2, form.Picture2.Height() / 2);
    if (!form.Text2.Text().empty() && form.Text2.Text() != CodeOf(swatch)) std::abort();
    for (const auto& bar : form.HScroll1) {
        if (bar.Value() < 0 || bar.Value() > 255) std::abort();
    }
}

// Reads the input as a script: an action byte, then what the action needs.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    std::uint8_t Byte() { return More() ? data_[at_++] : 0; }
    std::u16string Text() {
        std::u16string text;
        for (std::size_t length = Byte() % 12; length > 0 && More(); --length) {
            const std::uint8_t c = Byte();
            // Mostly the characters people type into number boxes, sometimes anything at all.
            if (c < 0xC0) {
                text.push_back(u" 0123456789+-.eE\u3000\uFF11\uFF15\uFF0Ea"[c % 21]);
            } else {
                text.push_back(static_cast<char16_t>(c << 8 | Byte()));
            }
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tintavo::headless::HeadlessPlatform platform(tintavo::headless::PixelGrid(0, 0, 256, 256, 0));
    Form1 form(platform, 96);
    form.Form_Load();
    Script script(data, size);
    while (script.More()) {
        const std::uint8_t action = script.Byte();
        const int component = action % 3;
        switch (action / 3 % 5) {
        case 0: form.Text1[component].Edited(script.Text()); break;
        case 1:
            form.HScroll1[component].Scroll(static_cast<tintavo::ScrollRequest>(script.Byte() % 8), script.Byte());
            break;
        case 2: {
            const int x = script.Byte();
            const int y = script.Byte();
            const ColourValue colour = script.Byte() | script.Byte() << 8 | script.Byte() << 16;
            platform.fake().SetCursor(x, y);
            platform.fake().ScreenImage().At(x, y) = colour;
            form.Timer1.Tick.Raise();
            break;
        }
        case 3: {
            std::int16_t enter = 13;
            form.Form_KeyPress(enter);
            break;
        }
        default: form.ChangeDpi(script.Byte() % 2 ? 96 : 144); break;
        }
        platform.fake().ClearCalls();
        CheckInvariants(form);
    }
    return 0;
}
