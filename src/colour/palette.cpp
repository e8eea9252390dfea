#include "colour/palette.h"

#include "colour/colour_formats.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

// A component right-aligned in three characters, as GIMP writes its palettes.
std::u16string Column(int component) {
    std::u16string text = IntegerToText(component);
    return std::u16string(3 - text.size(), u' ') + text;
}

}  // namespace

std::u16string PaletteText(std::span<const ColourValue> colours, PaletteLayout layout) {
    std::u16string text;
    switch (layout) {
    case PaletteLayout::kLines:
        for (ColourValue colour : colours) text += ColourCode(colour) + u"\r\n";
        break;
    case PaletteLayout::kCssVariables:
        text = u":root {\r\n";
        for (std::size_t i = 0; i < colours.size(); ++i) {
            text += u"  --color-" + IntegerToText(static_cast<std::int64_t>(i + 1)) + u": " + ColourCode(colours[i]) +
                    u";\r\n";
        }
        text += u"}\r\n";
        break;
    case PaletteLayout::kJson:
        text = u"[";
        for (std::size_t i = 0; i < colours.size(); ++i) {
            text += (i == 0 ? u"\"" : u", \"") + ColourCode(colours[i]) + u"\"";
        }
        text += u"]\r\n";
        break;
    case PaletteLayout::kGimp:
        text = u"GIMP Palette\r\nName: Tintavo\r\nColumns: 0\r\n#\r\n";
        for (ColourValue colour : colours) {
            text += Column(colour & 0xFF) + u" " + Column((colour >> 8) & 0xFF) + u" " + Column((colour >> 16) & 0xFF) +
                    u"\t" + ColourCode(colour) + u"\r\n";
        }
        break;
    }
    return text;
}

}  // namespace tintavo
