#include "MouseScript.h"
#include "ScreenHarness.h"

#include "graphics/CButton.h"
#include "graphics/CControlNotifier.h"
#include "graphics/CHotSpot.h"
#include "graphics/CPlayable.h"
#include "graphics/CScreenUnit.h"

#include <functional>

namespace graphicstest {
namespace {

using Log = std::vector<std::string>;

// A sound that only records what it is told.
class RecordingSound : public CPlayable {
public:
    RecordingSound(CWindow* window, Log& log, std::string name) : CPlayable(window), log_(log), name_(std::move(name)) {}
    ~RecordingSound() override { log_.push_back(name_ + ".deleted"); }

    using CPlayable::play;
    void play() override
    {
        log_.push_back(name_ + ".play");
        setStatus(StatusPlaying);
    }
    void stop(bool) override
    {
        log_.push_back(name_ + ".stop");
        setStatus(0);
    }
    void pause() override {}
    void resume() override {}
    void seek(int) override {}

private:
    Log& log_;
    std::string name_;
};

class RecordingNotifier : public CControlNotifier {
public:
    explicit RecordingNotifier(Log& log) : log_(log) {}

    void onControlOnMove(CControl*, CXPoint) override { log_.push_back("move"); }
    void onControlFocusOn(CControl*, CXPoint) override { log_.push_back("focuson"); }
    void onControlFocusOff(CControl*, CXPoint) override { log_.push_back("focusoff"); }
    void onControlClicked(CControl*, CXPoint) override { log_.push_back("clicked"); }
    void onControlReleased(CControl*, CXPoint) override { log_.push_back("released"); }
    void onControlAction(CControl*, CXPoint) override { log_.push_back("action"); }
    void onControlPopup(CControl*, CXPoint) override { log_.push_back("popup"); }
    void onStartDragging(CControl*, CXPoint) override { log_.push_back("startdrag"); }

private:
    Log& log_;
};

// A scene unit whose state the test sets; it starts a drag when asked and tells the control.
class TestUnit : public CScreenUnit {
public:
    explicit TestUnit(Log& log) : log_(log) {}

    bool wasInitiallyUpdated() override { return updated; }
    bool onInitialUpdate() override { return true; }
    void onCanvasRefreshed() override {}
    bool isActive() override { return active; }
    bool isDragging() const override { return dragging; }
    bool onStartDragging(CGraphicsObject* graphics, CXPoint point, CControl* control) override
    {
        log_.push_back("unit.drag");
        dragging = true;
        control->onStartDragging(point);
        return true;
    }

    bool updated = true;
    bool active = true;
    bool dragging = false;

private:
    Log& log_;
};

class ButtonTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        button = std::make_unique<CButton>(window.get(), CXRect(0, 0, 10, 10), 5, nullptr);
        button->addNotifier(&notifier);
        button->Set(look(), nullptr, false, false);
        button->SetOnMove(look(), &moveSound);
        button->SetOnClick(look(), &clickSound);
    }
    void TearDown() override
    {
        button.reset();
        ScreenTest::TearDown();
    }

    // A 10 by 10 picture at the origin; the button that gets it deletes it.
    CGraphicsObject* look() { return new CGraphicsObject(window.get(), CXSize(10, 10), 16); }

    // What the button was told and played, then the visible looks: S standard, M on-move, C on-click.
    std::string mouse(const std::string& events, CButton* shown = nullptr)
    {
        runMouse(*window, events, at);
        std::string told;
        for (const std::string& entry : log)
            told += entry + " ";
        log.clear();
        return told + "| " + looks(shown != nullptr ? *shown : *button);
    }
    static std::string looks(CButton& b)
    {
        std::string shown;
        if (b.GetStandard() != nullptr && b.GetStandard()->isVisible())
            shown += 'S';
        if (b.GetOnMove() != nullptr && b.GetOnMove()->isVisible())
            shown += 'M';
        if (b.GetOnClick() != nullptr && b.GetOnClick()->isVisible())
            shown += 'C';
        return shown;
    }

    Log log;
    RecordingNotifier notifier{log};
    RecordingSound moveSound{window.get(), log, "hover"};
    RecordingSound clickSound{window.get(), log, "click"};
    TestUnit unit{log};
    std::unique_ptr<CButton> button;
    CXPoint at;
};

TEST_F(ButtonTest, EnteringPressingReleasingAndLeavingShowTheLooksAndPlayTheSounds)
{
    button->setUnit(&unit);
    EXPECT_EQ(mouse(""), "| S");
    struct Step {
        const char* events;
        const char* told;
    };
    const Step steps[] = {
        {"m 5,5", "move hover.play move focuson | M"},
        {"m 6,6", "move | M"},
        // One click sound for a press.
        {"l+", "click.play clicked | C"},
        {"l-", "released action | M"},
        {"m 20,20", "hover.stop focusoff | S"},
        {"m 5,5 r+", "move hover.play move focuson popup | M"},
        // A release outside the button tells nothing; leaving ended the pressed look.
        {"l+ m 20,20 l-", "click.play clicked hover.stop focusoff | S"},
    };
    for (const Step& step : steps)
        EXPECT_EQ(mouse(step.events), step.told) << step.events;
    EXPECT_EQ(button->getClick(), CXPoint(6, 6));
}

