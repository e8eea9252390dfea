// Draws the program's images and writes them as banner.bmp and tintavo.ico into the directory
// given as the first argument. The build does not run this tool: the images it writes are
// committed under resources/, so run it again after changing a design here.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendU8(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
}

void AppendU16(Bytes& out, unsigned value) {
    AppendU8(out, value);
    AppendU8(out, value >> 8);
}

void AppendU32(Bytes& out, std::uint32_t value) {
    AppendU16(out, value & 0xFFFFu);
    AppendU16(out, value >> 16);
}

void AppendPadding(Bytes& out, std::size_t rowStart, std::size_t rowBytes) {
    while (out.size() - rowStart < rowBytes) {
        AppendU8(out, 0);
    }
}

// Rows of a Windows bitmap are padded to a multiple of four bytes.
std::size_t PaddedRowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

void AppendBitmapInfoHeader(Bytes& out, int width, int height, int bitsPerPixel,
                            std::size_t imageBytes, std::uint32_t pixelsPerMetre) {
    AppendU32(out, kBitmapInfoHeaderSize);
    AppendU32(out, static_cast<std::uint32_t>(width));
    AppendU32(out, static_cast<std::uint32_t>(height));
    AppendU16(out, 1);  // planes
    AppendU16(out, static_cast<unsigned>(bitsPerPixel));
    AppendU32(out, 0);  // BI_RGB
    AppendU32(out, static_cast<std::uint32_t>(imageBytes));
    AppendU32(out, pixelsPerMetre);
    AppendU32(out, pixelsPerMetre);
    AppendU32(out, 0);  // colours used: all that the bit depth allows
    AppendU32(out, 0);  // important colours: all
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

constexpr Rgb kWhite{255, 255, 255};

std::uint8_t MixChannel(std::uint8_t from, std::uint8_t to, double amount) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * amount));
}

Rgb Mix(Rgb from, Rgb to, double amount) {
    return {MixChannel(from.red, to.red, amount), MixChannel(from.green, to.green, amount),
            MixChannel(from.blue, to.blue, amount)};
}

class RgbImage {
public:
    RgbImage(int width, int height)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * height, kWhite) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * width_ + x;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// 24-bit BMP, bottom-up, as LoadImage and LoadBitmap read it.
Bytes EncodeBmp24(const RgbImage& image) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kPixelsPerMetreAt96Dpi = 3780;
    const std::size_t rowBytes = PaddedRowBytes(image.Width(), 24);
    const std::size_t imageBytes = rowBytes * image.Height();
    const std::uint32_t pixelOffset = kFileHeaderSize + kBitmapInfoHeaderSize;

    Bytes out;
    AppendU8(out, 'B');
    AppendU8(out, 'M');
    AppendU32(out, pixelOffset + static_cast<std::uint32_t>(imageBytes));
    AppendU32(out, 0);  // reserved
    AppendU32(out, pixelOffset);
    AppendBitmapInfoHeader(out, image.Width(), image.Height(), 24, imageBytes,
                           kPixelsPerMetreAt96Dpi);
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb pixel = image.At(x, y);
            AppendU8(out, pixel.blue);
            AppendU8(out, pixel.green);
            AppendU8(out, pixel.red);
        }
        AppendPadding(out, rowStart, rowBytes);
    }
    return out;
}

// The title banner: white above, a colour gradient below with the name over it.

constexpr int kBannerWidth = 200;
constexpr int kBannerHeight = 32;
constexpr int kGradientTop = 10;

struct GradientStop {
    int column = 0;
    Rgb colour;
};

constexpr std::array kGradientStops{
    GradientStop{0, {255, 134, 255}},  GradientStop{52, {0, 0, 255}},
    GradientStop{100, {132, 130, 132}}, GradientStop{150, {255, 255, 0}},
    GradientStop{199, {255, 255, 251}},
};

