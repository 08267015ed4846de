#include "graphics/CAnimoReader.h"

#include "foundation/CByteReader.h"
#include "foundation/CFileBytes.h"
#include "graphics/CAnimo.h"
#include "graphics/CFrame.h"
#include "graphics/CFrameSoundFactory.h"
#include "graphics/CImageReader.h"
#include "graphics/CPixelFormat.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

constexpr size_t kMagicHead = 12;
constexpr size_t kTextField = 128;
constexpr size_t kEventNameField = 32;
constexpr int kStandardFps = 15;
// Frame sounds are streamed at play time instead of made at load.
constexpr int kStreamSounds = CAnimo::StreamSounds;

bool isOneOf(const char* magic, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (std::strcmp(magic, name) == 0)
            return true;
    }
    return false;
}

// Text up to the first NUL within a field.
CXString fieldText(const uint8_t* field, size_t width)
{
    size_t length = 0;
    while (length < width && field[length] != 0)
        ++length;
    CXString text{int(length)};
    std::memcpy(text.getBuffer(), field, length);
    text.getBuffer()[length] = 0;
    text.updateLength();
    return text;
}

} // namespace

int CAnimoReader::read(CAnimo& animation, CFile* file)
{
    CFileBytes bytes(file);
    return read(animation, bytes.data(), bytes.size());
}

int CAnimoReader::read(CAnimo& animation, const uint8_t* data, size_t size)
{
    animation.Flush();
    CByteReader in(data, size);
    const uint8_t* head = in.take(kMagicHead);
    char magic[4] = {};
    if (head != nullptr)
        std::memcpy(magic, head, 3);
    CAnimoReader reader(animation, in);
    bool whole = false;
    if (isOneOf(magic, {"NVI", "NV+", "NVP"}) && in.back(kMagicHead))
        whole = reader.readThird(magic);
    else if (std::strcmp(magic, "PAK") == 0 && in.back(kMagicHead))
        whole = reader.readPak();
    else if (isOneOf(magic, {"PIK", "PI2", "PI3"}) && in.back(kMagicHead - 4))
        whole = reader.readOld(magic);
    if (!whole) {
        animation.Flush();
        return CImageReader::DAMAGED;
    }
    return 0;
}

CXString CAnimoReader::text(int64_t length)
{
    const uint8_t* bytes = in_.take(length);
    return bytes != nullptr ? fieldText(bytes, size_t(length)) : CXString();
}

int CAnimoReader::addEvent(_annEventInfo3& info, int positions)
{
    const uint8_t* frames = in_.take(int64_t(positions) * 2);
    if (frames == nullptr)
        return -1;
    for (int p = 0; p < positions; ++p)
        info.frames.push_back(uint16_t(frames[2 * p] | frames[2 * p + 1] << 8));
    return animation_.AddEvent(info);
}

bool CAnimoReader::readOld(const char* magic)
{
    int frames = in_.s16();
    int bppFlag = in_.s16();
    in_.skip(4);
    if (in_.failed() || frames < 0 || !readChunks())
        return false;
    int code = std::strcmp(magic, "PIK") == 0 ? COMPRESSION_NONE : std::strcmp(magic, "PI2") == 0 ? COMPRESSION_OLD : COMPRESSION_LZW;
    animation_.SetBpp(CPixelFormat::GetRealBpp(bppFlag));
    animation_.SetCompression(_compression(code));
    if (!readHeads(frames, code == COMPRESSION_NONE ? CFrameHead::OLD_1 : CFrameHead::OLD_2) || !readFrames(code, 0))
        return false;
    convertToDisplay();
    makeStandardEvents();
    return true;
}

