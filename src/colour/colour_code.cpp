#include <string_view>

#include "platform/conversions.h"
#include "window/form1.h"

namespace tintavo {
namespace {

constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";

}  // namespace

void Form1::ChangeH() {
    for (int i = 0; i < 3; ++i) {
        // The whole value the swatch and the scroll bar take, so the code always names the
        // swatch's colour; whole numbers 0..255 split exactly into two digits.
        const double x = ComponentValue(i);
        const double high = IntegerPart(x / 16.0);
        Nibble[2 * i] = FloatToByte(high);
        Nibble[2 * i + 1] = FloatToByte(x - high * 16.0);
    }
    std::u16string code = u"#";
    for (std::size_t p = 0; p < HexDigit.size(); ++p) {
        HexDigit[p] = kHexDigits[Nibble[p]];
        code += HexDigit[p];
    }
    Text2.SetText(std::move(code));
}

}  // namespace tintavo
