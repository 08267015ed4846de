#include "graphics/CAnimo6.h"
#include "graphics/CAnimoReader.h"
#include "graphics/CFrame.h"
#include "graphics/CImageFile.h"
#include "graphics/CImageReader.h"
#include "graphics/CPixelFormat.h"

#include "AnimationBytes.h"
#include "AnimoFixture.h"
#include "PictureState.h"
#include "script/GameFolder.h"

#include "foundation/CFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace graphicstest;

namespace {

struct PositionState {
    int frame = 0;
    int x = 0;
    int y = 0;
    int opacity = 255;
    std::string name, text, sound;
    // The sound the factory made for the position, "" for none.
    std::string made;
    bool operator==(const PositionState&) const = default;
};

struct EventState {
    std::string name;
    std::vector<PositionState> positions;
    int loopBack = 0, loopPoint = 0, loopCount = 0, fps = 0, flags = 0, opacity = 255;
    bool operator==(const EventState&) const = default;
};

struct AnimationState {
    std::string author, description;
    int fps = 15, flags = 0, animoFlags = 0, opacity = 255, randomFrames = 0;
    std::vector<EventState> events;
    std::vector<PictureState> frames;
    bool operator==(const AnimationState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const AnimationState& a)
{
    out << "author '" << a.author << "' description '" << a.description << "' fps " << a.fps << " flags " << a.flags << "/"
        << a.animoFlags << " opacity " << a.opacity << " random " << a.randomFrames << "\n";
    for (const EventState& e : a.events) {
        out << "  event '" << e.name << "' loop " << e.loopBack << "-" << e.loopPoint << "x" << e.loopCount << " fps " << e.fps
            << " flags " << e.flags << " opacity " << e.opacity << ":";
        for (const PositionState& p : e.positions)
            out << " [" << p.frame << " " << p.x << "," << p.y << " " << p.opacity << " '" << p.name << "' '" << p.text << "' '"
                << p.sound << "' made '" << p.made << "']";
        out << "\n";
    }
    for (const PictureState& f : a.frames)
        out << "  frame " << f << "\n";
    return out;
}

std::string text(const CXString& value)
{
    return value.c_str();
}

AnimationState stateOf(CAnimo& animo)
{
    AnimationState state{text(animo.Author()), text(animo.Description()), animo.GetFPS(), animo.GetFlags(), animo.GetAnimoFlags(),
                         animo.GetOpacity(), animo.RandomFramesNumber(), {}, {}};
    for (int e = 0; e < animo.GetNOE(); ++e) {
        const _annEventInfo3* info = animo.GetEventInfo(e);
        EventState event{text(info->getName()), {}, info->loopBack, info->loopPoint, info->loopCount, info->fps, info->flags, info->opacity};
        for (int p = 0; p < info->positionCount(); ++p) {
            _anmFrameInfo3 none;
            const _anmFrameInfo3* record = animo.GetFrameInfo(e, p) != nullptr ? animo.GetFrameInfo(e, p) : &none;
            auto* sound = dynamic_cast<animotest::FakeSound*>(animo.GetSound(e, p));
            event.positions.push_back({info->frames[size_t(p)], record->x, record->y, record->opacity, text(record->name), text(record->text),
                                       text(record->soundName), sound != nullptr ? sound->name : ""});
        }
        state.events.push_back(event);
    }
    for (int f = 0; f < animo.GetNOF(); ++f)
        state.frames.push_back(pictureOf(*animo.GetFrame(f)));
    return state;
}

// The frames and events the file was built from, as the engine holds them once it is read.
AnimationState expectedOf(const AnimationFile& file)
{
    bool third = file.magic == "NVP" || file.magic == "NV+" || file.magic == "NVI";
    bool pak = file.magic == "PAK";
    bool old = !third && !pak;
    AnimationState state;
    state.author = file.author;
    state.description = file.description;
    if (third) {
        state.fps = file.fps;
        state.flags = file.flags & 0xFF;
        state.animoFlags = (file.flags & 0xFFFF00) | (file.magic != "NVI" ? CAnimo::NewFormatFile : 0);
        state.opacity = file.opacity;
        state.randomFrames = file.randomFrames;
    }
    bool soundsMade = third && (file.flags & CAnimo::StreamSounds) == 0;
    for (const AnimationEvent& event : file.events) {
        EventState e{event.name, {}, event.loopBack, event.loopPoint, event.loopCount, event.fps, event.flags, event.opacity};
        if (pak)
            e = {event.name, {}, event.loopPoint, event.loopPoint, event.loopCount, 15, 0, 255};
        for (const AnimationPosition& p : event.positions) {
            if (third)
                e.positions.push_back({p.frame, p.x, p.y, p.opacity, p.name, p.text, p.sound, soundsMade ? p.sound : ""});
            else
                e.positions.push_back({p.frame, p.x, p.y, 255, "", "", "", ""});
        }
        if (!old)
            state.events.push_back(e);
    }
    if (old || (pak && file.events.empty())) {
        int count = int(file.frames.size());
        for (int e = 0; e < 3; ++e) {
            EventState standard{"standard", {}, 0, 0, 0, 15, 0, 255};
            for (int f = 0; f < count; ++f)
                standard.positions.push_back({e == 2 ? count - 1 - f : f, 0, 0, 255, "", "", "", ""});
            state.events.push_back(standard);
        }
    }
    const int codeAfterLoad[] = {0, 1, 0, 4, 4, 0};
    int bpp = old ? CPixelFormat::GetRealBpp(file.bppFlag) : file.bpp;
    for (const FramePicture& f : file.frames) {
        Bytes colour = file.code == 5 ? jpegAs16Bit(f.colour, bpp) : f.colour;
        state.frames.push_back(picture(f.width, f.height, f.x, f.y, codeAfterLoad[file.code], colour, f.alpha, bpp));
    }
    return state;
}

CXString gamePath(const std::string& name)
{
    return GameFolder::gamePath(name).c_str();
}

class AnimationFileTest : public ::testing::Test {
protected:
    int read(CAnimo& animo, const Bytes& bytes) { return CAnimoReader::read(animo, bytes.data(), bytes.size()); }