Rgb GradientColourAt(int column) {
    for (std::size_t i = 1; i < kGradientStops.size(); ++i) {
        const GradientStop& left = kGradientStops[i - 1];
        const GradientStop& right = kGradientStops[i];
        if (column <= right.column) {
            const double amount =
                static_cast<double>(column - left.column) / (right.column - left.column);
            return Mix(left.colour, right.colour, amount);
        }
    }
    return kGradientStops.back().colour;
}

// The letters of the name, drawn on a half-pixel grid: one row of a glyph is half a pixel
// high. Every glyph stands on the baseline, so its last row is the lowest.
constexpr std::string_view kGlyphCapitalT[] = {
    "############################",
    "############################",
    "############################",
    "############################",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
    "............####............",
};

constexpr std::string_view kGlyphI[] = {
    "####",
    "####",
    "####",
    "####",
    "....",
    "....",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
    "####",
};

constexpr std::string_view kGlyphN[] = {
    "####..##############....",
    "####.#################..",
    "#######################.",
    "########################",
    "######............######",
    "#####..............#####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
};

constexpr std::string_view kGlyphT[] = {
    "...####..........",
    "...####..........",
    "...####..........",
    "...####..........",
    "###############..",
    "###############..",
    "###############..",
    "###############..",
    "...####..........",
    "...####..........",
    "...####..........",
    "...####..........",
    "...####..........",
    "...####..........",
    "...####..........",
    "...####.......##.",
    "...####.....####.",
    "...#####..######.",
    "....###########..",
    ".....########....",
};

constexpr std::string_view kGlyphA[] = {
    ".....###################",
    "...#####################",
    ".#######################",
    ".#######################",
    "######............######",
    "#####..............#####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "#####..............#####",
    "######............######",
    ".#######################",
    ".#######################",
    "...#####################",
    ".....##############.####",
};

constexpr std::string_view kGlyphV[] = {
    "#####..................#####",
    ".#####................#####.",
    "..#####..............#####..",
    "..#####..............#####..",
    "...#####............#####...",
    "...#####............#####...",
    "....#####..........#####....",
    ".....#####........#####.....",
    ".....#####........#####.....",
    "......#####......#####......",
    ".......#####....#####.......",
    ".......#####....#####.......",
    "........#####..#####........",
    "........#####..#####........",
    ".........##########.........",
    "..........########..........",
};

constexpr std::string_view kGlyphO[] = {
    ".....##############.....",
    "...##################...",
    ".######################.",
    ".######################.",
    "######............######",
    "#####..............#####",
    "####................####",
    "####................####",
    "####................####",
    "####................####",
    "#####..............#####",
    "######............######",
    ".######################.",
    ".######################.",
    "...##################...",
    ".....##############.....",
};

class Glyph {
public:
    constexpr explicit Glyph(std::span<const std::string_view> rows) : rows_(rows) {}

    int Width() const { return static_cast<int>(rows_.front().size()); }
    int HeightInRows() const { return static_cast<int>(rows_.size()); }

    // Rows count upwards from the baseline: row 0 is the glyph's lowest.
    bool InkAt(int column, int rowAboveBaseline) const {
        const int rowFromTop = HeightInRows() - 1 - rowAboveBaseline;
        if (column < 0 || column >= Width() || rowFromTop < 0 || rowFromTop >= HeightInRows()) {
            return false;
        }
        return rows_[static_cast<std::size_t>(rowFromTop)][static_cast<std::size_t>(column)] == '#';
    }

private:
    std::span<const std::string_view> rows_;
};

constexpr std::array kTitleGlyphs{
    Glyph{kGlyphCapitalT}, Glyph{kGlyphI}, Glyph{kGlyphN}, Glyph{kGlyphT},
    Glyph{kGlyphA},        Glyph{kGlyphV}, Glyph{kGlyphO},
};

