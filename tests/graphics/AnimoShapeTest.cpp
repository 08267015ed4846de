#include "AnimationBytes.h"
#include "AnimoFixture.h"
#include "GraphicsTestSupport.h"
#include "ScreenHarness.h"
#include "WindowHarness.h"

#include "foundation/CMElement.h"
#include "graphics/CAnimo6.h"
#include "graphics/CColor.h"
#include "script/GameFolder.h"

#include <vector>

namespace animotest {
namespace {

// The 16-bit pixels of a target, row after row.
std::vector<uint16_t> pixels(CGraphicsObject& target)
{
    auto* data = reinterpret_cast<uint16_t*>(target.GetDataPtr());
    return std::vector<uint16_t>(data, data + target.Width() * target.Height());
}

class Animo6Test : public ::testing::Test {
protected:
    Animo6Test()
    {
        animo.appendFrame(solidFrame(2, 2, 0x0F0F, 1, 2));
        animo.appendFrame(solidFrame(3, 1, 0x7777));
        animo.AddEvent(event("show", {0, 1}));
        _anmFrameInfo3* record = animo.GetFrameInfo(0, 0);
        record->x = 3;
        record->y = 1;
    }

    CAnimo6 animo{nullptr};
};

TEST_F(Animo6Test, RedrawPutsTheCurrentFrameWhereTheAnimationStands)
{
    CGraphicsObject target(nullptr, CXSize(12, 6), 16);
    std::fill_n(reinterpret_cast<uint16_t*>(target.GetDataPtr()), 12 * 6, 0);
    animo.SetEventFrame(0, 0);
    animo.SetGlobalPosition(5, 0);
    // Frame offset (1, 2), the position's offsets (3, 1) and the move (5, 0).
    EXPECT_EQ(animo.GetPosition(), CXPoint(9, 3));
    EXPECT_EQ(animo.GetBoundingBox(), CXRect(9, 3, 11, 5));
    animo.redraw(&target);

    std::vector<uint16_t> expected(12 * 6, 0);
    for (int y = 3; y < 5; ++y)
        for (int x = 9; x < 11; ++x)
            expected[y * 12 + x] = 0x0F0F;
    EXPECT_EQ(pixels(target), expected);
    // The frame keeps its own place and clipping for the next drawing.
    EXPECT_EQ(animo.GetFrame(0)->GetFramePosition(), CXPoint(1, 2));
    EXPECT_EQ(animo.GetFrame(0)->GetClippingRect(), CXRect());
    EXPECT_EQ(animo.GetPixel(CHANNEL_ALPHA, CXPoint(1, 1)), 255);

    animo.SetEventFrame(0, 1);
    animo.SetClippingRect(CXRect(1, 0, 2, 1));
    animo.redraw(&target);
    EXPECT_EQ(pixels(target)[0 * 12 + 6], 0x7777);
    EXPECT_EQ(pixels(target)[0 * 12 + 5], 0);
    EXPECT_EQ(pixels(target)[0 * 12 + 7], 0);
}

TEST_F(Animo6Test, PackedFramesAreUnpackedToBeDrawnAndPackedAgainWhenTheNextIsDrawn)
{
    CGraphicsObject target(nullptr, CXSize(12, 6), 16);
    for (int frame = 0; frame < 2; ++frame)
        animo.GetFrame(frame)->Compress(COMPRESSION_RLE);
    animo.SetEventFrame(0, 0);
    animo.redraw(&target);
    EXPECT_EQ(pixels(target)[3 * 12 + 4], 0x0F0F);
    EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_NONE);

    animo.SetEventFrame(0, 1);
    animo.redraw(&target);
    EXPECT_EQ(pixels(target)[0], 0x7777);
    EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_RLE);
    EXPECT_EQ(animo.GetFrame(1)->GetCompression(), COMPRESSION_NONE);

    // A copy may show the unpacked planes of a frame it shares: they stay.
    CAnimo6 copy(animo);
    animo.SetEventFrame(0, 0);
    animo.redraw(&target);
    EXPECT_EQ(animo.GetFrame(1)->GetCompression(), COMPRESSION_NONE);
    EXPECT_EQ(copy.GetPixel(CHANNEL_ALPHA, CXPoint(0, 0)), 255);