    Bytes fileBytes(const std::string& name)
    {
        std::string bytes = folder.temp.read(name);
        return Bytes(bytes.begin(), bytes.end());
    }

    void put(const std::string& name, const Bytes& bytes) { folder.temp.write(name, std::string(bytes.begin(), bytes.end())); }

    std::string sounds;
    animotest::FakeFactory factory{sounds};
    GameFolder folder;
};

} // namespace

TEST_F(AnimationFileTest, EveryHeadAndCodeLoadsToItsEventsFramesAndSounds)
{
    AnimationFile streamed = sampleAnimation("NVP", 2);
    streamed.flags |= CAnimo::StreamSounds;
    AnimationFile standardPak = sampleAnimation("PAK", 2);
    standardPak.events.clear();
    AnimationFile fifteen = sampleAnimation("PAK", 4);
    fifteen.bpp = 15;
    const AnimationFile cases[] = {
        sampleAnimation("NVP", 0), sampleAnimation("NVP", 2), sampleAnimation("NVP", 3), sampleAnimation("NVP", 4), sampleAnimation("NVP", 5),
        sampleAnimation("NV+", 4), sampleAnimation("NVI", 2), streamed,           sampleAnimation("PAK", 0), standardPak,
        fifteen,             sampleAnimation("PIK", 0), sampleAnimation("PI2", 1), sampleAnimation("PI3", 2),
    };
    for (const AnimationFile& file : cases) {
        CAnimo animo(nullptr);
        EXPECT_EQ(read(animo, file.bytes()), 0) << file.magic << " code " << file.code;
        EXPECT_EQ(stateOf(animo), expectedOf(file)) << file.magic << " code " << file.code;
    }
}

TEST_F(AnimationFileTest, SavedAnimationsReadBackEqual)
{
    for (const char* magic : {"NVP", "NV+"}) {
        for (int code : {0, 2, 4, 5}) {
            AnimationFile file = sampleAnimation(magic, 4);
            CAnimo animo(nullptr);
            ASSERT_EQ(read(animo, file.bytes()), 0);
            animo.Save(gamePath("saved.ann"), _compression(code));
            EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_RLE) << "frames stay as they were held";
            CAnimo reloaded(nullptr);
            ASSERT_EQ(read(reloaded, fileBytes("saved.ann")), 0) << magic << " saved with " << code;
            file.magic = "NVP";
            file.code = code == 4 ? 4 : 0;
            EXPECT_EQ(stateOf(reloaded), expectedOf(file)) << magic << " saved with " << code;
        }
    }
}

