// BUTTON objects in a live scene, the pointer coming from mouse records as the input device
// buffers them: their signals, areas, sounds and drags; pictures and sounds that stay their own
// objects' whatever happens to the button or to them; buttons made by scripts; the stored record.
#include "MediaScene.h"
#include "sound/SoundFixture.h"

#include "graphics/CButton.h"
#include "graphics/CDXMouse.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CHotSpot.h"
#include "graphics/CImage.h"
#include "objects/CMC_Button.h"
#include "platform/HeadlessInput.h"
#include "platform/Input.h"

#include <memory>
#include <sstream>

using namespace objectstest;

namespace {

// Pictures of 40 x 20 at (100, 100): the standard, on-move and on-click looks; another at (200, 100).
std::string picture(const std::string& name, const std::string& file, int priority = 5)
{
    return declared(name, "IMAGE", {"FILENAME=" + file, "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=" + std::to_string(priority)});
}

std::string button(const std::string& name, const std::vector<std::string>& properties)
{
    std::string text = declared(name, "BUTTON");
    for (const std::string& property : properties)
        text += name + ":" + property + "\n";
    return text;
}

// The handler of each of the button's signals logs its name in lower case.
std::vector<std::string> loggingAll(std::vector<std::string> properties)
{
    for (const char* signal : {"ONFOCUSON", "ONFOCUSOFF", "ONPAUSED", "ONCLICKED", "ONRELEASED", "ONACTION"}) {
        std::string word(signal + 2);
        for (char& letter : word)
            letter = char(std::tolower(letter));
        properties.push_back(std::string(signal) + "=" + logs(word));
    }
    return properties;
}

class ButtonObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("STD.IMG", 40, 20, 0xF800, 255, 100, 100);
        writePicture("MOVE.IMG", 40, 20, 0x07E0, 255, 100, 100);
        writePicture("CLICK.IMG", 40, 20, 0x001F, 255, 100, 100);
        writePicture("FAR.IMG", 40, 20, 0xFFFF, 255, 200, 100);
        writeFile(gameFolder + "Wavs/HOVER.WAV", soundtest::wave({.data = soundtest::samples(soundtest::ramp(8000))}));
        writeFile(gameFolder + "Wavs/BEEP.WAV", soundtest::wave({.data = soundtest::samples(soundtest::ramp(800))}));
    }
    void TearDown() override
    {
        end();
        MediaScene::TearDown();
    }

    // The scene with its first frame drawn, the mouse read from the input device.
    bool begin(const std::string& objects)
    {
        if (!startWith(objects))
            return false;
        mouse = std::make_unique<CDXMouse>(window());
        turn();
        return true;
    }
    // The mouse goes before the window it reads for.
    void end()
    {
        mouse.reset();
        stop();
    }
    // Mouse words: "@x,y" the pointer moves there, "L+" / "L-" the left button, "R+" / "R-" the
    // right one, "|" a turn. What the LOG string got.
    std::string use(const std::string& steps)
    {
        std::istringstream words(steps);
        for (std::string word; words >> word;) {
            if (word == "|") {
                turn();
            } else if (word[0] == '@') {
                input.setPointer(pointAt(word));
                input.inject(platform::InputDevice::Mouse, {platform::MouseOffset::X, 1});
            } else {
                uint32_t offset = platform::MouseOffset::Button0 + (word[0] == 'R' ? 1 : 0);
                input.inject(platform::InputDevice::Mouse, {offset, word[1] == '+' ? platform::kInputPressed : 0});
            }
        }
        std::string told = log();
        clearLog();
        return told;
    }
    static platform::InputPoint pointAt(const std::string& word)
    {
        size_t comma = word.find(',');
        return {std::stoi(word.substr(1, comma - 1)), std::stoi(word.substr(comma + 1))};
    }

    CMC_Button* buttonObject(const std::string& name) { return dynamic_cast<CMC_Button*>(object(name)); }
    CButton* engine(const std::string& name) { return buttonObject(name)->getButton(); }
    CImage* look(const std::string& name) { return image(name)->getImage(); }
    static void destroy(CMC_Object* object) { CMC_Object::destroy(object); }

    std::unique_ptr<CDXMouse> mouse;
};