    animo.pack(true);
    EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_RLE);
    EXPECT_TRUE(animo.DeCompressRLE2());
    EXPECT_EQ(animo.GetFrame(0)->GetCompression(), COMPRESSION_NONE);
    EXPECT_EQ(animo.GetDataPtr(), animo.GetFrame(0)->GetDataPtr());
}

TEST_F(Animo6Test, MovingInvalidatesTheOldAndTheNewPlaceOnItsScreen)
{
    graphicstest::RecordingScreen screen;
    animo.SetEventFrame(0, 0);
    animo.isInvalidated();
    animo.SetCanvas(&screen);
    animo.Move(10, 0);
    EXPECT_EQ(screen.rects, (std::vector<CXRect>{CXRect(4, 3, 16, 5)}));
    EXPECT_TRUE(animo.isInvalidated());
    EXPECT_EQ(animo.GetBoundingBox(), CXRect(14, 3, 16, 5));
    animo.SetCanvas(nullptr);
}

TEST_F(Animo6Test, HitTestsAnswerForTheCurrentFrameWhereItStands)
{
    animo.SetEventFrame(0, 0);
    animo.SetGlobalPosition(5, 0);
    animo.GetFrame(0)->GetChannelAlpha()[3] = 0;
    EXPECT_TRUE(animo.isAt(CXPoint(9, 3), true));
    EXPECT_FALSE(animo.isAt(CXPoint(10, 4), true));
    EXPECT_TRUE(animo.isAt(CXPoint(10, 4), false));
    EXPECT_FALSE(animo.isAt(CXPoint(11, 3), false));
    EXPECT_EQ(animo.ClientCoords(CXPoint(9, 3)), CXPoint(0, 0));
    EXPECT_EQ(animo.getRect(), CXRect(6, 2, 8, 4));

    CAnimo6 empty(nullptr);
    EXPECT_FALSE(empty.isAt(CXPoint(0, 0), false));
}

TEST_F(Animo6Test, SizesSoundSettingsAndEventTestsCoverEveryPart)
{
    animo.appendFrame(solidFrame(40, 1, 0));
    EXPECT_EQ(animo.GetMaxWidth(), 40);
    EXPECT_EQ(animo.GetMaxHeight(), 2);

    animo.setVolume(-300);
    EXPECT_EQ(animo.getVolume(), 0);
    struct Sound : CPlayable {
        Sound() : CPlayable(nullptr) {}
        void play() override {}
        void stop(bool) override {}
        void pause() override {}
        void resume() override {}
        void seek(int) override {}
    };
    auto* first = new Sound;
    auto* second = new Sound;
    animo.UpdateSoundFX(0, 0, first);
    animo.UpdateSoundFX(0, 1, second);
    animo.setPanning(-2000);
    animo.setFrequency(22050);
    EXPECT_EQ(first->getPanning(), -2000);
    EXPECT_EQ(second->getFrequency(), 22050);
    EXPECT_EQ(animo.getPanning(), 0);

    animo.Play("SHOW", 0, 0);
    EXPECT_TRUE(animo.isPlaying("show"));
    EXPECT_FALSE(animo.isPlaying("SHOW"));
    EXPECT_TRUE(animo.isPlaying());
}

TEST_F(Animo6Test, FlipsTurnEveryFrame)
{
    auto* pixelsOfFrame = reinterpret_cast<uint16_t*>(animo.GetFrame(1)->GetDataPtr());
    pixelsOfFrame[0] = 1;
    animo.FlipV();
    EXPECT_EQ(pixelsOfFrame[2], 1);
    EXPECT_TRUE(animo.GetFrame(0)->isFlippedColumns());
    animo.resetFlips();
    EXPECT_EQ(pixelsOfFrame[0], 1);
    EXPECT_FALSE(animo.GetFrame(1)->isFlippedColumns());
}

TEST(Animo6Element, PreloadVisibilityAndReleaseComeFromTheElement)
{
    CMElement element("cat");
    element.addProperty("FILENAME", "cat.ann");
    element.addProperty("PRELOAD", "FALSE");
    element.addProperty("RELEASEAFTERUSE", "TRUE");
    CAnimo6 animo(nullptr, &element);
    EXPECT_EQ(animo.getFileName(), "cat.ann");
    EXPECT_FALSE(animo.isLoaded());
    EXPECT_TRUE(animo.releaseAfterUse());
    EXPECT_EQ(animo.getGfxType(), 2);
    EXPECT_EQ(animo.getType(), 2);
}

