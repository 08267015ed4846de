#include "graphics/CSimpleFont6.h"

#include "foundation/CByteReader.h"
#include "foundation/CByteWriter.h"
#include "foundation/CFile.h"
#include "foundation/CFileBytes.h"
#include "foundation/CMElement.h"
#include "graphics/CAnimo.h"
#include "graphics/CImageReader.h"

#include <algorithm>
#include <cstring>

using foundation::wrapSub;

namespace {

constexpr char kMagic[] = "FNT";
constexpr int kInkThreshold = 20;

// The letter a cell is looked up by: the stand-ins for the mark-up brackets are mapped.
uint8_t lookedUp(char letter)
{
    if (letter == '@')
        return '<';
    if (letter == '$')
        return '>';
    return static_cast<uint8_t>(letter);
}

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

int8_t toSignedByte(int value)
{
    return static_cast<int8_t>(std::clamp(value, -128, 127));
}

// Columns [from, from + width) of an alpha plane of `pitch` bytes a row: how many, from the
// left (or the right), are 0 in every row before the first one with any ink.
int emptyColumns(const uint8_t* alpha, int pitch, int from, int width, int height, bool fromLeft)
{
    if (alpha == nullptr)
        return 0;
    for (int step = 0; step < width; ++step) {
        int column = from + (fromLeft ? step : width - 1 - step);
        for (int row = 0; row < height; ++row) {
            if (alpha[size_t(row) * pitch + column] != 0)
                return step;
        }
    }
    return width;
}

} // namespace

CSimpleFont6::CSimpleFont6(CWindow* window) : CGraphicsObject(window)
{
    SetAutoClip(false);
    indexLetters();
}

CSimpleFont6::CSimpleFont6(CWindow* window, const CXString& file) : CSimpleFont6(window)
{
    Load(file);
}

CSimpleFont6::CSimpleFont6(CWindow* window, CMElement* element) : CSimpleFont6(window)
{
    CXString file = element->getPropertyValue("FILENAME");
    if (file.IsString())
        Load(file);
    family_ = element->getPropertyValue("FAMILY");
    style_ = element->getPropertyValue("STYLE");
    size_ = element->getPropertyIntValue("SIZE");
}

CSimpleFont6::~CSimpleFont6()
{
    flush();
}

void CSimpleFont6::flush()
{
    kerning_.clear();
    leftMargins_.clear();
    rightMargins_.clear();
    letters_.clear();
    count_ = 0;
    cellWidth_ = 0;
    filled_ = false;
    indexLetters();
    Flush();
}

void CSimpleFont6::indexLetters()
{
    std::fill(std::begin(cells_), std::end(cells_), int16_t(-1));
    // A cell without a letter is never looked up: 0 is no letter.
    for (int cell = std::min(count_, int(INT16_MAX)) - 1; cell >= 0; --cell) {
        if (letters_[size_t(cell)] != 0)
            cells_[letters_[size_t(cell)]] = int16_t(cell);
    }
}

int CSimpleFont6::cellOf(char letter) const
{
    return cells_[lookedUp(letter)];
}

int CSimpleFont6::kerningOf(char before, int cell) const
{
    if (before == 0)
        return 0;
    int first = cellOf(before);
    return first < 0 ? 0 : kerning_[size_t(first) * size_t(count_) + size_t(cell)];
}

int CSimpleFont6::getKerning(char before, char letter)
{
    int cell = cellOf(letter);
    return cell < 0 ? 0 : kerningOf(before, cell);
}

int CSimpleFont6::getLetterWidth(char before, char letter)
{
    if (letter == ' ')
        return getLetterWidth(0, 'l');
    if (letter == '~')
        return 1;
    int cell = cellOf(letter);
    return cell < 0 ? 0 : inkWidth(cell) - kerningOf(before, cell);
}

int CSimpleFont6::getRealLetterWidth(char letter)
{
    if (letter == ' ')
        return getLetterWidth(0, 'l');
    if (letter == '~')
        return 1;
    int cell = cellOf(letter);
    return cell < 0 ? 0 : inkWidth(cell);
}

void CSimpleFont6::SetClippingRect(char letter, CXRect rect)
{
    int cell = cellOf(letter);
    if (cell < 0)
        return;
    if (!rect.IsEmpty()) {
        int shift = cell * getCellWidth() + leftMargins_[size_t(cell)];
        rect.left += shift;
        rect.right += shift;
    }
    CGraphicsObject::SetClippingRect(rect);
}

int CSimpleFont6::drawLetter(int x, int y, char before, char letter)
{
    if (letter == ' ')
        return getLetterWidth(0, 'l') + 2;
    if (letter == '~')
        return 3;
    int cell = cellOf(letter);
    if (cell < 0)
        return 2;
    int kerning = kerningOf(before, cell);
    int cellLeft = cell * getCellWidth();
    CXRect ink(cellLeft + leftMargins_[size_t(cell)], 0, cellLeft + getCellWidth() - rightMargins_[size_t(cell)], Height());
    CXRect own = GetClippingRect();
    CXRect clip = ink;
    if (!own.IsEmpty())
        clip = CXRect(std::max(ink.left, own.left), std::max(own.top, 0), std::min(ink.right, own.right), std::min(Height(), own.bottom));
    if (hasArea(clip)) {
        CGraphicsObject::SetPosition(wrapSub(wrapSub(x, ink.left), kerning), y);
        CGraphicsObject::SetClippingRect(clip);
        Redraw();
        CGraphicsObject::SetClippingRect(own);
    }
    return ink.Width() - kerning + 2;
}