bool CAnimoReader::readChunks()
{
    // The SEQ order and POS offsets fit only one event, which the standard events replace: they
    // are read past.
    int positions = 0;
    if (in_.startsWith("EXT", 3)) {
        in_.skip(3 + 4);
        animation_.Author() = text(in_.i32());
        animation_.Description() = text(in_.i32());
    }
    if (in_.startsWith("SEQ", 3)) {
        in_.skip(3);
        positions = in_.i32() & 0xFFFF;
        in_.skip(size_t(positions) * 4);
    }
    if (in_.startsWith("POS", 3))
        in_.skip(3 + size_t(positions) * 33);
    return !in_.failed();
}

bool CAnimoReader::readPak()
{
    in_.skip(4);
    int frames = in_.s16();
    const uint8_t* author = in_.take(kTextField);
    const uint8_t* description = in_.take(kTextField);
    in_.skip(kTextField);
    int bpp = in_.s16();
    int events = in_.s16();
    in_.skip(13);
    if (in_.failed() || frames < 0 || events < 0)
        return false;
    animation_.Author() = fieldText(author, kTextField);
    animation_.Description() = fieldText(description, kTextField);
    animation_.SetBpp(bpp == 0 ? 15 : bpp);
    for (int e = 0; e < events; ++e) {
        const uint8_t* name = in_.take(kEventNameField);
        int positions = in_.s16();
        int loop = in_.s16();
        in_.skip(2);
        int loopCount = in_.s16();
        if (in_.failed() || positions < 0)
            return false;
        _annEventInfo3 info;
        info.setName(fieldText(name, kEventNameField));
        info.loopBack = info.loopPoint = uint16_t(loop);
        info.loopCount = uint16_t(loopCount);
        info.fps = kStandardFps;
        int event = addEvent(info, positions);
        for (int p = 0; event >= 0 && p < positions; ++p) {
            _anmFrameInfo3* record = animation_.GetFrameInfo(event, p);
            record->x = in_.s16();
            record->y = in_.s16();
            in_.skip(6);
        }
    }
    if (in_.failed() || !readHeads(frames, CFrameHead::SHORT_NEW) || !readFrames(-1, animation_.GetBpp()))
        return false;
    if (events == 0)
        makeStandardEvents();
    convertToDisplay();
    return true;
}

bool CAnimoReader::readThird(const char* magic)
{
    in_.skip(4);
    int frames = in_.s16();
    int bpp = in_.s16();
    int events = in_.s16();
    in_.skip(13);
    int fps = in_.i32();
    int flags = in_.i32();
    int opacity = in_.u8();
    int16_t randomFrames = in_.s16();
    in_.skip(10);
    animation_.Author() = text(in_.i32());
    animation_.Description() = text(in_.i32());
    if (in_.failed() || frames < 0 || events < 0)
        return false;
    // The low byte is the graphics object's flags word, the next two bytes the animation's.
    bool newer = std::strcmp(magic, "NVI") != 0;
    animation_.SetFlags(flags & 0xFF);
    animation_.SetAnimoFlags((flags & 0xFFFF00) | (newer ? CAnimo::NewFormatFile : 0));
    animation_.SetFPS(fps);
    animation_.SetOpacity(uint8_t(opacity));
    animation_.RandomFramesNumber() = randomFrames;
    animation_.SetBpp(bpp);
    for (int e = 0; e < events; ++e) {
        if (!readThirdEvent())
            return false;
    }
    CFrameHead::Layout layout = std::strcmp(magic, "NV+") == 0 ? CFrameHead::SHORT_NEW : CFrameHead::LONG_NEW;
    if (!readHeads(frames, layout) || !readFrames(-1, bpp))
        return false;
    if (!heads_.empty())
        animation_.SetCompression(_compression(heads_.front().code));
    if ((animation_.GetAnimoFlags() & kStreamSounds) == 0)
        makeSounds();
    return true;
}

