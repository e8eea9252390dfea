#include "window/win32/fonts.h"

#include <array>
#include <cwchar>

#include "window/layout.h"

namespace tintavo::win32 {
namespace {

constexpr wchar_t kDesignFace[] = L"ＭＳ Ｐゴシック";

// Faces with both Japanese and Latin glyphs, in order of preference. A font request by the
// design name alone may be substituted by one without Latin or without Japanese glyphs, so a
// replacement is chosen by a name that is really installed.
constexpr std::array<const wchar_t*, 8> kFallbackFaces{
    L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic",
    L"IPAPGothic", L"Noto Sans CJK JP", L"Source Han Sans JP", L"VL PGothic",
};

struct FaceSearch {
    LOGFONTW request{};
    bool found = false;
};

int CALLBACK NoteExactFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
    auto& search = *reinterpret_cast<FaceSearch*>(context);
    search.found = std::wcscmp(font->lfFaceName, search.request.lfFaceName) == 0;
    return search.found ? 0 : 1;
}

bool IsInstalled(const wchar_t* face) {
    FaceSearch search;
    search.request.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(search.request.lfFaceName, face, LF_FACESIZE - 1);
    unique_hdc_window screen(nullptr, ::GetDC(nullptr));
    ::EnumFontFamiliesExW(screen.get(), &search.request, NoteExactFace, reinterpret_cast<LPARAM>(&search), 0);
    return search.found;
}

std::wstring ChooseFace() {
    if (IsInstalled(kDesignFace)) return kDesignFace;
    for (const wchar_t* face : kFallbackFaces) {
        if (IsInstalled(face)) return face;
    }
    return kDesignFace;
}

HFONT CreateJapaneseFont(double points, int dpi, bool underline) {
    LOGFONTW font{};
    font.lfHeight = FontHeightAt(points, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    // The design face asks for the Shift-JIS character set; a replacement is asked for by
    // name alone, so the font mapper cannot swap it for a face with fewer glyphs.
    font.lfCharSet = JapaneseFace() == kDesignFace ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, JapaneseFace().c_str(), LF_FACESIZE - 1);
    return ::CreateFontIndirectW(&font);
}

HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        return CreateJapaneseFont(9, dpi, false);
    }
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace

const std::wstring& JapaneseFace() {
    static const std::wstring face = ChooseFace();
    return face;
}

FontSet CreateFontSet(int dpi) {
    FontSet fonts;
    fonts.caption.reset(CreateJapaneseFont(12, dpi, false));
    fonts.copyLabel.reset(CreateJapaneseFont(9.75, dpi, false));
    fonts.copyLabelUnderlined.reset(CreateJapaneseFont(9.75, dpi, true));
    fonts.userInterface.reset(CreateMessageFont(dpi));
    return fonts;
}

}  // namespace tintavo::win32