TEST_F(AnimoTest, FramesInUseCannotBeRemovedAndTheOthersCloseUp)
{
    animo->AddEvent(event("a", {2, 5, 7}));
    animo->SetFrame(6);
    EXPECT_FALSE(animo->RemoveFrame(5));
    EXPECT_FALSE(animo->RemoveFrame(8));
    EXPECT_TRUE(animo->RemoveFrame(3));
    EXPECT_EQ(animo->GetNOF(), 7);
    EXPECT_EQ(animo->GetEventInfo(0)->frames, (std::vector<uint16_t>{2, 4, 6}));
    EXPECT_EQ(animo->Current(), 5);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(animo->GetDataPtr())[0], 0x1006);
    EXPECT_TRUE(animo->RemoveFrame(5));
    EXPECT_EQ(animo->Current(), -1);
    EXPECT_EQ(animo->GetDataPtr(), nullptr);
}

TEST_F(AnimoTest, ACopyKeepsTheFramesAndSoundsItSharesWhenTheOriginalIsFlushed)
{
    animo->AddEvent(event("a", {1, 2}));
    animo->GetFrameInfo(0, 1)->name = "wave";
    animo->SetEventFrame(0, 1);
    animo->Move(4, 0);
    CAnimo copy(*animo);
    EXPECT_TRUE(copy.isCopy());
    EXPECT_EQ(copy.Current(), 2);
    EXPECT_EQ(copy.getPosition(), CXPoint(4, 0));
    copy.GetFrameInfo(0, 1)->name = "copied";

    animo->Flush();
    EXPECT_EQ(animo->GetNOF(), 0);
    EXPECT_EQ(animo->GetNOE(), 0);
    EXPECT_EQ(copy.getFrameName(-1, -1), "copied");
    copy.SetEventFrame(0, 0);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(copy.GetDataPtr())[0], 0x1001);
    EXPECT_EQ(copy.GetFrame(2)->Width(), 4);
}

TEST_F(AnimoTest, PositionsAreFoundByNameOrByTheirNumber)
{
    animo->AddEvent(event("idle", {0}));
    animo->AddEvent(event("Walk", {3, 4, 5, 6}));
    animo->GetFrameInfo(1, 1)->name = "Step";
    EXPECT_EQ(animo->GetName(1, 1, "Default"), "Step");
    EXPECT_EQ(animo->GetName(1, 3, "Default"), "Frame 3");
    EXPECT_EQ(animo->GetName(1, 3, "none"), "none");
    EXPECT_EQ(animo->SetEventFrame(1, "frame 2"), 2);
    EXPECT_EQ(animo->Current(), 5);
    EXPECT_EQ(animo->SetEventFrame(-1, "STEP"), 1);
    EXPECT_EQ(animo->GetFrameNo(1, "step"), -1);
    EXPECT_EQ(animo->GetFrameNo(1, "Step"), 1);
    EXPECT_EQ(animo->getFrame("step"), animo->GetFrame(4));
    EXPECT_EQ(animo->GetEventNo("walk"), 1);
    EXPECT_EQ(animo->GetNOFInEvent("WALK"), 4);
    EXPECT_EQ(animo->GetNOFInEvent("run"), 0);
    EXPECT_EQ(animo->GetFrameNo(-1, -3), 3);
    EXPECT_EQ(animo->GetFrameNo(-1, -1), 1);

    animo->ExchangeFrames(1, 1, 3);
    EXPECT_EQ(animo->GetEventInfo(1)->frames, (std::vector<uint16_t>{3, 6, 5, 4}));
    EXPECT_EQ(animo->getFrameName(1, 3), "Step");
    animo->RemoveFrame(1, 0);
    EXPECT_EQ(animo->GetEventInfo(1)->frames, (std::vector<uint16_t>{6, 5, 4}));
    EXPECT_EQ(animo->getFrameName(1, 2), "Step");
}