constexpr int kGridCellsPerPixel = 2;  // before the horizontal stretch
constexpr int kLetterGap = 10;  // in grid columns
constexpr int kTitleBaseline = 30;  // the first pixel row below the letters
constexpr double kTitleLeft = 3.0;
constexpr double kTitleRight = 127.0;  // the right edge of column 126
constexpr double kItalicSlant = 0.25;  // rightward shift per pixel of height
constexpr int kSupersampling = 4;  // samples per pixel along each axis, for smooth edges

struct PlacedGlyph {
    Glyph glyph;
    int firstColumn = 0;
};

std::vector<PlacedGlyph> LayOutTitle() {
    std::vector<PlacedGlyph> placed;
    int column = 0;
    for (const Glyph& glyph : kTitleGlyphs) {
        placed.push_back({glyph, column});
        column += glyph.Width() + kLetterGap;
    }
    return placed;
}

// How the upright grid maps to pixels: a grid column is `stretch` half-pixels wide, and each
// point moves right by the slant times its height above the baseline.
struct TitleGeometry {
    double originX = 0.0;
    double stretch = 1.0;

    double GridColumnWidth() const { return stretch / kGridCellsPerPixel; }
};

struct HorizontalExtent {
    double left = 0.0;
    double right = 0.0;
};

// The slanted ink of the title, relative to the origin. A grid cell is a parallelogram whose
// leftmost point is its lower left corner and whose rightmost point is its upper right one.
HorizontalExtent MeasureInk(const std::vector<PlacedGlyph>& title, const TitleGeometry& geometry) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    HorizontalExtent extent{kInfinity, -kInfinity};
    const double columnWidth = geometry.GridColumnWidth();
    for (const PlacedGlyph& placed : title) {
        for (int row = 0; row < placed.glyph.HeightInRows(); ++row) {
            for (int column = 0; column < placed.glyph.Width(); ++column) {
                if (!placed.glyph.InkAt(column, row)) {
                    continue;
                }
                const double lowerHeight = static_cast<double>(row) / kGridCellsPerPixel;
                const double upperHeight = static_cast<double>(row + 1) / kGridCellsPerPixel;
                const double x = (placed.firstColumn + column) * columnWidth;
                extent.left = std::min(extent.left, x + kItalicSlant * lowerHeight);
                extent.right =
                    std::max(extent.right, x + columnWidth + kItalicSlant * upperHeight);
            }
        }
    }
    return extent;
}

// Stretches the grid horizontally so that the ink spans exactly kTitleLeft..kTitleRight.
TitleGeometry FitTitle(const std::vector<PlacedGlyph>& title) {
    TitleGeometry geometry;
    double narrower = 0.5;
    double wider = 4.0;
    for (int step = 0; step < 50; ++step) {
        geometry.stretch = (narrower + wider) / 2;
        const HorizontalExtent extent = MeasureInk(title, geometry);
        if (extent.right - extent.left < kTitleRight - kTitleLeft) {
            narrower = geometry.stretch;
        } else {
            wider = geometry.stretch;
        }
    }
    geometry.originX = kTitleLeft - MeasureInk(title, geometry).left;
    return geometry;
}

bool TitleInkAt(const std::vector<PlacedGlyph>& title, const TitleGeometry& geometry, double x,
                double y) {
    const double height = kTitleBaseline - y;
    const double uprightX = x - geometry.originX - kItalicSlant * height;
    const int column = static_cast<int>(std::floor(uprightX / geometry.GridColumnWidth()));
    const int row = static_cast<int>(std::floor(height * kGridCellsPerPixel));
    for (const PlacedGlyph& placed : title) {
        if (placed.glyph.InkAt(column - placed.firstColumn, row)) {
            return true;
        }
    }
    return false;
}