TEST_F(ButtonObject, TheEngineButtonsReportsBecomePlainSignals)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + picture("MOVE", "MOVE.IMG") + picture("CLICK", "CLICK.IMG") +
                      picture("FAR", "FAR.IMG") +
                      button("BTN", loggingAll({"GFXSTANDARD=STD", "GFXONMOVE=MOVE", "GFXONCLICK=CLICK", "ENABLE=TRUE",
                                                "ONFOCUSON^X=" + logs("specific")})) +
                      button("OFF", loggingAll({"GFXSTANDARD=FAR"}))));
    EXPECT_FALSE(look("MOVE")->isVisible());
    EXPECT_FALSE(look("CLICK")->isVisible());
    // Without ENABLE=TRUE a button starts off, its standard picture hidden.
    EXPECT_FALSE(look("FAR")->isVisible());
    struct Step {
        const char* steps;
        const char* log;
        const char* shown;
    };
    const Step steps[] = {
        {"@110,110 |", "focuson|", "MOVE"},
        {"@115,112 |", "", "MOVE"},
        {"L+ |", "clicked|", "CLICK"},
        {"L- |", "released|action|", "MOVE"},
        {"R+ R- |", "", "MOVE"},
        {"@300,300 |", "focusoff|", "STD"},
        {"@210,110 L+ L- @300,300 |", "", "STD"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.steps);
        EXPECT_EQ(use(step.steps), step.log);
        std::string shown;
        for (const char* name : {"STD", "MOVE", "CLICK"})
            shown += look(name)->isVisible() ? name : "";
        EXPECT_EQ(shown, step.shown);
    }

    run("OFF^ENABLE()");
    EXPECT_EQ(use("@210,110 | L+ L- @300,300 |"), "focuson|clicked|released|action|focusoff|");
    run("OFF^DISABLEBUTVISIBLE()");
    EXPECT_TRUE(look("FAR")->isVisible());
    EXPECT_EQ(use("@210,110 | L+ L- @300,300 |"), "");
}

TEST_F(ButtonObject, ThePointerRestingOverAButtonIsTakenIntoAccountWhenAsked)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + button("BTN", loggingAll({"GFXSTANDARD=STD", "ENABLE=TRUE"}))));
    input.setPointer({110, 110});
    run("BTN^SYN()");
    EXPECT_EQ(log(), "focuson|");
    run("BTN^SYN()");
    input.setPointer({10, 10});
    run("BTN^SYN()");
    EXPECT_EQ(log(), "focuson|focusoff|");
}

TEST_F(ButtonObject, TheAreaIsAnObjectsBoxOrARectangle)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + picture("AREA", "FAR.IMG", 7) +
                      button("BYNAME", {"GFXSTANDARD=STD", "RECT=AREA", "PRIORITY=2", "ENABLE=TRUE"}) +
                      button("BYTEXT", {"RECT=10,20,50,60", "PRIORITY=3", "ENABLE=TRUE", "ONCLICKED=" + logs("text")})));
    // RECT's object gives the area and the priority, whatever PRIORITY says.
    EXPECT_EQ(engine("BYNAME")->getHotSpot()->getActiveRect(), CXRect(200, 100, 240, 120));
    EXPECT_EQ(run("BYNAME^GETPRIORITY()"), "7");
    EXPECT_EQ(engine("BYTEXT")->getHotSpot()->getActiveRect(), CXRect(10, 20, 50, 60));
    EXPECT_EQ(run("BYTEXT^GETPRIORITY()"), "3");
    EXPECT_EQ(use("@20,30 L+ L- |"), "text|");

    struct Case {
        const char* line;
        CXRect rect;
    };
    const Case cases[] = {
        {"BYTEXT^SETRECT(\"STD\")", CXRect(100, 100, 140, 120)},
        {"BYTEXT^SETRECT(1, 2, 3, 4)", CXRect(1, 2, 3, 4)},
        {"BYTEXT^SETRECT(\"NOBODY\")", CXRect()},
    };
    for (const Case& c : cases) {
        run(c.line);
        EXPECT_EQ(engine("BYTEXT")->getHotSpot()->getActiveRect(), c.rect) << c.line;
    }
    run("BYTEXT^SETPRIORITY(9)");
    EXPECT_EQ(run("BYTEXT^GETPRIORITY()"), "9");
}