TEST_F(AnimationFileTest, NviAndNvpFilesDifferOnlyInTheNewFormatFlag)
{
    CAnimo nvi(nullptr), nvp(nullptr);
    ASSERT_EQ(read(nvi, sampleAnimation("NVI", 0).bytes()), 0);
    ASSERT_EQ(read(nvp, sampleAnimation("NVP", 0).bytes()), 0);
    AnimationState a = stateOf(nvi), b = stateOf(nvp);
    EXPECT_EQ(a.animoFlags | CAnimo::NewFormatFile, b.animoFlags);
    a.animoFlags = b.animoFlags;
    EXPECT_EQ(a, b);
}

TEST_F(AnimationFileTest, EveryCutOfAFileAndBadCountsGiveAnErrorAndAnEmptyAnimation)
{
    auto damaged = [&](const Bytes& bytes, const std::string& what) {
        CAnimo animo(nullptr);
        EXPECT_EQ(read(animo, bytes), CImageReader::DAMAGED) << what;
        EXPECT_EQ(animo.GetNOF(), 0) << what;
        EXPECT_EQ(animo.GetNOE(), 0) << what;
    };
    for (const AnimationFile& file : {sampleAnimation("NVP", 2), sampleAnimation("NV+", 4), sampleAnimation("PAK", 0), sampleAnimation("PIK", 0), sampleAnimation("PI2", 1), sampleAnimation("PI3", 2)}) {
        Bytes whole = file.bytes();
        for (size_t length = 0; length < whole.size(); ++length)
            damaged(Bytes(whole.begin(), whole.begin() + long(length)), file.magic + " cut at " + std::to_string(length));
    }
    auto patched = [](Bytes bytes, size_t at, std::initializer_list<uint8_t> values) {
        std::copy(values.begin(), values.end(), bytes.begin() + long(at));
        return bytes;
    };
    const Bytes nvp = sampleAnimation("NVP", 0).bytes();
    const Bytes pak = sampleAnimation("PAK", 0).bytes();
    AnimationFile wrongSize = sampleAnimation("NVP", 0);
    wrongSize.frames[0].colour.pop_back();
    AnimationFile unknownFormat = sampleAnimation("NVP", 0);
    unknownFormat.bpp = 8;
    AnimationFile badLzo = sampleAnimation("NVP", 2);
    AnimationFile jpegSize = sampleAnimation("NVP", 5);
    jpegSize.frames[1].colour = jpegPicture(9, 9);
    Bytes lzo = badLzo.bytes();
    // The end marker of the last frame's last LZO stream.
    lzo.back() ^= 0xFF;
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"unknown magic", patched(nvp, 0, {'X', 'Y', 'Z'})},
        {"negative author length", patched(nvp, 44, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"huge author length", patched(nvp, 44, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"many frames", patched(nvp, 4, {0xFF, 0x7F})},
        {"negative frame count", patched(nvp, 4, {0x00, 0x80})},
        {"many events", patched(nvp, 8, {0xFF, 0x7F})},
        {"many positions", patched(nvp, 44 + 4 + 3 + 4 + 13 + 67 + 32, {0xFF, 0xFF})},
        {"PAK negative events", patched(pak, 392, {0xFF, 0xFF})},
        {"frame data short of its size", wrongSize.bytes()},
        {"unknown pixel format", unknownFormat.bytes()},
        {"damaged LZO frame", lzo},
        {"JPEG frame of another size", jpegSize.bytes()},
    };
    for (const auto& c : cases)
        damaged(c.bytes, c.what);
}