TEST_F(AnimoTest, EventsAreAddedEmptiedAndRemoved)
{
    animo->AddEvent(event("empty", {}));
    animo->AddEvent(event("loop", {1, 2}, 1, 1, 4));
    animo->AddEvent(event("last", {3}));
    EXPECT_EQ(animo->getFirstEvent(), 1);
    CXPoint loop;
    EXPECT_EQ(animo->GetLoop(1, loop), 4);
    EXPECT_EQ(loop, CXPoint(1, 1));
    EXPECT_EQ(animo->GetFrameInfo(0, 0), nullptr);
    _anmFrameInfo3* record = animo->GetFrameInfo(1, 1);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->reserved12, -1);
    EXPECT_EQ(record->opacity, 255);
    record->soundName = "bell.wav";
    animo->ClearWAVEntry(1, 1);
    EXPECT_EQ(record->soundName, "");

    animo->RemoveAllFrames(1);
    EXPECT_EQ(animo->GetNOFInEvent(1), 0);
    EXPECT_EQ(animo->GetFrameInfo(1, 0), nullptr);
    animo->RemoveEvent(0);
    EXPECT_EQ(animo->GetNOE(), 2);
    EXPECT_EQ(animo->GetEventName(1), "last");
    EXPECT_EQ(animo->GetEventName(7), "");
    EXPECT_EQ(animo->getFrameNo("LAST"), 1);
    EXPECT_EQ(animo->getFrameNo("none"), 0);
}

} // namespace
} // namespace animotest

namespace animotest {
namespace {

using AnimoScreenTest = graphicstest::ScreenTest;

TEST_F(AnimoScreenTest, APlayingAnimationOnTheScreenShowsEachFrameWhereItStands)
{
    CAnimationManager manager;
    CAnimationManager::install(&manager);
    {
        CColor grey(0x40, 0x40, 0x40);
        window->SetBackground(&grey);
        CAnimo6 animo(window.get());
        animo.appendFrame(solidFrame(4, 4, 0x1111, 10, 10));
        animo.appendFrame(solidFrame(4, 4, 0x2222, 20, 10));
        animo.AddEvent(event("walk", {0, 1}));
        animo.SetFPS(10);
        screen->put(&animo, 5);
        animo.Play(0, 0, 0);
        window->Tick();
        uint16_t background = shown(700, 500);
        EXPECT_NE(background, 0);
        EXPECT_EQ(shown(13, 13), 0x1111);
        EXPECT_EQ(shown(20, 10), background);

        clock.advance(100);
        window->Tick();
        window->Tick();
        EXPECT_EQ(shown(13, 13), background);
        EXPECT_EQ(shown(20, 10), 0x2222);

        animo.alwaysOnTop();
        EXPECT_EQ(screen->GetFlags(&animo), 1);
    }
    // Gone from the screen and the manager with its destruction: the next turn steps and draws
    // without it.
    clock.advance(100);
    window->Invalidate();
    window->Tick();
    EXPECT_EQ(shown(21, 11), shown(700, 500));
    CAnimationManager::install(nullptr);
}

} // namespace
} // namespace animotest

namespace animotest {
namespace {

class Animo6FileTest : public graphicstest::WindowTest {
protected:
    CXString file(const char* name, const std::string& magic)
    {
        graphicstest::Bytes bytes = graphicstest::sampleAnimation(magic, 0).bytes();
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        return GameFolder::gamePath(name).c_str();
    }

    GameFolder folder;
    std::string sounds;
    FakeFactory factory{sounds};
};

TEST_F(Animo6FileTest, AHiddenAnimationReleasedAfterUseKeepsItsFramesUntilHiddenAndLoadsAgainWhenShown)
{
    CMElement element("cat");
    element.addProperty("FILENAME", file("cat.ann", "NVP"));
    element.addProperty("VISIBLE", "FALSE");
    element.addProperty("RELEASEAFTERUSE", "TRUE");
    CAnimo6 animo(window.get(), &element);
    EXPECT_TRUE(animo.isLoaded());
    EXPECT_FALSE(animo.isVisible());
    EXPECT_EQ(animo.GetNOF(), 3);

    animo.hide();
    EXPECT_FALSE(animo.isLoaded());
    EXPECT_EQ(animo.GetNOF(), 0);
    animo.show();
    EXPECT_TRUE(animo.isLoaded());
    EXPECT_TRUE(animo.isVisible());
    EXPECT_EQ(animo.GetNOF(), 3);
    EXPECT_EQ(animo.getCurrentEventName(), "walk");

    CMElement later("dog");
    later.addProperty("FILENAME", file("dog.ann", "NVI"));
    later.addProperty("PRELOAD", "FALSE");
    CAnimo6 waiting(window.get(), &later);
    EXPECT_EQ(waiting.GetNOF(), 0);
    waiting.setVisibility(true);
    EXPECT_EQ(waiting.GetNOF(), 3);
}

} // namespace
} // namespace animotest
