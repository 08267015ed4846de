#include "GraphicsTestSupport.h"
#include "foundation/CCommandLine6.h"
#include "graphics/CColor.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CSecondaryDisplay.h"
#include "graphics/CSurface.h"
#include "graphics/CWindow.h"
#include "platform/Display.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/WindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace graphicstest {

namespace {
constexpr uint16_t kWhite = 0xFFFF;
} // namespace

// A window with "-window -delay N" whose display is mirrored in a second headless window.
class MirrorDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setWindowSystem(&windowSystem);
        platform::setDisplay(&display);
    }

    void TearDown() override
    {
        source.reset();
        window.reset();
        platform::setDisplay(nullptr);
        platform::setWindowSystem(nullptr);
        platform::setClock(nullptr);
        CWindow::resetStatics();
    }

    void open(int delayMs)
    {
        commandLine = std::make_unique<CCommandLine6>(("-window -delay " + std::to_string(delayMs)).c_str());
        window = std::make_unique<CWindow>(&hostWindow, commandLine.get(), nullptr, CXSize(800, 600),
                                           platform::CursorShape::Arrow, "tamzora", true);
        ASSERT_EQ(window->CreateSurface(&mirrorWindow), 0);
        window->OnActivateApp(true);
        mirror = window->getSecondaryDisplay();
        ASSERT_NE(mirror, nullptr);
        ASSERT_EQ(mirror->getDisplay()->LastError(), 0);
        source = std::make_unique<CDirectDrawSurface>(window.get(), CXSize(800, 600), 16, false);
        source->Fill(&black);
    }

    // The window copied this rectangle of a white source; the source is black again afterwards, so
    // what the mirror shows later is its own copy.
    void copied(CXRect rect)
    {
        source->Fill(rect, &white);
        mirror->update(source.get(), &rect);
        source->Fill(rect, &black);
    }

    uint16_t mirrored(int x, int y)
    {
        platform::DisplaySurface* screen = display.secondDisplay()->primary();
        return reinterpret_cast<const uint16_t*>(screen->pixels() + size_t(y) * screen->pitchBytes())[x];
    }

    platform::ManualClock clock{1000};
    platform::HeadlessWindowSystem windowSystem;
    platform::HeadlessHostWindow hostWindow{platform::WindowSettings{}};
    platform::HeadlessHostWindow mirrorWindow{platform::WindowSettings{}};
    platform::HeadlessDisplay display;
    std::unique_ptr<CCommandLine6> commandLine;
    std::unique_ptr<CWindow> window;
    CSecondaryDisplay* mirror = nullptr;
    std::unique_ptr<CDirectDrawSurface> source;
    CColor white{255, 255, 255};
    CColor black{0, 0, 0};
};

// One turn: the clock moves on, the window copies that many new rectangles (record k is the block
// of 10 by 10 pixels at (10 k, 0)), and the mirror redraws. Then the mirror shows the records
// marked 1, in the order they were made, and keeps that many pending.
struct MirrorTurn {
    uint32_t advanceMs;
    int newRecords;
    const char* shown;
    size_t pending;
};

struct MirrorWalkCase {
    const char* name;
    int delayMs;
    std::vector<MirrorTurn> turns;
};

TEST_F(MirrorDisplayTest, ShowsEachCopyOnceItIsOldEnoughKeepingTheNewestShown)
{
    const MirrorWalkCase cases[] = {
        {"the first record shows at once, the next only when old enough",
         100,
         {{0, 1, "1", 1}, {10, 1, "10", 2}, {95, 0, "10", 2}, {10, 0, "11", 1}}},
        {"a delay of 0 shows the records of the turns before, keeping the newest",
         0,
         {{0, 2, "10", 2}, {1, 1, "110", 2}, {1, 0, "111", 1}}},
        {"a record exactly as old as the delay waits a turn more",
         100,
         {{0, 1, "1", 1}, {0, 1, "10", 2}, {100, 0, "10", 2}, {1, 0, "11", 1}}},
        {"the last records show once old enough with nothing newer coming",
         100,
         {{0, 3, "100", 3}, {200, 0, "111", 1}, {200, 0, "111", 1}}},
        {"records old enough ahead of younger ones show, the younger wait",
         50,
         {{0, 2, "10", 2}, {40, 2, "1000", 4}, {20, 0, "1100", 3}, {40, 0, "1111", 1}}},
        {"nothing copied shows nothing", 0, {{0, 0, "", 0}, {500, 0, "", 0}}},
    };
    for (const MirrorWalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.delayMs);
        int made = 0;
        for (const MirrorTurn& turn : c.turns) {
            clock.advance(turn.advanceMs);
            for (int i = 0; i < turn.newRecords; ++i, ++made)
                copied(CXRect(10 * made, 0, 10 * made + 10, 10));
            mirror->redraw();
            std::string shown;
            for (int k = 0; k < made; ++k)
                shown += mirrored(10 * k + 5, 5) == kWhite ? '1' : '0';
            EXPECT_EQ(shown, turn.shown);
            EXPECT_EQ(mirror->getPendingCount(), turn.pending);
        }
        TearDown();
        SetUp();
    }
}