TEST_F(AnimationFileTest, AnimationWithoutFramesLoadsAndPlaysWithoutShowingAnything)
{
    AnimationFile file = sampleAnimation("NVP", 0);
    file.frames.clear();
    put("empty.ann", file.bytes());
    CAnimo animo(nullptr, gamePath("empty.ann"));
    EXPECT_EQ(animo.LastError(), 0);
    EXPECT_EQ(animo.GetNOF(), 0);
    EXPECT_EQ(animo.GetNOE(), 2);
    animo.Play(1, 0, 0);
    animo.Next();
    EXPECT_EQ(animo.GetFrame(-1), nullptr);
    EXPECT_EQ(animo.GetDataPtr(), nullptr);
}

TEST_F(AnimationFileTest, LoadingByNameShowsTheFirstEventWithPositions)
{
    put("walk.ann", sampleAnimation("NVP", 2).bytes());
    CAnimo animo(nullptr);
    EXPECT_EQ(animo.Load(gamePath("missing.ann")), CFile::NOT_FOUND);
    EXPECT_FALSE(animo.isLoaded());
    EXPECT_EQ(animo.Load(gamePath("walk.ann")), 0);
    EXPECT_TRUE(animo.isLoaded());
    EXPECT_EQ(animo.getFileName(), gamePath("walk.ann"));
    EXPECT_EQ(animo.GetCurrentEvent(), 1);
    EXPECT_EQ(animo.GetCurrentFrameInSequence(), 0);
    EXPECT_EQ(animo.Current(), 2);
    put("broken.ann", Bytes(100, 'N'));
    EXPECT_EQ(animo.Load(gamePath("broken.ann")), CImageReader::DAMAGED);
    EXPECT_FALSE(animo.isLoaded());

    CFile old;
    ASSERT_EQ(old.Open(nullptr, gamePath("head.ann"), CFile::BINARY), 0);
    animo.Load(gamePath("walk.ann"));
    animo.Save(&old, COMPRESSION_OLD);
    old.Close();
    ByteBuilder head;
    head.text(std::string("PI2", 4)).u16(3).u16(4).u32(0);
    EXPECT_EQ(fileBytes("head.ann"), head.bytes) << "the old form writes its head alone";
}

TEST_F(AnimationFileTest, AnimationFilesPickTheirClassByExtension)
{
    put("a.ANN", sampleAnimation("NVP", 0).bytes());
    CImageFile files(nullptr);
    EXPECT_EQ(files.Load(gamePath("a.ANN")), FILETYPE_ANIMATION);
    std::unique_ptr<CGraphicsObject> made(files.GetGraphicsObject());
    auto* animo = dynamic_cast<CAnimo*>(made.get());
    ASSERT_NE(animo, nullptr);
    EXPECT_EQ(animo->GetNOF(), 3);
    EXPECT_EQ(files.Save(animo, gamePath("b.ann"), COMPRESSION_NONE), FILETYPE_ANIMATION);
    CAnimo copy(nullptr);
    EXPECT_EQ(read(copy, fileBytes("b.ann")), 0);
    EXPECT_EQ(copy.GetNOF(), 3);
}

TEST_F(AnimationFileTest, RunLengthFramesAreUnpackedToBeDrawnAndPackedOnceAnotherIsDrawn)
{
    CAnimo6 animo(nullptr);
    ASSERT_EQ(read(animo, sampleAnimation("NV+", 4).bytes()), 0);
    CGraphicsObject target(nullptr, CXSize(20, 10), 16);
    std::fill(target.GetDataPtr(), target.GetDataPtr() + 400, 0);
    CFrame* opaque = animo.GetFrame(1);
    animo.SetEventFrame(1, 2);
    animo.redraw(&target);
    EXPECT_EQ(opaque->GetCompression(), COMPRESSION_NONE);
    EXPECT_NE(Bytes(target.GetDataPtr(), target.GetDataPtr() + 400), Bytes(400, 0));
    animo.SetEventFrame(1, 1);
    animo.redraw(&target);
    EXPECT_EQ(opaque->GetCompression(), COMPRESSION_RLE);
    EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_NONE);
    EXPECT_EQ(pictureOf(*opaque).colour, colourPlane(5, 3, 2));
}
