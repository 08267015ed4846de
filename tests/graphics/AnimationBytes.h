#pragma once

// Animation files of every generation, built field by field from the layouts: "NVP", "NV+" and
// "NVI" (events with per-position records), "PAK" (named events) and the old "PIK", "PI2" and
// "PI3" (frames only, with optional EXT, SEQ and POS chunks).

#include "ImageBytes.h"

#include <string>
#include <vector>

namespace graphicstest {

struct FramePicture {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    Bytes colour;
    Bytes alpha;
};

inline FramePicture framePicture(int width, int height, int x, int y, int seed, bool withAlpha)
{
    return {width, height, x, y, colourPlane(width, height, seed), withAlpha ? alphaPlane(width, height, seed) : Bytes()};
}

struct AnimationPosition {
    AnimationPosition(int frame, int x = 0, int y = 0, int opacity = 255, std::string name = "", std::string text = "", std::string sound = "")
        : frame(frame), x(x), y(y), opacity(opacity), name(std::move(name)), text(std::move(text)), sound(std::move(sound))
    {
    }

    int frame;
    int x;
    int y;
    int opacity;
    std::string name;
    std::string text;
    std::string sound;
};

struct AnimationEvent {
    AnimationEvent(std::string name, std::vector<AnimationPosition> positions) : name(std::move(name)), positions(std::move(positions)) {}

    std::string name;
    std::vector<AnimationPosition> positions;
    int loopBack = 0;
    int loopPoint = 0;
    int loopCount = 0;
    int fps = 0;
    int flags = 0;
    int opacity = 255;
};

struct AnimationFile {
    std::string magic = "NVP";
    int bpp = 16;
    int code = 0;
    int fps = 15;
    int flags = 0;
    int opacity = 255;
    int randomFrames = 0;
    std::string author;
    std::string description;
    std::vector<AnimationEvent> events;
    std::vector<FramePicture> frames;
    // Old format: the flag code of the pixel format, and whether EXT, SEQ and POS chunks follow.
    int bppFlag = 4;
    bool chunks = false;

    Bytes bytes() const
    {
        if (magic == "PAK")
            return pak();
        if (magic == "PIK" || magic == "PI2" || magic == "PI3")
            return old();
        return third();
    }

    // The planes of a frame packed by the file's code.
    PackedPlanes packed(const FramePicture& frame) const { return packPlanes(code, frame.colour, frame.alpha); }

private:
    ByteBuilder head() const
    {
        ByteBuilder file;
        file.text(magic).u8(0);
        return file;
    }

    static void lengthText(ByteBuilder& file, const std::string& value, bool withTerminator)
    {
        file.u32(uint32_t(value.size() + (withTerminator ? 1 : 0))).text(value);
        if (withTerminator)
            file.u8(0);
    }

    void newFrameHeads(ByteBuilder& file, size_t channelSlots) const
    {
        for (const FramePicture& frame : frames) {
            PackedPlanes planes = packed(frame);
            file.u16(unsigned(frame.width)).u16(unsigned(frame.height)).u16(unsigned(frame.x)).u16(unsigned(frame.y));
            file.u16(unsigned(code)).u32(uint32_t(planes.colour.size())).u16(planes.alpha.empty() ? 0 : 4);
            file.u32(0).u32(0).u32(0).u32(uint32_t(planes.alpha.size())).zeros((channelSlots - 4) * 4);
        }
    }

    void frameData(ByteBuilder& file) const
    {
        for (const FramePicture& frame : frames) {
            PackedPlanes planes = packed(frame);
            file.raw(planes.colour).raw(planes.alpha);
        }
    }

    Bytes third() const
    {
        ByteBuilder file = head();
        file.u16(unsigned(frames.size())).u16(unsigned(bpp)).u16(unsigned(events.size())).zeros(13);
        file.u32(uint32_t(fps)).u32(uint32_t(flags)).u8(unsigned(opacity)).u16(unsigned(randomFrames)).zeros(10);
        lengthText(file, author, false);
        lengthText(file, description, false);
        for (const AnimationEvent& event : events) {
            // The pointer field, the running loop counter and the reserved words hold junk that
            // a reader must not keep.
            file.field(event.name, 32).u16(unsigned(event.positions.size())).u32(0xDEADBEEF);
            file.u16(unsigned(event.loopBack)).u16(unsigned(event.loopPoint)).u16(unsigned(event.loopCount)).u16(0);
            file.u32(uint32_t(event.fps)).u32(uint32_t(event.flags)).u8(unsigned(event.opacity)).zeros(4);
            file.u32(0x11111111).u32(0x22222222);
            for (const AnimationPosition& position : event.positions)
                file.u16(unsigned(position.frame));
            for (const AnimationPosition& position : event.positions) {
                file.u32(position.name.empty() ? 0 : 1).u32(position.text.empty() ? 0 : 1);
                file.u16(unsigned(position.x)).u16(unsigned(position.y)).u32(0xFFFFFFFF);
                file.u32(position.sound.empty() ? 0 : 1).u32(0).u8(unsigned(position.opacity)).u8(0).u32(0x33333333);
                for (const std::string* text : {&position.name, &position.text, &position.sound}) {
                    if (!text->empty())
                        lengthText(file, *text, true);
                }
            }
        }
        newFrameHeads(file, magic == "NV+" ? 4 : 9);
        frameData(file);
        return file.bytes;
    }