TEST_F(ButtonTest, SoundsFollowTheLockAndTheSilenceRule)
{
    struct Case {
        bool locked;
        bool onlyWhenSilent;
        bool withUnit;
        const char* played;
    };
    const Case cases[] = {
        {false, false, false, "hover.play click.play hover.stop "},
        {true, false, true, ""},
        // Waiting for silence holds back the hover sound in a scene, never a press's click.
        {false, true, true, "click.play "},
        {false, true, false, "hover.play click.play hover.stop "},
    };
    for (const Case& c : cases) {
        button->LockSound(c.locked);
        button->SetPlaySoundOnlyWhenSilence(c.onlyWhenSilent);
        button->setUnit(c.withUnit ? &unit : nullptr);
        runMouse(*window, "m 5,5 l+ l- m 20,20", at);
        std::string played;
        for (const std::string& entry : log)
            if (entry.starts_with("hover") || entry.starts_with("click."))
                played += entry + " ";
        log.clear();
        EXPECT_EQ(played, c.played) << c.locked << c.onlyWhenSilent << c.withUnit;
    }

    button->LockSound(false);
    button->setUnit(nullptr);
    EXPECT_TRUE(button->Force(true));
    button->Force(true);
    EXPECT_FALSE(button->Force(false));
    EXPECT_EQ(log, (Log{"click.play"}));
}

TEST_F(ButtonTest, TheSceneUnitDecidesWhenTheButtonReacts)
{
    button->setUnit(&unit);
    unit.updated = false;
    // Before the scene's first frame, entering is only told.
    EXPECT_EQ(mouse("m 5,5"), "move focuson | S");
    EXPECT_EQ(mouse("m 20,20"), "focusoff | S");
    unit.updated = true;
    unit.active = false;
    EXPECT_EQ(mouse("m 5,5 l+ l- m 20,20"), "| S");
    unit.active = true;
    EXPECT_EQ(mouse("m 5,5"), "move hover.play move focuson | M");
    // While the unit drags, the button only reports leaving.
    unit.dragging = true;
    EXPECT_EQ(mouse("l+ l- m 20,20"), "focusoff | M");
}

TEST_F(ButtonTest, APressStartsADragThroughTheSceneUnit)
{
    button->setUnit(&unit);
    button->EnableDragging(true);
    EXPECT_TRUE(button->IsDraggingEnabled());
    EXPECT_EQ(mouse("m 5,5 l+"), "move hover.play move focuson unit.drag startdrag click.play clicked | SC");
    EXPECT_FALSE(button->IsEnabled());
    EXPECT_FALSE(button->getHotSpot()->IsEnabled());

    // Without a unit nothing is dragged.
    TearDown();
    SetUp();
    button->EnableDragging(true);
    EXPECT_EQ(mouse("m 5,5 l+"), "move hover.play move focuson click.play clicked | C");
    EXPECT_TRUE(button->IsEnabled());
}

TEST_F(ButtonTest, EnablingShowsAndHidesTheLooks)
{
    mouse("m 5,5");
    button->Enable(false);
    EXPECT_EQ(looks(*button), "");
    EXPECT_EQ(mouse("m 6,6 l+ l-"), "| ");
    button->Enable(true);
    EXPECT_EQ(looks(*button), "S");
    button->Freeze(true);
    // Still inside since before: no entering, and the frozen on-move look stays at leaving.
    EXPECT_EQ(mouse("m 6,6 m 20,20"), "move hover.stop focusoff | SM");
    button->DisableButVisible();
    EXPECT_EQ(looks(*button), "S");
    EXPECT_EQ(mouse("m 5,5"), "| S");
}

TEST_F(ButtonTest, TheAreaIsTheRectangleOrTheStandardLooksPixels)
{
    // A rectangle keeps the area whatever the standard look.
    EXPECT_TRUE(button->getHotSpot()->TestHit(CXPoint(9, 9)));
    // Replacing a look takes the old one off the screen; its owner deletes it.
    std::unique_ptr<CGraphicsObject> old(button->GetStandard());
    CGraphicsObject* far = look();
    far->SetPosition(100, 100);
    button->Set(far, nullptr, true, false);
    EXPECT_EQ(screen->GetPriority(old.get()), -1);
    EXPECT_FALSE(button->getHotSpot()->TestHit(CXPoint(105, 105)));

    CButton pixels(window.get(), 7, nullptr);
    EXPECT_EQ(pixels.GetID(), 7);
    EXPECT_FALSE(pixels.getHotSpot()->TestHit(CXPoint(0, 0)));
    CGraphicsObject* standard = picture(20, 20, true, 50, 50);
    standard->AlphaChannel()[0] = 0;
    pixels.SetDeleteFlags(false, false);
    pixels.Set(standard, nullptr, false, false);
    EXPECT_EQ(pixels.GetDragging(), standard);
    EXPECT_TRUE(pixels.getHotSpot()->TestHit(CXPoint(69, 69)) || standard->AlphaChannel()[19 * 20 + 19] == 0);
    EXPECT_FALSE(pixels.getHotSpot()->TestHit(CXPoint(50, 50)));
    EXPECT_FALSE(pixels.getHotSpot()->TestHit(CXPoint(70, 60)));
    // The flag goes to the object's hit test: the box alone.
    pixels.Set(standard, nullptr, false, true);
    EXPECT_TRUE(pixels.getHotSpot()->TestHit(CXPoint(50, 50)));

    // Its priority is the look's on the screen.
    EXPECT_EQ(pixels.getPriority(), 0);
    screen->SetPriority(standard, 9);
    EXPECT_EQ(pixels.getPriority(), 9);
    *screen >> standard;
    EXPECT_EQ(pixels.getPriority(), -1);
}