// A long delay over a busy screen keeps a bounded number of copies: the oldest go unseen and the
// newest are shown once old enough.
TEST_F(MirrorDisplayTest, PendingCopiesAreCappedDroppingTheOldest)
{
    open(100000);
    const int records = int(CSecondaryDisplay::kMaxPendingRecords) + 4;
    for (int k = 0; k < records; ++k) {
        clock.advance(1);
        copied(CXRect(k % 800, k / 800, k % 800 + 1, k / 800 + 1));
    }
    EXPECT_EQ(mirror->getPendingCount(), CSecondaryDisplay::kMaxPendingRecords);
    clock.advance(200000);
    mirror->redraw();
    EXPECT_EQ(mirror->getPendingCount(), 1u);
    for (int k = 0; k < records; ++k)
        ASSERT_EQ(mirrored(k % 800, k / 800), k < 4 ? 0 : kWhite) << k;

    // Whole screens reach the cap of pixels long before the cap of records.
    TearDown();
    SetUp();
    open(100000);
    for (size_t k = 0; k < CSecondaryDisplay::kMaxPendingScreens + 3; ++k)
        copied(CXRect(0, 0, 800, 600));
    EXPECT_EQ(mirror->getPendingCount(), CSecondaryDisplay::kMaxPendingScreens);
}

// The window's own turn: what it copies to its display reaches the second window as drawn, late.
TEST_F(MirrorDisplayTest, TheWindowsTurnMirrorsItsFramesLate)
{
    open(100);
    ASSERT_NE(display.secondDisplay(), nullptr);
    EXPECT_EQ(display.secondDisplay()->openedIn(), &mirrorWindow);
    EXPECT_EQ(display.openedIn(), &hostWindow);

    CGraphicsObject picture(window.get(), CXSize(40, 30), 16);
    std::mt19937 random(5);
    randomize(picture, random, false);
    picture.SetPosition(100, 200);
    *window->GetRefreshScreenInterface() << &picture;
    window->Tick();
    const std::vector<uint8_t> first(display.primary()->pixels(), display.primary()->pixels() + 800 * 600 * 2);
    auto mirroredFrame = [this] {
        const uint8_t* pixels = display.secondDisplay()->primary()->pixels();
        return std::vector<uint8_t>(pixels, pixels + 800 * 600 * 2);
    };
    EXPECT_EQ(mirroredFrame(), first);

    picture.SetPosition(300, 50);
    clock.advance(10);
    window->Tick();
    EXPECT_EQ(mirroredFrame(), first);
    clock.advance(100);
    window->Tick();
    EXPECT_EQ(mirroredFrame(), std::vector<uint8_t>(display.primary()->pixels(), display.primary()->pixels() + 800 * 600 * 2));
    EXPECT_GT(display.secondDisplay()->changedPresentCount(), 0);
}

// The copies are surfaces of the window's display: releasing the window with copies pending drops
// them unseen before that display goes, and closes the second display.
TEST_F(MirrorDisplayTest, ReleasingTheWindowDropsPendingCopiesUnseen)
{
    open(1000);
    copied(CXRect(0, 0, 10, 10));
    mirror->redraw();
    copied(CXRect(10, 0, 20, 10));
    copied(CXRect(20, 0, 30, 10));
    const int presents = display.secondDisplay()->presentCount();
    clock.advance(5000);
    ASSERT_EQ(mirror->getPendingCount(), 3u);
    EXPECT_EQ(mirrored(15, 5), 0);
    EXPECT_EQ(display.secondDisplay()->presentCount(), presents);
    source.reset();
    window.reset();
    EXPECT_EQ(display.secondDisplay(), nullptr);
}

// Without a second window, or full screen, there is no mirror.
TEST_F(MirrorDisplayTest, OnlyAWindowedDisplayGivenASecondWindowIsMirrored)
{
    commandLine = std::make_unique<CCommandLine6>("-window -delay 100");
    window = std::make_unique<CWindow>(&hostWindow, commandLine.get(), nullptr, CXSize(800, 600),
                                       platform::CursorShape::Arrow, "tamzora", true);
    ASSERT_EQ(window->CreateSurface(), 0);
    EXPECT_EQ(window->getSecondaryDisplay(), nullptr);
    EXPECT_EQ(display.secondDisplay(), nullptr);
    ASSERT_EQ(window->SetDisplayMode(CXSize(800, 600), 16), 0);
    EXPECT_EQ(window->getSecondaryDisplay(), nullptr);
}

} // namespace graphicstest
