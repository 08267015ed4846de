// IMAGE objects in a live scene: construction from a definition and by CREATE, display, the
// method table and its kept results, and sampling.
#include "MediaScene.h"

#include "graphics/CImage.h"
#include "graphics/CRefreshScreen.h"

using namespace objectstest;

namespace {

class ImageObject : public MediaScene {};

TEST_F(ImageObject, DefinitionLoadsTheFileAndPutsThePictureOnTheScreen)
{
    writePicture("BOX.IMG", 50, 20, 0xF800, 200, 100, 40);
    writePicture("DOT.IMG", 1, 1, 0xFFFF);
    ASSERT_TRUE(startWith(declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=7"}) +
                          declared("DOT", "IMAGE", {"FILENAME=DOT.IMG", "VISIBLE=FALSE"})));
    CMC_Image* box = image("BOX");
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->getImage(), nullptr);
    EXPECT_EQ(box->getImage()->Width(), 50);
    EXPECT_EQ(run("BOX^GETPRIORITY()"), "7");
    EXPECT_EQ(run("BOX^ISVISIBLE()"), "TRUE");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(box->getImage()), 7);
    // Not TOCANVAS: off the screen.
    EXPECT_EQ(run("DOT^GETPRIORITY()"), "-1");
    EXPECT_EQ(run("DOT^ISVISIBLE()"), "FALSE");
}

TEST_F(ImageObject, MethodsAnswerAsTheScriptsExpect)
{
    // 0xF800 and alpha 200 read back sign-extended.
    writePicture("BOX.IMG", 50, 20, 0xF800, 200, 100, 40);
    ASSERT_TRUE(startWith(declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE"})));
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"BOX^GETPOSITIONX()", "100"},
        {"BOX^GETPOSITIONY()", "40"},
        {"BOX^GETWIDTH()", "50"},
        {"BOX^GETHEIGHT()", "20"},
        // (left + width) / 2, as it always was.
        {"BOX^GETCENTERX()", "75"},
        {"BOX^GETCENTERY()", "30"},
        {"BOX^GETALPHA(100, 40)", "-56"},
        {"BOX^GETPIXEL(149, 59)", "-2048"},
        {"BOX^GETALPHA(150, 40)", "0"},
        {"BOX^GETPIXEL(99, 40)", "0"},
        {"BOX^ISINSIDE(120, 50, TRUE)", "TRUE"},
        {"BOX^ISAT(10, 10, FALSE)", "FALSE"},
        {"BOX^GETCOLORRAT(100, 40)", "0"},
        // Half the box lies in the first rectangle, a fifth in the second.
        {"BOX^ISNEAR(100, 40, 125, 60, 50)", "TRUE"},
        {"BOX^ISNEAR(100, 40, 110, 60, 50)", "FALSE"},
        {"BOX^ISNEAR(\"NOBODY\", 1)", "FALSE"},
        // Clipped to its own first 10 x 10 pixels, the box is hit there only.
        {"BOX^SETCLIPPING(0, 0, 10, 10)", "none"},
        {"BOX^ISINSIDE(120, 50, FALSE)", "FALSE"},
        {"BOX^ISINSIDE(105, 45, FALSE)", "TRUE"},
        {"BOX^CLEARCLIPPING()", "none"},
        {"BOX^ISINSIDE(120, 50, FALSE)", "TRUE"},
        {"BOX^SETOPACITY(300)", "none"},
        // No modulo for an image: the byte of the value.
        {"BOX^GETOPACITY()", "44"},
        {"BOX^SETSCALEFACTOR(2)", "none"},
        {"BOX^GETWIDTH()", "50"},
        {"BOX^HIDE()", "none"},
        {"BOX^ISVISIBLE()", "FALSE"},
        {"BOX^SETPRIORITY(3)", "none"},
        {"BOX^GETPRIORITY()", "3"},
        {"BOX^NOSUCHMETHOD()", "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.line), c.answer) << c.line;
}

TEST_F(ImageObject, ResetPositionGoesBackToTheStartingPosition)
{
    writePicture("BOX.IMG", 10, 10, 0x001F, -1, 5, 6);
    ASSERT_TRUE(startWith(declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"})));
    run("BOX^MOVE(30, 40)");
    EXPECT_EQ(run("BOX^GETPOSITIONX()"), "35");
    run("BOX^RESETPOSITION()");
    EXPECT_EQ(run("BOX^GETPOSITIONX()") + "," + run("BOX^GETPOSITIONY()"), "5,6");
    run("BOX^SETRESETPOSITION(10, 10)");
    run("BOX^SETPOSITION(70, 80)");
    run("BOX^RESETPOSITION()");
    EXPECT_EQ(run("BOX^GETPOSITIONX()") + "," + run("BOX^GETPOSITIONY()"), "10,10");
}

TEST_F(ImageObject, CreateMakesAnEmptyObjectThatLoadLoads)
{
    writePicture("BOX.IMG", 8, 4, 0x07E0);
    ASSERT_TRUE(startWith(""));
    run("@CREATE(\"IMAGE\", \"MADE\")");
    ASSERT_NE(image("MADE"), nullptr);
    EXPECT_EQ(image("MADE")->getImage(), nullptr);
    // Methods on the empty object do nothing.
    EXPECT_EQ(run("MADE^GETWIDTH()"), "none");
    run("MADE^LOAD(\"BOX.IMG\")");
    EXPECT_EQ(run("MADE^GETWIDTH()"), "8");
    EXPECT_EQ(run("MADE^GETPRIORITY()"), "-1");
}

} // namespace

namespace {

TEST_F(ImageObject, SamplingStampingAndSlidingFillTheirArrays)
{
    writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
    writePicture("MASK.IMG", 4, 4, 0x0000, 128);
    writePicture("FLAT.IMG", 4, 4, 0x0000, -1);
    ASSERT_TRUE(startWith(declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"}) + declared("MASK", "IMAGE", {"FILENAME=MASK.IMG"}) +
                          declared("FLAT", "IMAGE", {"FILENAME=FLAT.IMG"}) + declared("OUT", "ARRAY")));
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        // A picture without an alpha plane has no alpha to read.
        {"FLAT^GETALPHA(0, 0)", "0"},
        // The mask past the corner: only what lies inside the picture is stamped.
        {"BOX^MERGEALPHA2(48, 18, \"MASK\")", "none"},
        {"BOX^GETALPHA(149, 59)", "-128"},
        {"BOX^GETALPHA(147, 59)", "-1"},
        {"BOX^GETCOLORAT(1, 2, \"OUT\")", "none"},
        {"OUT^GETSIZE()", "4"},
        {"OUT^GET(3)", "0"},
        {"OUT^REMOVEALL()", "none"},
        // The first turn from near the corner already leaves the picture: turned once, shrunk once.
        {"BOX^GETSLIDECOMPS(10.0, 0.0, 145, 58, \"OUT\")", "none"},
        {"OUT^GET(0)", "6.11379"},
        {"OUT^GET(1)", "5.66269"},
        {"OUT^REMOVEALL()", "none"},
        // Deep inside, every turn meets the picture: the vector itself.
        {"BOX^GETSLIDECOMPS(2.0, 0.0, 120, 50, \"OUT\")", "none"},
        {"OUT^GET(0)", "2.00000"},
        {"OUT^GET(1)", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.line), c.answer) << c.line;
}

} // namespace
