// Buttons of a live scene are held off while the scene unit drags the look of another.
#include "GameHost.h"

#include "application/CUnit6.h"
#include "graphics/CButton.h"
#include "graphics/CControlNotifier.h"
#include "graphics/CGraphicsObject.h"

using namespace apptest;

namespace {

class Clicks : public CControlNotifier {
public:
    void onControlClicked(CControl*, CXPoint) override { ++count; }
    int count = 0;
};

class ButtonDrag : public GameHost {};

TEST_F(ButtonDrag, OtherButtonsWaitWhileTheUnitDragsALook)
{
    startScene("");
    CUnit6* unit = CMC_Scene::getDefUnit();
    ASSERT_NE(unit, nullptr);
    unit->setDraggingMode(false);

    {
        CButton dragged(window(), 1, nullptr);
        auto* look = new CGraphicsObject(window(), CXSize(20, 20), 16);
        look->SetPosition(100, 100);
        dragged.Set(look, nullptr, false, false);
        dragged.setUnit(unit);
        dragged.EnableDragging(true);

        CButton other(window(), CXRect(200, 200, 220, 220), 2, nullptr);
        other.setUnit(unit);
        Clicks otherClicks;
        other.addNotifier(&otherClicks);
        turn();

        window()->OnMouseMove(CXPoint(105, 105), 0);
        window()->OnLButtonDown(CXPoint(105, 105), 0);
        ASSERT_TRUE(unit->isDragging());
        EXPECT_FALSE(dragged.IsEnabled());

        window()->OnMouseMove(CXPoint(205, 205), 0);
        EXPECT_EQ(look->GetPosition().x, 200);
        window()->OnLButtonDown(CXPoint(205, 205), 0);
        EXPECT_EQ(otherClicks.count, 0);

        window()->OnMouseMove(CXPoint(305, 305), 0);
        window()->OnLButtonUp(CXPoint(305, 305), 0);
        EXPECT_FALSE(unit->isDragging());
        EXPECT_TRUE(dragged.IsEnabled());
        window()->OnMouseMove(CXPoint(210, 210), 0);
        window()->OnLButtonDown(CXPoint(210, 210), 0);
        EXPECT_EQ(otherClicks.count, 1);
    }
    stop();
}

} // namespace