TEST_F(ButtonObject, SoundsOfSoundObjectsPlayOnHoverAndPressUntilTheyAreGone)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + declared("HOVER", "SOUND", {"FILENAME=HOVER.WAV", "ONSTARTED=" + logs("hover")}) +
                      declared("PRESS", "SOUND", {"FILENAME=BEEP.WAV", "ONSTARTED=" + logs("press")}) +
                      button("BTN", {"GFXSTANDARD=STD", "SNDONMOVE=HOVER", "SNDONCLICK=PRESS", "SNDSTANDARD=PRESS", "ENABLE=TRUE"})));
    // The hover sound plays without a hover picture.
    EXPECT_EQ(run("BTN^GETONMOVE()"), "UNKNOWN");
    EXPECT_EQ(use("@110,110 |"), "hover|");
    EXPECT_EQ(use("L+ |"), "press|");
    EXPECT_EQ(use("L- @300,300 |"), "");
    EXPECT_EQ(run("HOVER^ISPLAYING()"), "FALSE");

    // Their objects gone, the sounds are gone, and the button plays nothing.
    std::weak_ptr<const void> hover = engine("BTN")->GetSOOnMove()->lifetime();
    destroy(object("HOVER"));
    destroy(object("PRESS"));
    EXPECT_TRUE(hover.expired());
    EXPECT_EQ(use("@110,110 | L+ L- @300,300 |"), "");
    EXPECT_EQ(engine("BTN")->GetSOOnClick(), nullptr);
}

TEST_F(ButtonObject, PicturesStayTheirObjectsOwnAndTheButtonForgetsThoseThatGo)
{
    writePicture("OTHER.IMG", 40, 20, 0x1234, 255, 100, 100);
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + picture("MOVE", "MOVE.IMG") + picture("CLICK", "CLICK.IMG") +
                      button("BTN", loggingAll({"GFXSTANDARD=STD", "GFXONMOVE=MOVE", "GFXONCLICK=CLICK", "ENABLE=TRUE"}))));
    EXPECT_EQ(run("BTN^GETSTD()"), "STD");
    EXPECT_EQ(run("BTN^GETONCLICK()"), "CLICK");
    // A hover picture deleted with its object, a standard one replaced by its object's reload.
    destroy(object("MOVE"));
    run("STD^LOAD(\"OTHER.IMG\")");
    EXPECT_EQ(run("BTN^GETONMOVE()"), "UNKNOWN");
    EXPECT_EQ(run("BTN^GETSTD()"), "UNKNOWN");
    EXPECT_EQ(use("@110,110 | L+ L- @300,300 |"), "") << "no area without a standard picture";
    run("BTN^SETSTD(\"STD\")");
    EXPECT_EQ(use("@110,110 | L+ L- @300,300 |"), "focuson|clicked|released|action|focusoff|");

    // A copy shares the pictures; neither button, going, takes them along.
    run("BTN^CLONE()");
    ASSERT_NE(buttonObject("BTN_1"), nullptr);
    EXPECT_EQ(engine("BTN_1")->GetStandard(), look("STD"));
    destroy(object("BTN"));
    destroy(object("BTN_1"));
    EXPECT_EQ(run("STD^GETWIDTH()"), "40");
    EXPECT_EQ(run("CLICK^GETWIDTH()"), "40");
}

TEST_F(ButtonObject, AButtonMadeByTheSceneWrapsItsEngineButton)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + behaviour("CLICKED", "LOG^ADD(\"made|\");")));
    run("S^CREATEOBJECT(BUTTON, MADE)");
    ASSERT_NE(buttonObject("MADE"), nullptr);
    run("MADE^SETSTD(\"STD\")");
    run("MADE^ADDBEHAVIOUR(\"ONCLICKED\", \"CLICKED\")");
    EXPECT_EQ(use("@110,110 | L+ L- |"), "made|");
    EXPECT_EQ(engine("MADE")->getHotSpot()->getMCButton(), buttonObject("MADE"));
    run("S^REMOVE(MADE)");
    EXPECT_EQ(run("STD^GETWIDTH()"), "40");
    EXPECT_TRUE(look("STD")->CGraphicsObject::isVisible());
}