TEST_F(ButtonTest, MovingMovesEachLookOnceAndTheRectangleWithoutAnAccent)
{
    button->Move(3, 4);
    for (CGraphicsObject* moved : {button->GetStandard(), button->GetOnMove(), button->GetOnClick()})
        EXPECT_EQ(moved->GetPosition(), CXPoint(3, 4));
    EXPECT_TRUE(button->getHotSpot()->TestHit(CXPoint(12, 13)));
    EXPECT_FALSE(button->getHotSpot()->TestHit(CXPoint(1, 1)));

    // The standard look as the area, and so as the accent and the dragged object: moved once.
    CButton pixels(window.get(), 1, nullptr);
    pixels.Set(look(), nullptr, false, false);
    pixels.Move(CXPoint(-2, 5));
    EXPECT_EQ(pixels.GetStandard()->GetPosition(), CXPoint(-2, 5));
    EXPECT_TRUE(pixels.getHotSpot()->TestHit(CXPoint(7, 14)));
    EXPECT_FALSE(pixels.getHotSpot()->TestHit(CXPoint(8, 5)));
}

TEST_F(ButtonTest, AButtonAndItsCloneShareLooksAndSoundsAndTheLastOneDeletesThem)
{
    for (bool originalFirst : {true, false}) {
        SCOPED_TRACE(originalFirst);
        button->removeNotifier(&notifier);
        auto* hover = new RecordingSound(window.get(), log, "ownhover");
        button->SetSound(CButton::SOUND_ON_MOVE, hover);
        button->SetSound(CButton::SOUND_ON_CLICK, new RecordingSound(window.get(), log, "ownclick"));
        button->SetDeleteFlags(true, true);
        std::unique_ptr<CButton> copy(static_cast<CButton*>(button->clone()));
        EXPECT_EQ(copy->GetID(), 0);
        EXPECT_EQ(copy->GetStandard(), button->GetStandard());
        EXPECT_EQ(copy->GetSOOnMove(), hover);
        EXPECT_FALSE(copy->getHotSpot()->TestHit(CXPoint(5, 5)));
        copy->SetActiveRect(CXRect(0, 0, 10, 10));

        std::unique_ptr<CButton>& first = originalFirst ? button : copy;
        std::unique_ptr<CButton>& last = originalFirst ? copy : button;
        first.reset();
        EXPECT_TRUE(log.empty());
        // The survivor still shows its looks and plays its sounds.
        EXPECT_EQ(mouse("m 5,5 m 20,20", last.get()), "ownhover.play ownhover.stop | S");
        last.reset();
        EXPECT_EQ(log, (Log{"ownhover.deleted", "ownclick.deleted"}));
        log.clear();
        TearDown();
        SetUp();
    }
}

TEST_F(ButtonTest, LooksAndSoundsDeletedByOthersAreForgotten)
{
    // Owned by someone else: the button deletes nothing, and hears of what goes.
    button.reset();
    CButton pixels(window.get(), 1, nullptr);
    pixels.SetDeleteFlags(false, false);
    auto standard = std::unique_ptr<CGraphicsObject>(look());
    auto hover = std::unique_ptr<CGraphicsObject>(look());
    auto sound = std::make_unique<RecordingSound>(window.get(), log, "own");
    pixels.Set(standard.get(), nullptr, false, false);
    pixels.SetOnMove(hover.get(), sound.get());
    pixels.SetOnClick(nullptr, sound.get());
    pixels.addNotifier(&notifier);

    hover.reset();
    sound.reset();
    log.clear();
    EXPECT_EQ(pixels.GetOnMove(), nullptr);
    EXPECT_EQ(pixels.GetSOOnMove(), nullptr);
    EXPECT_EQ(pixels.GetSOOnClick(), nullptr);
    EXPECT_EQ(mouse("m 5,5 l+ l- m 20,20", &pixels), "move move focuson clicked released action focusoff | S");

    // The standard look was the area, the accent and what is dragged.
    standard.reset();
    EXPECT_EQ(pixels.GetStandard(), nullptr);
    EXPECT_EQ(pixels.GetDragging(), nullptr);
    EXPECT_EQ(pixels.getHotSpot()->getGraphics(), nullptr);
    EXPECT_EQ(mouse("m 5,5 l+ l- m 20,20", &pixels), "| ");
}

} // namespace
} // namespace graphicstest