double TitleCoverage(const std::vector<PlacedGlyph>& title, const TitleGeometry& geometry,
                     int pixelX, int pixelY) {
    int inked = 0;
    for (int sampleY = 0; sampleY < kSupersampling; ++sampleY) {
        for (int sampleX = 0; sampleX < kSupersampling; ++sampleX) {
            const double x = pixelX + (sampleX + 0.5) / kSupersampling;
            const double y = pixelY + (sampleY + 0.5) / kSupersampling;
            inked += TitleInkAt(title, geometry, x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(inked) / (kSupersampling * kSupersampling);
}

RgbImage DrawBanner() {
    RgbImage banner(kBannerWidth, kBannerHeight);
    const std::vector<PlacedGlyph> title = LayOutTitle();
    const TitleGeometry geometry = FitTitle(title);
    for (int y = kGradientTop; y < kBannerHeight; ++y) {
        for (int x = 0; x < kBannerWidth; ++x) {
            const double coverage = TitleCoverage(title, geometry, x, y);
            banner.At(x, y) = Mix(GradientColourAt(x), kWhite, coverage);
        }
    }
    return banner;
}

// The icon: a red horseshoe magnet in the 16 colours of the standard VGA palette.

constexpr std::array<Rgb, 16> kVgaPalette{{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},
    {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
    {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
}};

constexpr char kTransparent = '.';

// Palette index of a character of the icon art.
int PaletteIndexOf(char pixel) {
    switch (pixel) {
    case 'K': return 0;   // black
    case 'r': return 1;   // dark red
    case 'S': return 7;   // silver
    case 'G': return 8;   // grey
    case 'R': return 9;   // red
    case 'W': return 15;  // white
    case kTransparent: return 0;
    default: throw std::invalid_argument(std::string("no colour for icon pixel ") + pixel);
    }
}

constexpr std::string_view kMagnet32[] = {
    "................................",
    "............KKKKKKKK............",
    "..........KKWWWWWWRRKK..........",
    "........KKWWRRRRRRRRRRKK........",
    ".......KWRRRRRRRRRRRRRRrK.......",
    "......KWRRRRRRRRRRRRRRRRrK......",
    ".....KWRRRRRRRRRRRRRRRRRRrK.....",
    "....KWRRRRRRRRrrrrRRRRRRRRrK....",
    "....KWRRRRRRrrKKKKrrRRRRRRrK....",
    "...KWRRRRRRrKK....KKRRRRRRRrK...",
    "...KWRRRRRrK........KRRRRRRrK...",
    "..KWRRRRRrK..........KWRRRRRrK..",
    "..KWRRRRRrK..........KWRRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KWRRRRrK............KWRRRRrK..",
    "..KKKKKKKK............KKKKKKKK..",
    "..KWSSSSGK............KWSSSSGK..",
    "..KWSSSSGK............KWSSSSGK..",
    "..KWSSSSGK............KWSSSSGK..",
    "..KWSSSSGK............KWSSSSGK..",
    "..KKKKKKKK............KKKKKKKK..",
    "................................",
    "................................",
    "....K..K................K..K....",
    "....K..K................K..K....",
    "....K..K................K..K....",
    "................................",
    "................................",
};

constexpr std::string_view kMagnet16[] = {
    "................",
    ".....KKKKKK.....",
    "...KKRRRRRRKK...",
    "..KWWRRRRRRRrK..",
    ".KWRRRKKKKRRRrK.",
    ".KWRrK....KRRrK.",
    ".KRRrK....KRRrK.",
    ".KRRrK....KRRrK.",
    ".KRRrK....KRRrK.",
    ".KKKKK....KKKKK.",
    ".KSSGK....KSSGK.",
    ".KSSGK....KSSGK.",
    ".KKKKK....KKKKK.",
    "................",
    "..K.K......K.K..",
    "..K.K......K.K..",
};

using IconArt = std::span<const std::string_view>;

int ArtSize(IconArt art) {
    return static_cast<int>(art.size());
}

// Pixels of the colour image, four bits each, bottom-up. Transparent pixels are black, so that
// the AND mask alone decides what shows through.
void AppendIconColours(Bytes& out, IconArt art) {
    const std::size_t rowBytes = PaddedRowBytes(ArtSize(art), 4);
    for (auto row = art.rbegin(); row != art.rend(); ++row) {
        const std::size_t rowStart = out.size();
        for (std::size_t x = 0; x < row->size(); x += 2) {
            AppendU8(out, static_cast<unsigned>(PaletteIndexOf((*row)[x]) << 4 |
                                                PaletteIndexOf((*row)[x + 1])));
        }
        AppendPadding(out, rowStart, rowBytes);
    }
}

// One bit a pixel, bottom-up, set where the icon is transparent.
void AppendIconMask(Bytes& out, IconArt art) {
    const std::size_t rowBytes = PaddedRowBytes(ArtSize(art), 1);
    for (auto row = art.rbegin(); row != art.rend(); ++row) {
        const std::size_t rowStart = out.size();
        unsigned bits = 0;
        for (std::size_t x = 0; x < row->size(); ++x) {
            bits = bits << 1 | ((*row)[x] == kTransparent ? 1u : 0u);
            if (x % 8 == 7) {
                AppendU8(out, bits);
                bits = 0;
            }
        }
        AppendPadding(out, rowStart, rowBytes);
    }
}

// An icon image is a BITMAPINFOHEADER with the height doubled for the colours and the mask
// together, the palette, the colours and the mask.
Bytes EncodeIconImage(IconArt art) {
    for (const std::string_view row : art) {
        if (static_cast<int>(row.size()) != ArtSize(art)) {
            throw std::invalid_argument("icon art must be square");
        }
    }
    const int size = ArtSize(art);
    const std::size_t imageBytes =
        (PaddedRowBytes(size, 4) + PaddedRowBytes(size, 1)) * static_cast<std::size_t>(size);
    Bytes out;
    AppendBitmapInfoHeader(out, size, 2 * size, 4, imageBytes, 0);
    for (const Rgb colour : kVgaPalette) {
        AppendU8(out, colour.blue);
        AppendU8(out, colour.green);
        AppendU8(out, colour.red);
        AppendU8(out, 0);
    }
    AppendIconColours(out, art);
    AppendIconMask(out, art);
    return out;
}

Bytes EncodeIco(std::span<const IconArt> images) {
    constexpr std::uint32_t kIconDirSize = 6;
    constexpr std::uint32_t kIconDirEntrySize = 16;
    std::vector<Bytes> encoded;
    for (const IconArt art : images) {
        encoded.push_back(EncodeIconImage(art));
    }

    Bytes out;
    AppendU16(out, 0);  // reserved
    AppendU16(out, 1);  // an icon, not a cursor
    AppendU16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset =
        kIconDirSize + kIconDirEntrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        AppendU8(out, static_cast<unsigned>(ArtSize(images[i])));  // width
        AppendU8(out, static_cast<unsigned>(ArtSize(images[i])));  // height
        AppendU8(out, static_cast<unsigned>(kVgaPalette.size()));
        AppendU8(out, 0);   // reserved
        AppendU16(out, 1);  // planes
        AppendU16(out, 4);  // bits per pixel
        AppendU32(out, static_cast<std::uint32_t>(encoded[i].size()));
        AppendU32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const Bytes& image : encoded) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: draw_resources OUTPUT_DIRECTORY\n";
        return 2;
    }
    try {
        const std::filesystem::path outputDirectory = argv[1];
        const std::array<IconArt, 2> iconImages{IconArt{kMagnet32}, IconArt{kMagnet16}};
        WriteFile(outputDirectory / "banner.bmp", EncodeBmp24(DrawBanner()));
        WriteFile(outputDirectory / "tintavo.ico", EncodeIco(iconImages));
    } catch (const std::exception& error) {
        std::cerr << "draw_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