bool CAnimoReader::readThirdEvent()
{
    const uint8_t* name = in_.take(kEventNameField);
    int positions = in_.u16();
    in_.skip(4);
    _annEventInfo3 info;
    info.loopBack = in_.u16();
    info.loopPoint = in_.u16();
    info.loopCount = in_.u16();
    info.loopCounter = in_.u16();
    info.fps = in_.i32();
    info.flags = in_.i32();
    info.opacity = in_.u8();
    info.reserved55[0] = in_.u8();
    info.reserved55[1] = in_.u8();
    info.reserved57 = in_.u8();
    info.reserved58 = in_.u8();
    in_.skip(8);
    if (in_.failed())
        return false;
    info.setName(fieldText(name, kEventNameField));
    int event = addEvent(info, positions);
    for (int p = 0; event >= 0 && p < positions && !in_.failed(); ++p) {
        _anmFrameInfo3* record = animation_.GetFrameInfo(event, p);
        bool present[3];
        present[0] = in_.u32() != 0;
        present[1] = in_.u32() != 0;
        record->x = in_.s16();
        record->y = in_.s16();
        record->reserved12 = in_.i32();
        present[2] = in_.u32() != 0;
        record->reserved20 = in_.i32();
        record->opacity = in_.u8();
        record->reserved25 = in_.u8();
        in_.skip(4);
        if (!readPositionTexts(event, p, present))
            return false;
    }
    return !in_.failed();
}

bool CAnimoReader::readPositionTexts(int event, int position, const bool present[3])
{
    _anmFrameInfo3* record = animation_.GetFrameInfo(event, position);
    CXString* texts[] = {&record->name, &record->text, &record->soundName};
    for (int i = 0; i < 3; ++i) {
        if (present[i])
            *texts[i] = text(in_.i32());
    }
    return !in_.failed();
}

bool CAnimoReader::readHeads(int count, CFrameHead::Layout layout)
{
    layout_ = layout;
    heads_.resize(size_t(count));
    for (CFrameHead& head : heads_) {
        if (!head.read(in_, layout))
            return false;
    }
    return true;
}

bool CAnimoReader::readFrames(int code, int bpp)
{
    CWindow* window = animation_.getWindow();
    for (const CFrameHead& head : heads_) {
        const uint8_t* colour = in_.take(int64_t(head.colourLength));
        int alphaLength = head.alphaLength();
        const uint8_t* alpha = alphaLength > 0 ? in_.take(int64_t(alphaLength)) : nullptr;
        if (in_.failed() || alphaLength < 0)
            return false;
        auto frame = std::make_unique<CFrame>(window);
        int frameBpp = bpp != 0 ? bpp : CPixelFormat::GetRealBpp(head.bppFlag);
        int frameCode = code >= 0 ? code : head.code;
        if (CImageReader::takePlanes(*frame, head.width, head.height, frameBpp, frameCode, colour, size_t(head.colourLength), alpha,
                                     size_t(std::max(alphaLength, 0)))
            != 0)
            return false;
        frame->SetPosition(head.x, head.y);
        frame->setHeadLayout(layout_);
        animation_.appendFrame(frame.release());
    }
    return true;
}

void CAnimoReader::makeStandardEvents()
{
    int frames = animation_.GetNOF();
    for (int e = 0; e < 3; ++e) {
        _annEventInfo3 info;
        info.setName("standard");
        info.fps = kStandardFps;
        for (int f = 0; f < frames; ++f)
            info.frames.push_back(uint16_t(e == 2 ? frames - 1 - f : f));
        animation_.AddEvent(info);
    }
}

void CAnimoReader::convertToDisplay()
{
    CWindow* window = animation_.getWindow();
    int display = window != nullptr ? window->GetBpp() : 0;
    if (display == 0)
        return;
    animation_.Convert(display);
    animation_.SetBpp(display);
}

void CAnimoReader::makeSounds()
{
    CWindow* window = animation_.getWindow();
    for (int e = 0; e < animation_.GetNOE(); ++e) {
        for (int p = 0; p < animation_.GetNOFInEvent(e); ++p) {
            const _anmFrameInfo3* record = animation_.GetFrameInfo(e, p);
            if (record != nullptr && record->soundName.IsString())
                animation_.UpdateSoundFX(e, p, CFrameSoundFactory::sound(window, record->soundName));
        }
    }
}