TEST_F(ButtonObject, AnEmptyButtonAnswersEveryMethod)
{
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + behaviour("MAKE", "@CREATE(BUTTON,EMPTY);")));
    run("MAKE^RUN()");
    ASSERT_NE(buttonObject("EMPTY"), nullptr);
    EXPECT_EQ(buttonObject("EMPTY")->getButton(), nullptr);
    struct Case {
        const char* method;
        const char* answer;
    };
    const Case cases[] = {
        {"SETRECT(\"STD\")", "none"}, {"SETRECT(1,2,3,4)", "none"}, {"ENABLE()", "none"},       {"DISABLE()", "none"},
        {"ENABLEDRAGGING()", "none"}, {"DISABLEDRAGGING()", "none"}, {"DISABLEBUTVISIBLE()", "none"},
        {"ACCENT(\"STD\")", "none"},  {"SETSTD(\"STD\")", "none"},   {"SETONMOVE(\"STD\")", "none"},
        {"SETONCLICK(\"STD\")", "none"}, {"SETPRIORITY(4)", "none"}, {"GETPRIORITY()", "0"},   {"GETSTD()", ""},
        {"GETONMOVE()", ""},          {"GETONCLICK()", ""},          {"SYN()", "none"},          {"GETNAME()", "EMPTY"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(std::string("EMPTY^") + c.method), c.answer) << c.method;
}

TEST_F(ButtonObject, ADragNamesTheDraggedPicturesObjectOnlyWhileItLasts)
{
    const std::string named = "{LOG^ADD(S^GETDRAGGEDNAME());LOG^ADD(\"|\");}";
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + picture("FAR", "FAR.IMG") + picture("HANDLE", "MOVE.IMG") +
                      button("BTN", {"GFXSTANDARD=STD", "DRAGGABLE=TRUE", "DRAG=HANDLE", "ENABLE=TRUE",
                                     "ONSTARTDRAGGING=" + named, "ONDRAGGING=" + logs("drag"), "ONENDDRAGGING=" + named}) +
                      button("SILENT", {"GFXSTANDARD=FAR", "RECT=FAR", "DRAGGABLE=TRUE", "DRAG=HANDLE", "ENABLE=TRUE"})));
    EXPECT_EQ(run("S^GETDRAGGEDNAME()"), "");
    // Without an area of its own the standard picture is what is dragged, DRAG or not.
    EXPECT_EQ(use("@110,110 | L+ |"), "STD|");
    EXPECT_EQ(run("S^GETDRAGGEDNAME()"), "STD");
    EXPECT_EQ(use("@150,150 |"), "drag|");
    EXPECT_EQ(look("STD")->GetPosition().x, 140);
    // The name holds in the last signal and is gone after it.
    EXPECT_EQ(use("L- |"), "STD|");
    EXPECT_EQ(run("S^GETDRAGGEDNAME()"), "");

    // With an area the DRAG picture goes; its name is set without a behaviour hearing the drag.
    use("@210,110 | L+ |");
    EXPECT_EQ(run("S^GETDRAGGEDNAME()"), "HANDLE");
    use("@260,160 | L- |");
    EXPECT_EQ(run("S^GETDRAGGEDNAME()"), "");
}

TEST_F(ButtonObject, AButtonComesBackFromItsRecordAsDefined)
{
    const std::string clicked = behaviour("CLICKED", "LOG^ADD(\"clicked|\");");
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + clicked +
                      button("BTN", {"GFXSTANDARD=STD", "GFXONMOVE=STD", "SNDONCLICK=NOBODY", "RECT=1,2,3,4", "ENABLE=TRUE",
                                     "PRIORITY=6", "ONCLICKED=CLICKED"})));
    // Later changes are the engine button's alone.
    run("BTN^SETRECT(\"STD\")");
    run("BTN^DISABLE()");
    std::string bytes = stored(object("BTN"));
    auto text = [](const std::string& value) { return soundtest::le32(uint32_t(value.size())) + value; };
    EXPECT_TRUE(bytes.ends_with(text("") + text("STD") + text("STD") + text("") + text("") + text("") + text("NOBODY") +
                                text("") + text("1,2,3,4") + std::string("\x01\x00", 2) + soundtest::le32(6)));

    end();
    ASSERT_TRUE(begin(picture("STD", "STD.IMG") + clicked));
    auto* copy = dynamic_cast<CMC_Button*>(restored("BUTTON", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "BTN");
    EXPECT_EQ(copy->getButton()->getHotSpot()->getActiveRect(), CXRect(1, 2, 3, 4));
    EXPECT_EQ(stored(copy), bytes);
    run("BTN^SETRECT(\"STD\")");
    EXPECT_EQ(use("@110,110 | L+ L- |"), "clicked|");
}

} // namespace