void CSimpleFont6::setColor(int color)
{
    auto* pixels = reinterpret_cast<uint16_t*>(GetDataPtr());
    if (pixels != nullptr && !(filled_ && uint16_t(color) == uint16_t(color_))) {
        std::fill_n(pixels, size_t(Width()) * size_t(Height()), static_cast<uint16_t>(color));
        filled_ = true;
    }
    color_ = color;
}

bool CSimpleFont6::isMultifont()
{
    return false;
}

int CSimpleFont6::getLeftOffset(CGraphicsObject* picture)
{
    return emptyColumns(picture->GetChannelAlpha(), picture->Width(), 0, picture->Width(), picture->Height(), true);
}

int CSimpleFont6::getRightOffset(CGraphicsObject* picture)
{
    return emptyColumns(picture->GetChannelAlpha(), picture->Width(), 0, picture->Width(), picture->Height(), false);
}

int CSimpleFont6::Load(const CXString& name)
{
    flush();
    CFile file;
    if (file.Open(getWindow(), name, CFile::READ | CFile::BINARY) != 0) {
        setErrorCode(CFile::NOT_FOUND);
        return LastError();
    }
    Load(&file);
    file.Close();
    setFileName(name);
    return CGraphicsObject::Load(name);
}

int CSimpleFont6::Load(CFile* file)
{
    CFileBytes bytes(file);
    return read(bytes.data(), bytes.size());
}

int CSimpleFont6::read(const uint8_t* data, size_t size)
{
    CByteReader in(data, size);
    bool magic = in.startsWith(kMagic, 4);
    in.skip(4);
    int width = in.i32();
    int height = in.i32();
    int bpp = in.i32();
    int count = in.i32();
    // Every section must be there: the letters, the kerning, the margins and both planes.
    int64_t tables = int64_t(count) * 3 + int64_t(count) * count;
    int64_t pixels = int64_t(width) * height;
    bool sane = magic && !in.failed() && count >= 1 && width >= count && height >= 1 && (bpp == 15 || bpp == 16);
    int64_t remaining = int64_t(in.remaining());
    if (!sane || tables > remaining || pixels > (remaining - tables) / 3)
        return damaged();
    const uint8_t* letters = in.take(size_t(count));
    const uint8_t* kerning = in.take(size_t(count) * size_t(count));
    const uint8_t* left = in.take(size_t(count));
    const uint8_t* right = in.take(size_t(count));
    const uint8_t* colour = in.take(size_t(pixels) * 2);
    const uint8_t* alpha = in.take(size_t(pixels));
    flush();
    alloc(CXSize(width, height), bpp, false);
    if (GetDataPtr() == nullptr || GetChannelAlpha() == nullptr)
        return damaged();
    std::memcpy(GetDataPtr(), colour, size_t(pixels) * 2);
    std::memcpy(GetChannelAlpha(), alpha, size_t(pixels));
    SetChannelSize(3, int(pixels));
    auto bytesOf = [](const uint8_t* from, size_t n) { return std::vector<uint8_t>(from, from + n); };
    auto signedOf = [](const uint8_t* from, size_t n) {
        std::vector<int8_t> values(n);
        std::memcpy(values.data(), from, n);
        return values;
    };
    takeTables(bytesOf(letters, size_t(count)), signedOf(kerning, size_t(count) * size_t(count)), signedOf(left, size_t(count)),
               signedOf(right, size_t(count)));
    setErrorCode(0);
    return 0;
}

int CSimpleFont6::damaged()
{
    flush();
    setErrorCode(CImageReader::DAMAGED);
    return LastError();
}

void CSimpleFont6::takeTables(std::vector<uint8_t> letters, std::vector<int8_t> kerning, std::vector<int8_t> left,
                              std::vector<int8_t> right)
{
    count_ = int(letters.size());
    cellWidth_ = count_ > 0 ? Width() / count_ : 0;
    letters_ = std::move(letters);
    kerning_ = std::move(kerning);
    leftMargins_ = std::move(left);
    rightMargins_ = std::move(right);
    filled_ = false;
    indexLetters();
}

void CSimpleFont6::create(const CXString& animationFile, const CXString& fontFile)
{
    if (buildFrom(animationFile))
        write(fontFile);
}

