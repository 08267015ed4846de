#include "graphics/CAnimoWriter.h"

#include "foundation/CByteWriter.h"
#include "foundation/CFile.h"
#include "graphics/CAnimo.h"
#include "graphics/CFrame.h"
#include "graphics/CFrameHead.h"
#include "graphics/CImageWriter.h"
#include "graphics/CPixelFormat.h"

#include <vector>

namespace {

constexpr int kMaxCount = 0x7FFF;

void lengthText(CByteWriter& out, const CXString& text, bool withTerminator)
{
    out.i32(text.getLength() + (withTerminator ? 1 : 0));
    out.bytes(text.c_str(), size_t(text.getLength()) + (withTerminator ? 1 : 0));
}

void writeEvent(CByteWriter& out, CAnimo& animation, int event)
{
    const _annEventInfo3& info = *animation.GetEventInfo(event);
    out.text(info.name, sizeof info.name);
    out.u16(uint16_t(info.positionCount()));
    out.u32(0);
    out.u16(info.loopBack);
    out.u16(info.loopPoint);
    out.u16(info.loopCount);
    out.u16(info.loopCounter);
    out.i32(info.fps);
    out.i32(info.flags);
    out.u8(info.opacity);
    out.bytes(info.reserved55, sizeof info.reserved55);
    out.u8(info.reserved57);
    out.u8(info.reserved58);
    out.zeros(8);
    for (uint16_t frame : info.frames)
        out.u16(frame);
    for (int p = 0; p < info.positionCount(); ++p) {
        _anmFrameInfo3 none;
        const _anmFrameInfo3* record = animation.GetFrameInfo(event, p);
        if (record == nullptr)
            record = &none;
        out.u32(record->name.IsString() ? 1 : 0);
        out.u32(record->text.IsString() ? 1 : 0);
        out.s16(record->x);
        out.s16(record->y);
        out.i32(record->reserved12);
        out.u32(record->soundName.IsString() ? 1 : 0);
        out.i32(record->reserved20);
        out.u8(record->opacity);
        out.u8(record->reserved25);
        out.zeros(4);
        for (const CXString* text : {&record->name, &record->text, &record->soundName}) {
            if (text->IsString())
                lengthText(out, *text, true);
        }
    }
}

// A frame's head and planes as the file stores them; false when its planes are damaged or not
// in the file's pixel format.
bool framePlanes(CFrame& frame, int bpp, int code, CFrameHead& head, CImageWriter::FilePlanes& planes)
{
    CPackedPlanes::ReadScope raw(frame.packing());
    if (!raw.raw())
        return false;
    frame.Convert(bpp);
    if (frame.GetBpp() != bpp)
        return false;
    planes = CImageWriter::filePlanes(frame, CXRect(0, 0, frame.Width(), frame.Height()), code);
    CXPoint at = frame.GetFramePosition();
    head.width = frame.Width();
    head.height = frame.Height();
    head.x = at.x;
    head.y = at.y;
    head.code = planes.code;
    head.colourLength = int(planes.colour.size());
    head.channelCount = planes.alpha.empty() ? 0 : 4;
    head.channelSizes[3] = int(planes.alpha.size());
    return true;
}

bool writeAll(CFile* file, const CByteWriter& out)
{
    int length = int(out.size());
    return file != nullptr && file->Write(out.data().data(), length) == length;
}

} // namespace

bool CAnimoWriter::write(CAnimo& animation, CFile* file, int code)
{
    int frames = animation.GetNOF();
    int events = animation.GetNOE();
    if (frames > kMaxCount || events > kMaxCount)
        return false;
    int bpp = frames > 0 ? animation.GetFrame(0)->GetBpp() : animation.GetBpp();
    CByteWriter out;
    out.bytes("NVP", 4);
    out.s16(int16_t(frames));
    out.s16(int16_t(bpp));
    out.s16(int16_t(events));
    out.zeros(13);
    out.i32(animation.GetFPS());
    out.i32(animation.GetAnimoFlags() | animation.GetFlags());
    out.u8(animation.GetOpacity());
    out.s16(animation.RandomFramesNumber());
    out.zeros(10);
    lengthText(out, animation.Author(), false);
    lengthText(out, animation.Description(), false);
    for (int e = 0; e < events; ++e)
        writeEvent(out, animation, e);
    std::vector<CImageWriter::FilePlanes> planes(static_cast<size_t>(frames));
    for (int f = 0; f < frames; ++f) {
        CFrameHead head;
        if (!framePlanes(*animation.GetFrame(f), bpp, code, head, planes[size_t(f)]))
            return false;
        head.write(out);
    }
    for (const CImageWriter::FilePlanes& frame : planes) {
        out.bytes(frame.colour.data(), frame.colour.size());
        out.bytes(frame.alpha.data(), frame.alpha.size());
    }
    return writeAll(file, out);
}

bool CAnimoWriter::writeOldHead(CAnimo& animation, CFile* file, int code)
{
    CByteWriter out;
    out.bytes(code == COMPRESSION_NONE ? "PIK" : code == COMPRESSION_OLD ? "PI2" : "PI3", 4);
    out.s16(int16_t(animation.GetNOF()));
    out.s16(int16_t(CPixelFormat::GetFlagBpp(animation.GetBpp())));
    out.zeros(4);
    return writeAll(file, out);
}
