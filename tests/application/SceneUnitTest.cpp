// The scene host unit: the live scene's background on the screen, and controls dragged with the
// mouse.
#include "GameHost.h"

#include "application/CUnit6.h"
#include "foundation/CMElement.h"
#include "graphics/CAnimo6.h"
#include "graphics/CButton.h"
#include "graphics/CControl.h"
#include "graphics/CControlNotifier.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/ImageBytes.h"

using namespace apptest;

namespace {

constexpr uint16_t kBackgroundColour = 0x39E7;

std::string imageOfOneColour(int width, int height, uint16_t colour)
{
    graphicstest::Bytes plane;
    for (int i = 0; i < width * height; ++i) {
        plane.push_back(uint8_t(colour & 0xFF));
        plane.push_back(uint8_t(colour >> 8));
    }
    graphicstest::Bytes file = graphicstest::StillImage(width, height, plane).pik();
    return std::string(file.begin(), file.end());
}

class SceneUnit : public GameHost {
protected:
    void startGame()
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + treeElement("E", "EPISODE", {"SCENES=S1, S2"}) +
                        treeElement("S1", "SCENE", {"BACKGROUND=back.img"}) + treeElement("S2", "SCENE", {"BACKGROUND=missing.img"}));
        writeFile("Dane/back.img", imageOfOneColour(800, 600, kBackgroundColour));
        ASSERT_TRUE(start());
    }
    uint16_t shown(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
    CRefreshScreen* screen() { return window()->GetRefreshScreenInterface(); }
    CUnit6* unit() { return CMC_Scene::getDefUnit(); }
};

TEST_F(SceneUnit, TheLiveScenesBackgroundIsShownUntilTheSceneGoes)
{
    startGame();
    EXPECT_NE(screen()->getBackgroundIfc(), nullptr);
    turn();
    EXPECT_EQ(shown(10, 10), kBackgroundColour);
    EXPECT_EQ(shown(790, 590), kBackgroundColour);
    episode("E")->next();
    turn();
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_EQ(screen()->getBackgroundIfc(), nullptr); // its picture does not load
}

class RecordingControl : public CControlNotifier {
public:
    void onStartDragging(CControl*, CXPoint point) override { told("start", point); }
    void onDragging(CControl*, CXPoint point) override { told("drag", point); }
    void onEndDragging(CControl*, CXPoint point) override { told("end", point); }
    std::vector<std::string> log;

private:
    void told(const char* what, CXPoint point)
    {
        log.push_back(std::string(what) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
};

TEST_F(SceneUnit, ADraggedControlFollowsTheMouseOnTopUntilItsDropComes)
{
    struct Case {
        bool endsAtClick;
        const char* title;
    };
    for (const Case& c : {Case{true, "ends at the next click"}, Case{false, "ends at the release"}}) {
        startGame();
        CGraphicsObject picture(window(), CXSize(20, 20), 16);
        picture.SetPosition(100, 100);
        screen()->put(&picture, 5);
        CControl control(window());
        RecordingControl notifier;
        control.addNotifier(&notifier);
        control.Enable(false);

        unit()->setDraggingMode(c.endsAtClick);
        unit()->onStartDragging(&picture, CXPoint(105, 105), &control);
        EXPECT_EQ(screen()->GetPriority(&picture), CUnit6::draggingPriority) << c.title;
        EXPECT_EQ(window()->OnMouseMove(CXPoint(110, 115), 0), 1) << c.title << ": the unit takes the move";
        EXPECT_EQ(picture.GetPosition().x, 105) << c.title;
        EXPECT_EQ(picture.GetPosition().y, 110) << c.title;
        // The event that does not end this drag, then the one that does.
        if (c.endsAtClick) {
            window()->OnLButtonUp(CXPoint(110, 115), 0);
            EXPECT_TRUE(unit()->isDragging()) << c.title;
            window()->OnLButtonDown(CXPoint(110, 115), 0);
        } else {
            window()->OnLButtonDown(CXPoint(110, 115), 0);
            EXPECT_TRUE(unit()->isDragging()) << c.title;
            window()->OnLButtonUp(CXPoint(110, 115), 0);
        }
        EXPECT_FALSE(unit()->isDragging()) << c.title;
        EXPECT_EQ(screen()->GetPriority(&picture), 5) << c.title;
        EXPECT_TRUE(control.IsEnabled()) << c.title;
        EXPECT_EQ(notifier.log, std::vector<std::string>({"start 105,105", "drag 110,115", "end 105,110"})) << c.title;
        EXPECT_EQ(window()->OnMouseMove(CXPoint(120, 120), 0), 0) << c.title << ": moves are free again";
        screen()->operator>>(&picture);
        stop();
    }
}

TEST_F(SceneUnit, ADraggedObjectCanBeBroughtBackAndADragEndsWithItsScene)
{
    startGame();
    CGraphicsObject picture(window(), CXSize(20, 20), 16);
    picture.SetPosition(100, 100);
    screen()->put(&picture, 5);
    unit()->onStartDragging(&picture, CXPoint(100, 100), nullptr);
    window()->OnMouseMove(CXPoint(150, 160), 0);
    unit()->bringBackDraggingObjectPosition(CXPoint(150, 160));
    EXPECT_EQ(picture.GetPosition().x, 100);
    EXPECT_EQ(picture.GetPosition().y, 100);

    episode("E")->next();
    turn();
    EXPECT_FALSE(unit()->isDragging());
    EXPECT_EQ(window()->OnMouseMove(CXPoint(10, 10), 0), 0);
    screen()->operator>>(&picture);
}

} // namespace

namespace {

TEST_F(SceneUnit, AButtonPressedWithDraggingOnIsCarriedByTheUnit)
{
    startGame();
    CGraphicsObject look(window(), CXSize(20, 20), 16);
    look.SetPosition(100, 100);
    CButton button(window(), CXRect(), 1, nullptr);
    button.SetDeleteFlags(false, false);
    button.Set(&look, nullptr, false, false);
    button.setUnit(unit());
    button.EnableDragging(true);
    RecordingControl notifier;
    button.addNotifier(&notifier);

    window()->OnLButtonDown(CXPoint(105, 105), 0);
    ASSERT_TRUE(unit()->isDragging());
    window()->OnMouseMove(CXPoint(125, 135), 0);
    EXPECT_EQ(look.GetPosition().x, 120);
    EXPECT_EQ(look.GetPosition().y, 130);
    window()->OnLButtonUp(CXPoint(125, 135), 0);
    EXPECT_FALSE(unit()->isDragging());
    EXPECT_EQ(notifier.log.front(), "start 105,105");
    EXPECT_EQ(notifier.log.back(), "end 120,130");
}

} // namespace

namespace {

TEST_F(SceneUnit, AnAnimationGoesOnTheScreenAsItsElementSays)
{
    startGame();
    struct Case {
        std::vector<std::pair<const char*, const char*>> properties;
        int priority;
    };
    const Case cases[] = {
        {{{"TOCANVAS", "TRUE"}, {"PRIORITY", "7"}}, 7},
        {{{"TOCANVAS", "TRUE"}, {"PRIORITY", "7"}, {"ALWAYSONTOP", "TRUE"}}, CUnit6::onTopPriority},
        {{{"PRIORITY", "7"}}, -1},
    };
    for (const Case& c : cases) {
        CAnimo6 animation(window());
        CMElement element("A");
        for (const auto& [name, value] : c.properties)
            element.addProperty(name, value);
        unit()->putOnCanvas(&animation, &element);
        EXPECT_EQ(screen()->GetPriority(&animation), c.priority);
        screen()->operator>>(&animation);
    }
}

} // namespace