bool CSimpleFont6::buildFrom(const CXString& animationFile)
{
    CAnimo animation(getWindow());
    flush();
    if (animation.Load(animationFile) != 0 || animation.GetNOF() == 0)
        return false;
    int count = animation.GetNOF();
    // Every frame gets a cell as large as the largest frame, so none is cut.
    int cellWidth = 1, height = 1;
    for (int f = 0; f < count; ++f) {
        cellWidth = std::max(cellWidth, animation.GetFrame(f)->Width());
        height = std::max(height, animation.GetFrame(f)->Height());
    }
    if (int64_t(cellWidth) * count * height > INT32_MAX / 2)
        return false;
    int width = cellWidth * count;
    alloc(CXSize(width, height), 16, false);
    if (GetDataPtr() == nullptr || GetChannelAlpha() == nullptr) {
        flush();
        return false;
    }
    auto* strip = reinterpret_cast<uint16_t*>(GetDataPtr());
    uint8_t* stripAlpha = GetChannelAlpha();
    std::fill_n(strip, size_t(width) * height, uint16_t(0));
    std::fill_n(stripAlpha, size_t(width) * height, uint8_t(0));
    SetChannelSize(3, width * height);
    std::vector<uint8_t> letters(size_t(count), 0);
    std::vector<int8_t> left(letters.size()), right(letters.size());
    for (int f = 0; f < count; ++f) {
        letters[size_t(f)] = uint8_t(animation.getFrameName(0, f).GetAt(0));
        CFrame* frame = animation.GetFrame(f);
        CPackedPlanes::RawScope raw(frame->packing());
        frame->Convert(16);
        // Only 16-bit planes are taken; a frame too small to convert stays without ink.
        bool sixteen = frame->GetBpp() == 15 || frame->GetBpp() == 16;
        const auto* pixels = sixteen ? reinterpret_cast<const uint16_t*>(frame->GetDataPtr()) : nullptr;
        const uint8_t* alpha = frame->GetChannelAlpha();
        int w = frame->Width(), h = frame->Height();
        for (int y = 0; pixels != nullptr && y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // The frame's outer border is never ink.
                bool border = y == 0 || y == h - 1 || x == 0 || x == w - 1;
                size_t to = size_t(y) * width + size_t(f) * cellWidth + x;
                strip[to] = border ? 0 : pixels[size_t(y) * w + x];
                stripAlpha[to] = border ? 0 : alpha != nullptr ? alpha[size_t(y) * w + x] : 255;
            }
        }
        int leftEmpty = emptyColumns(stripAlpha, width, f * cellWidth, cellWidth, height, true);
        int rightEmpty = emptyColumns(stripAlpha, width, f * cellWidth, cellWidth, height, false);
        // A cell without ink measures nothing.
        if (leftEmpty == cellWidth)
            rightEmpty = 0;
        left[size_t(f)] = toSignedByte(leftEmpty);
        right[size_t(f)] = toSignedByte(rightEmpty);
    }
    takeTables(std::move(letters), std::vector<int8_t>(size_t(count) * size_t(count)), std::move(left), std::move(right));
    for (int a = 0; a < count; ++a) {
        for (int b = 0; b < count; ++b)
            kerning_[size_t(a) * size_t(count) + size_t(b)] = measureKerning(a, b);
    }
    return true;
}

int8_t CSimpleFont6::measureKerning(int before, int cell)
{
    int cellWidth = getCellWidth();
    int pitch = Width();
    const uint8_t* alpha = GetChannelAlpha();
    size_t firstColumn = size_t(cell) * cellWidth + leftMargins_[size_t(cell)];
    // A letter without ink has no first column to meet.
    bool inked = leftMargins_[size_t(cell)] < cellWidth;
    int free = 0;
    for (int c = cellWidth - rightMargins_[size_t(before)] - 1; c >= leftMargins_[size_t(before)]; --c, ++free) {
        size_t column = size_t(before) * cellWidth + c;
        int above = 0;
        for (int row = 0; row < Height(); ++row) {
            int code = (alpha[size_t(row) * pitch + column] > kInkThreshold ? 1 : 0) +
                       (inked && alpha[size_t(row) * pitch + firstColumn] > kInkThreshold ? 2 : 0);
            if (code == 3)
                return toSignedByte(1 - free);
            if ((code == 2 && above == 1) || (code == 1 && above == 2))
                return toSignedByte(1 - (free + 1));
            above = code;
        }
    }
    return toSignedByte(1 - free);
}

void CSimpleFont6::write(const CXString& fontFile)
{
    CByteWriter out;
    out.bytes(kMagic, 4);
    out.i32(Width());
    out.i32(Height());
    out.i32(16);
    out.i32(count_);
    out.bytes(letters_.data(), letters_.size());
    out.bytes(kerning_.data(), kerning_.size());
    out.bytes(leftMargins_.data(), leftMargins_.size());
    out.bytes(rightMargins_.data(), rightMargins_.size());
    out.bytes(GetDataPtr(), size_t(Width()) * Height() * 2);
    out.bytes(GetChannelAlpha(), size_t(Width()) * Height());
    CFile file;
    if (file.Open(getWindow(), fontFile, CFile::BINARY) != 0)
        return;
    file.Write(out.data().data(), int(out.size()));
    file.Close();
}