    Bytes pak() const
    {
        ByteBuilder file = head();
        file.u16(unsigned(frames.size())).field(author, 128).field(description, 128).zeros(128);
        file.u16(unsigned(bpp)).u16(unsigned(events.size())).zeros(13);
        for (const AnimationEvent& event : events) {
            file.field(event.name, 32).u16(unsigned(event.positions.size())).u16(unsigned(event.loopPoint));
            file.u16(0).u16(unsigned(event.loopCount));
            for (const AnimationPosition& position : event.positions)
                file.u16(unsigned(position.frame));
            for (const AnimationPosition& position : event.positions)
                file.u16(unsigned(position.x)).u16(unsigned(position.y)).zeros(6);
        }
        newFrameHeads(file, 4);
        frameData(file);
        return file.bytes;
    }

    Bytes old() const
    {
        ByteBuilder file = head();
        file.u16(unsigned(frames.size())).u16(unsigned(bppFlag)).zeros(4);
        if (chunks)
            oldChunks(file);
        for (const FramePicture& frame : frames) {
            PackedPlanes planes = packed(frame);
            if (magic == "PIK") {
                file.u32(uint32_t(planes.colour.size())).u32(uint32_t(planes.alpha.size()));
                file.u16(unsigned(frame.width)).u16(unsigned(frame.x)).u16(unsigned(frame.height)).u16(unsigned(frame.y));
                file.zeros(2).u16(unsigned(bppFlag));
            } else {
                file.u16(unsigned(frame.width)).u16(unsigned(frame.x)).u16(unsigned(frame.height)).u16(unsigned(frame.y));
                file.zeros(2).u16(unsigned(bppFlag)).u32(planes.alpha.empty() ? 3 : 4);
                file.u32(uint32_t(planes.colour.size())).u32(0).u32(0).u32(uint32_t(planes.alpha.size()));
            }
        }
        frameData(file);
        return file.bytes;
    }

    // An EXT chunk with the texts, a SEQ chunk of the first event's frames and its POS records.
    void oldChunks(ByteBuilder& file) const
    {
        file.text("EXT").u32(0);
        lengthText(file, author, true);
        lengthText(file, description, true);
        std::vector<AnimationPosition> positions = events.empty() ? std::vector<AnimationPosition>() : events[0].positions;
        file.text("SEQ").u32(uint32_t(positions.size()));
        for (const AnimationPosition& position : positions)
            file.u32(uint32_t(position.frame));
        file.text("POS");
        for (const AnimationPosition& position : positions)
            file.u32(uint32_t(position.x)).u32(uint32_t(position.y)).u8(unsigned(position.opacity)).zeros(24);
    }
};

// Three frames (the middle one without alpha), an event of three positions with names, texts,
// offsets, opacities and sounds (one a random set of two), and an event without positions.
inline AnimationFile sampleAnimation(const std::string& magic, int code)
{
    AnimationFile file;
    file.magic = magic;
    file.code = code;
    file.fps = 12;
    file.flags = 0x7F812345;
    file.opacity = 200;
    file.randomFrames = 3;
    file.author = "Ann";
    file.description = "Walk and wait";
    for (int i = 0; i < 3; ++i)
        file.frames.push_back(framePicture(4 + i, 3, i * 2, -i, i + 1, i != 1));
    if (code == 5) {
        for (FramePicture& frame : file.frames)
            frame.colour = jpegPicture(frame.width, frame.height);
    }
    AnimationEvent walk("walk", {{2, 1, 2, 255, "first", "hello", "step.wav"}, {0}, {1, -1, 0, 128, "", "", "a.wav;b.wav"}});
    walk.loopBack = 1;
    walk.loopPoint = 2;
    walk.loopCount = 3;
    walk.fps = 8;
    walk.flags = 0x100;
    walk.opacity = 77;
    file.events.push_back(AnimationEvent("wait", {}));
    file.events.push_back(walk);
    file.chunks = true;
    return file;
}

} // namespace graphicstest
