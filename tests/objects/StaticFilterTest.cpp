// STATICFILTER objects in a live scene: the pixels each effect makes, giving pictures back with
// CANUNDO (packed ones too), following an animation's frames, and hostile parameters.
#include "FilterScene.h"

#include "foundation/CXRandom.h"
#include "objects/CBlurEffect.h"

using namespace objectstest;

namespace {

// A 5 × 5 picture of 5-6-5 pixels, its first pixel transparent.
const Pixels kPicture{0xFFFF, 0x0000, 0xF800, 0x07E0, 0x001F, 0x1234, 0x8410, 0x4208, 0xC618, 0x39E7, 0xA5A5, 0x5A5A, 0xFFE0,
                      0x07FF, 0xF81F, 0x0841, 0x1082, 0x2104, 0x4208, 0x8410, 0x7BEF, 0xBDF7, 0xDEFB, 0xEF7D, 0xF7BE};

Alpha pictureAlpha()
{
    Alpha alpha(25, 255);
    alpha[0] = 0;
    return alpha;
}

class StaticFilter : public FilterScene {
protected:
    // The picture P of the file and a STATICFILTER S of the action with those properties set.
    bool startStatic(const std::string& file, const std::string& action, const std::vector<std::string>& properties = {},
                     const std::string& more = "")
    {
        if (!startWithPicture(file, more + declared("S", "STATICFILTER", {"ACTION=" + action})))
            return false;
        for (const std::string& property : properties)
            run("S^SETPROPERTY(" + property + ")");
        return true;
    }
};

TEST_F(StaticFilter, EachEffectMakesItsPixels)
{
    writePixels("G.IMG", 5, 5, kPicture, pictureAlpha());
    const struct {
        const char* action;
        std::vector<std::string> properties;
        Pixels expected;
    } cases[] = {
        {"COLORCHANNEL",
         {"\"CHANNELS\", \"RB\""},
         {0xF81F, 0x0000, 0xF800, 0x0000, 0x001F, 0x1014, 0x8010, 0x4008, 0xC018, 0x3807, 0xA005, 0x581A, 0xF800,
          0x001F, 0xF81F, 0x0801, 0x1002, 0x2004, 0x4008, 0x8010, 0x780F, 0xB817, 0xD81B, 0xE81D, 0xF01E}},
        // Lower-case letters name nothing.
        {"COLORCHANNEL", {"\"CHANNELS\", \"rgb\""}, Pixels(25, 0)},
        // Green keeps its upper five bits; the transparent pixel stays.
        {"NEGATIVE",
         {},
         {0xFFFF, 0xFFDF, 0x07DF, 0xF81F, 0xFFC0, 0xEDCB, 0x7BCF, 0xBDD7, 0x39C7, 0xC618, 0x5A5A, 0xA585, 0x001F,
          0xF800, 0x07C0, 0xF79E, 0xEF5D, 0xDEDB, 0xBDD7, 0x7BCF, 0x8410, 0x4208, 0x2104, 0x1082, 0x0841}},
        // Each inner pixel with the mean of its eight neighbours; the border stays.
        {"BLUR",
         {},
         {0xFFFF, 0x0000, 0xF800, 0x07E0, 0x001F, 0x1234, 0x83AD, 0x5B2A, 0x94B2, 0x39E7, 0xA5A5, 0x5290, 0xA587,
          0x4575, 0xF81F, 0x0841, 0x4A47, 0x530B, 0x73AE, 0x8410, 0x7BEF, 0xBDF7, 0xDEFB, 0xEF7D, 0xF7BE}},
        // An even size sums eight neighbours but divides by three: each channel stops at its
        // largest value.
        {"BLUR",
         {"\"SIZE\", \"2\""},
         {0xFFFF, 0x0000, 0xF800, 0x07E0, 0x001F, 0x1234, 0xF6B7, 0xB6F4, 0xF79E, 0x39E7, 0xA5A5, 0x9D16, 0xDFF3,
          0xAFFF, 0xF81F, 0x0841, 0xBDD1, 0xBF5A, 0xFFFF, 0x8410, 0x7BEF, 0xBDF7, 0xDEFB, 0xEF7D, 0xF7BE}},
        {"GRAYSCALE",
         {},
         {0xFFDF, 0x0000, 0x528A, 0x528A, 0x528A, 0x528A, 0x8410, 0x4208, 0xC618, 0x39C7, 0x7BCF, 0x7BCF, 0xA514,
          0xA514, 0xA514, 0x0841, 0x1082, 0x2104, 0x4208, 0x8410, 0x7BCF, 0xBDD7, 0xDEDB, 0xEF5D, 0xF79E}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(startStatic("G.IMG", c.action, c.properties)) << c.action;
        run("S^LINK(\"P\")");
        EXPECT_EQ(pixels(), c.expected) << c.action << " " << (c.properties.empty() ? "" : c.properties[0]);
        // Without CANUNDO the change stays.
        run("S^UNLINK(\"P\")");
        EXPECT_EQ(pixels(), c.expected) << c.action;
        stop();
    }
}

TEST_F(StaticFilter, BlurOfTinyPicturesOrSizesChangesNothing)
{
    const Pixels plane = distinctPixels(7, 2);
    for (int size : {-4, 0, 1, 3, 1000000, 2147483647}) {
        Pixels made = plane;
        CBlurEffect::blur(plane.data(), made.data(), 7, 2, size, true);
        EXPECT_EQ(made, plane) << size;
    }
}

// The blur as written out plainly, against the sliding sums the effect uses.
TEST(BoxBlur, AveragesEveryInnerPixelWithItsNeighbours)
{
    const int width = 19, height = 13;
    const Pixels plane = distinctPixels(width, height, 3);
    for (bool is565 : {true, false}) {
        int redShift = is565 ? 11 : 10, greenMask = is565 ? 63 : 31;
        for (int size = 2; size <= 9; ++size) {
            Pixels made = plane;
            CBlurEffect::blur(plane.data(), made.data(), width, height, size, is565);
            int r = size / 2;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    uint16_t expected = plane[size_t(y * width + x)];
                    if (x >= r && y >= r && x < width - r && y < height - r) {
                        int channels[3][2] = {{redShift, 31}, {5, greenMask}, {0, 31}};
                        expected = 0;
                        for (auto& [shift, mask] : channels) {
                            int sum = 0;
                            for (int yy = y - r; yy <= y + r; ++yy)
                                for (int xx = x - r; xx <= x + r; ++xx)
                                    sum += (yy != y || xx != x) ? plane[size_t(yy * width + xx)] >> shift & mask : 0;
                            int own = plane[size_t(y * width + x)] >> shift & mask;
                            expected |= uint16_t(std::min((own + sum / (size * size - 1)) / 2, mask) << shift);
                        }
                    }
                    ASSERT_EQ(made[size_t(y * width + x)], expected) << "size " << size << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(StaticFilter, ScaleTakesTheNearestPixels)
{
    writePixels("T.IMG", 10, 10, distinctPixels(10, 10), {}, 30, 40);
    for (bool byCenter : {false, true}) {
        ASSERT_TRUE(startStatic("T.IMG", "SCALE", {"\"FACTORX\", \"2\"", "\"FACTORY\", \"0.5\"", byCenter ? "\"BYCENTER\", \"TRUE\"" : "\"BYCENTER\", \"FALSE\""}));
        run("S^LINK(\"P\")");
        PictureState scaled = stateOf(picture());
        EXPECT_EQ(scaled.width, 20);
        EXPECT_EQ(scaled.height, 5);
        // Column j of row i takes column j / 2 of row 2i.
        const Pixels source = distinctPixels(10, 10);
        EXPECT_EQ(scaled.pixels[0 * 20 + 7], source[0 * 10 + 3]);
        EXPECT_EQ(scaled.pixels[3 * 20 + 19], source[6 * 10 + 9]);
        // Centred: half the growth to the left, half the shrinking down.
        EXPECT_EQ(scaled.position, byCenter ? CXPoint(25, 42) : CXPoint(30, 40));
        stop();
    }
}

TEST_F(StaticFilter, RotateTurnsAboutTheCentre)
{
    writePixels("T.IMG", 10, 6, distinctPixels(10, 6), {}, 30, 40);
    ASSERT_TRUE(startStatic("T.IMG", "ROTATE"));
    run("S^LINK(\"P\")");
    EXPECT_EQ(stateOf(picture()).pixels, distinctPixels(10, 6));
    EXPECT_EQ(stateOf(picture()).position, CXPoint(30, 40));
    stop();

    ASSERT_TRUE(startStatic("T.IMG", "ROTATE", {"\"ANGLE\", \"90\""}));
    run("S^LINK(\"P\")");
    PictureState turned = stateOf(picture());
    EXPECT_EQ(turned.width, 6);
    EXPECT_EQ(turned.height, 10);
    EXPECT_EQ(turned.position, CXPoint(32, 38));
    // The rows read down the old columns, as the slightly short angle truncates them.
    EXPECT_EQ(digest(turned.pixels), 3367151827u);
    EXPECT_EQ(turned.pixels[1 * 6 + 2], distinctPixels(10, 6)[30]);
}

// Every effect, on a raw and on a packed picture, gives back the very picture with CANUNDO.
TEST_F(StaticFilter, UnlinkWithCanUndoGivesThePictureBack)
{
    const std::vector<std::pair<const char*, std::vector<std::string>>> effects{
        {"COLORCHANNEL", {"\"CHANNELS\", \"G\""}}, {"GRAYSCALE", {}}, {"BLUR", {}},
        {"ROTATE", {"\"ANGLE\", \"30\""}},         {"SCALE", {"\"FACTORX\", \"1.5\"", "\"FACTORY\", \"0.7\"", "\"BYCENTER\", \"TRUE\""}},
        {"NEGATIVE", {}},                          {"RANDOMJITTER", {}},
        {"WAVES", {"\"OFFSET\", \"1\""}},
    };
    Alpha alpha(12 * 9);
    for (size_t i = 0; i < alpha.size(); ++i)
        alpha[i] = uint8_t(i % 5 == 0 ? 0 : 40 * i);
    for (int code : {0, 4}) {
        writePixels("U.IMG", 12, 9, distinctPixels(12, 9), alpha, 100, 50, code);
        for (const auto& [action, properties] : effects) {
            std::vector<std::string> undoable = properties;
            undoable.push_back("\"CANUNDO\", \"TRUE\"");
            ASSERT_TRUE(startStatic("U.IMG", action, undoable)) << action;
            const PictureState before = stateOf(picture());
            ASSERT_EQ(before.compression, code);
            run("S^LINK(\"P\")");
            EXPECT_NE(stateOf(picture()), before) << action << " code " << code;
            run("S^UNLINK(\"P\")");
            EXPECT_EQ(stateOf(picture()), before) << action << " code " << code;
            stop();
        }
    }
}

TEST_F(StaticFilter, OneAtATimeGivesTheOtherPictureBack)
{
    // Pictures of one file are one picture: Q has a file of its own.
    writePixels("G.IMG", 5, 5, kPicture);
    writePixels("G2.IMG", 5, 5, kPicture);
    ASSERT_TRUE(startStatic("G.IMG", "NEGATIVE", {"\"CANUNDO\", \"TRUE\"", "\"ONEATTIME\", \"TRUE\""},
                            declared("Q", "IMAGE", {"FILENAME=G2.IMG", "TOCANVAS=TRUE"})));
    run("S^LINK(\"P\")");
    EXPECT_NE(pixels(), kPicture);
    run("S^LINK(\"Q\")");
    EXPECT_EQ(pixels(), kPicture);
    EXPECT_NE(pixels("Q"), kPicture);
    // The object's done gives back what it still holds.
    CMC_Object::destroy(object("S"));
    EXPECT_EQ(pixels("Q"), kPicture);
}

TEST_F(StaticFilter, APictureDeletedMeanwhileIsLeftAlone)
{
    writePixels("G.IMG", 5, 5, kPicture);
    ASSERT_TRUE(startStatic("G.IMG", "ROTATE", {"\"CANUNDO\", \"TRUE\"", "\"ANGLE\", \"45\""}));
    run("S^LINK(\"P\")");
    CMC_Object::destroy(object("P"));
    run("S^UNLINK(\"P\")");
    stop();
}

class AnimationFilter : public StaticFilter {
protected:
    // An ANIMO A of three 20 × 10 frames, packed, shown through one event E.
    bool startAnimation(const std::vector<std::string>& properties)
    {
        graphicstest::AnimationFile file = animationOf(3, 0, 0, {graphicstest::AnimationEvent("E", {{0}, {1}, {2}})});
        file.code = 4;
        writeAnimation("A.ANN", file);
        writePicture("P.IMG", 1, 1, 0);
        return startStatic("P.IMG", "NEGATIVE", properties, declared("A", "ANIMO", {"FILENAME=A.ANN", "TOCANVAS=TRUE", "VISIBLE=TRUE"}));
    }
    CAnimo6* animation() { return animo("A")->getAnimo(); }
    // Which frames show their own pixels (0x1234 + frame) and which the negative.
    std::string frames()
    {
        std::string shown;
        for (int frame = 0; frame < 3; ++frame) {
            uint16_t own = uint16_t(0x1234 + frame);
            uint16_t pixel = stateOf(animation()->GetFrame(frame)).pixels.at(0);
            shown += pixel == own ? "o" : pixel == uint16_t(~own & 0xFFDF) ? "N" : "?";
        }
        // Reading a packed frame packs it anew: the animation shows its planes again.
        animation()->updateWithCurrentFrame();
        return shown;
    }
    void showFrame(int position) { run("A^SETFRAME(\"E\", " + std::to_string(position) + ")"); }
};

TEST_F(AnimationFilter, CurrentFrameFollowsTheAnimationWithCanUndo)
{
    ASSERT_TRUE(startAnimation({"\"CANUNDO\", \"TRUE\""}));
    run("S^LINK(\"A\")");
    EXPECT_EQ(frames(), "Noo");
    // The animation shows the frame as it now is.
    EXPECT_EQ(reinterpret_cast<const uint16_t*>(animation()->GetDataPtr())[0], uint16_t(~0x1234 & 0xFFDF));
    showFrame(2);
    EXPECT_EQ(frames(), "ooN");
    showFrame(1);
    EXPECT_EQ(frames(), "oNo");
    run("S^UNLINK(\"A\")");
    EXPECT_EQ(frames(), "ooo");
    // Every frame is packed again as it was.
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(animation()->GetFrame(frame)->GetCompression(), COMPRESSION_RLE) << frame;
    showFrame(0);
    EXPECT_EQ(frames(), "ooo");
}

TEST_F(AnimationFilter, FramesChangeAsAskedWithoutFollowing)
{
    // Without CANUNDO only the frame shown at LINK changes, for good.
    ASSERT_TRUE(startAnimation({}));
    run("S^LINK(\"A\")");
    showFrame(1);
    EXPECT_EQ(frames(), "Noo");
    run("S^UNLINK(\"A\")");
    EXPECT_EQ(frames(), "Noo");
    stop();
    // Without CURRENTFRAME every frame changes, and comes back with CANUNDO.
    ASSERT_TRUE(startAnimation({"\"CURRENTFRAME\", \"FALSE\"", "\"CANUNDO\", \"TRUE\""}));
    run("S^LINK(\"A\")");
    EXPECT_EQ(frames(), "NNN");
    showFrame(2);
    EXPECT_EQ(frames(), "NNN");
    run("S^UNLINK(\"A\")");
    EXPECT_EQ(frames(), "ooo");
}

TEST_F(AnimationFilter, AnAnimationDeletedMeanwhileIsNoLongerFollowed)
{
    ASSERT_TRUE(startAnimation({"\"CANUNDO\", \"TRUE\""}));
    run("S^LINK(\"A\")");
    CMC_Object::destroy(object("A"));
    run("S^UNLINK(\"A\")");
    stop();
}

TEST_F(StaticFilter, JitterDrawsFromTheEnginesRandomNumbers)
{
    writePixels("J.IMG", 12, 9, distinctPixels(12, 9));
    writePixels("J2.IMG", 12, 9, distinctPixels(12, 9));
    ASSERT_TRUE(startStatic("J.IMG", "RANDOMJITTER", {"\"MAXJITTER\", \"1\""}, declared("Q", "IMAGE", {"FILENAME=J2.IMG", "TOCANVAS=TRUE"})));
    // A jitter of 1 moves nothing.
    run("S^LINK(\"P\")");
    EXPECT_EQ(pixels(), distinctPixels(12, 9));
    run("S^SETPROPERTY(\"MAXJITTER\", \"4\")");
    CXRandom::seed(40);
    run("S^LINK(\"Q\")");
    const Pixels first = pixels("Q");
    EXPECT_NE(first, distinctPixels(12, 9));
    stop();
    // The same seed at the same time, the same picture.
    ASSERT_TRUE(startStatic("J.IMG", "RANDOMJITTER", {"\"MAXJITTER\", \"4\""}));
    CXRandom::seed(40);
    run("S^LINK(\"P\")");
    EXPECT_EQ(pixels(), first);
}

TEST_F(StaticFilter, ComesBackFromItsRecordWithItsAction)
{
    writePixels("G.IMG", 5, 5, kPicture);
    ASSERT_TRUE(startStatic("G.IMG", "NEGATIVE"));
    EXPECT_EQ(apptest::text(object("S")->toString()), "Filter");
    std::string bytes = stored(object("S"));
    EXPECT_EQ(bytes.substr(bytes.size() - 12), std::string("\x08\0\0\0NEGATIVE", 12));
    stop();
    ASSERT_TRUE(startWithPicture("G.IMG", ""));
    ASSERT_NE(restored("STATICFILTER", bytes), nullptr);
    run("S^LINK(\"P\")");
    EXPECT_EQ(pixels()[1], 0xFFDF);
}

// Hostile parameters leave the picture as it was, or changed within bounds.
TEST_F(StaticFilter, HostileParametersChangeNothingOrStayInBounds)
{
    writePixels("H.IMG", 10, 10, distinctPixels(10, 10), Alpha(100, 255), 5, 5);
    const struct {
        const char* action;
        std::vector<std::string> properties;
        bool unchanged;
    } cases[] = {
        {"BLUR", {"\"SIZE\", \"1\""}, true},
        {"BLUR", {"\"SIZE\", \"0\""}, true},
        {"BLUR", {"\"SIZE\", \"-7\""}, true},
        {"BLUR", {"\"SIZE\", \"11\""}, true},
        {"BLUR", {"\"SIZE\", \"2147483647\""}, true},
        {"RANDOMJITTER", {"\"MAXJITTER\", \"0\""}, true},
        {"RANDOMJITTER", {"\"MAXJITTER\", \"-3\""}, true},
        {"RANDOMJITTER", {"\"MAXJITTER\", \"2147483647\""}, false},
        {"SCALE", {"\"FACTORX\", \"0.05\""}, true},
        {"SCALE", {"\"FACTORY\", \"0\""}, true},
        {"SCALE", {"\"FACTORX\", \"-2\""}, true},
        {"SCALE", {"\"FACTORX\", \"1e400\""}, true},
        {"SCALE", {"\"FACTORX\", \"100000\"", "\"FACTORY\", \"100000\""}, true},
        {"ROTATE", {"\"ANGLE\", \"1e400\""}, true},
        {"ROTATE", {"\"ANGLE\", \"1e300\""}, false},
        {"WAVES", {"\"AMPLITUDE\", \"2147483647\"", "\"DENSITY\", \"1e308\"", "\"OFFSET\", \"-2147483648\""}, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(startStatic("H.IMG", c.action, c.properties)) << c.action;
        const PictureState before = stateOf(picture());
        run("S^LINK(\"P\")");
        PictureState after = stateOf(picture());
        if (c.unchanged) {
            EXPECT_EQ(after, before) << c.action << " " << c.properties[0];
        } else {
            EXPECT_GE(after.width, 1) << c.action;
            EXPECT_EQ(after.pixels.size(), size_t(after.width) * after.height) << c.action;
        }
        stop();
    }
}

} // namespace
