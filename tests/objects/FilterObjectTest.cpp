// FILTER objects in a live scene: the timed effects stepped by the window's 1 ms timer on the
// manual clock (one step a turn of a millisecond), their signals, links, PATH moves and the
// pictures WATER and WAVING make.
#include "FilterScene.h"

#include "objects/CFilterEffect.h"
#include "objects/CFilterObserver.h"
#include "objects/CMC_Filter.h"
#include "objects/CWaterRipple.h"

#include <cmath>
#include <utility>

using namespace objectstest;

namespace {

class FilterObject : public FilterScene {
protected:
    // A 20 × 10 picture at (10, 20), a FILTER F of the action and the given handlers.
    bool startFilter(const std::string& action, std::initializer_list<std::string> handlers = {}, const std::string& more = "")
    {
        writePicture("P.IMG", 20, 10, 0x1234, -1, 10, 20);
        writePicture("Q.IMG", 20, 10, 0x4321, -1, 50, 60);
        std::vector<std::string> properties{"ACTION=" + action};
        properties.insert(properties.end(), handlers.begin(), handlers.end());
        return startWithPicture("P.IMG", declared("Q", "IMAGE", {"FILENAME=Q.IMG", "TOCANVAS=TRUE"}) + more +
                                             declaredFrom("F", "FILTER", properties));
    }
    static std::string declaredFrom(const std::string& name, const std::string& type, const std::vector<std::string>& properties)
    {
        std::string text = declared(name, type, {});
        for (const std::string& property : properties)
            text += name + ":" + property + "\n";
        return text;
    }
    int opacity(const std::string& name = "P") { return picture(name)->GetOpacity(); }
    CXPoint position(const std::string& name = "P") { return picture(name)->GetPosition(); }
};

TEST_F(FilterObject, FadeInAtHalfSpeedSendsEveryTruncatedValueAndFinishesAtStep510)
{
    ASSERT_TRUE(startFilter("FADEIN", {"ONSTARTED^P=" + logs("started"), "ONTICK=" + logs("tick"), "ONFINISHED={STEPS^INC();}"},
                            declared("STEPS", "INTEGER", {"VALUE=0"})));
    run("F^SETPROPERTY(\"SPEED\", \"0.5\")");
    run("F^LINK(\"P\")");
    picture()->SetOpacity(77);
    run("F^START(\"P\")");
    EXPECT_EQ(opacity(), 0);
    EXPECT_EQ(log(), "started|");
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "TRUE");
    for (int k = 1; k <= 510; ++k) {
        step();
        ASSERT_EQ(opacity(), k / 2) << "step " << k;
    }
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    // Every step but the last raised ONFINISHED; the end raised ONTICK once.
    EXPECT_EQ(value("STEPS"), "509");
    EXPECT_EQ(log(), "started|tick|");
    step();
    EXPECT_EQ(value("STEPS"), "509");
}

TEST_F(FilterObject, FadesRunTheirCourse)
{
    struct Case {
        const char* action;
        std::vector<std::string> properties;
        std::vector<int> opacities;
        bool runsAfter;
    };
    const Case cases[] = {
        // END above START: the first step lands on END and finishes.
        {"FADEOUT", {"F^SETPROPERTY(\"START\", \"100\")", "F^SETPROPERTY(\"END\", \"200\")"}, {200}, false},
        {"FADEOUT", {"F^SETPROPERTY(\"SPEED\", \"100\")"}, {155, 55, 0}, false},
        // Up to END, down to START, and up again: it never finishes.
        {"FADEINOUT", {"F^SETPROPERTY(\"SPEED\", \"100\")"}, {100, 200, 255, 155, 55, 0, 100}, true},
        // Beyond the opacity's range the picture is held at its ends.
        {"FADEIN", {"F^SETPROPERTY(\"START\", \"-50\")", "F^SETPROPERTY(\"END\", \"400\")", "F^SETPROPERTY(\"SPEED\", \"200\")"},
         {150, 255, 255}, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(startFilter(c.action)) << c.action;
        for (const std::string& line : c.properties)
            run(line);
        run("F^LINK(\"P\")");
        run("F^START(\"P\")");
        for (size_t i = 0; i < c.opacities.size(); ++i) {
            step();
            EXPECT_EQ(opacity(), c.opacities[i]) << c.action << " " << c.properties[0] << " step " << i + 1;
        }
        EXPECT_EQ(run("F^ISRUNNING(\"P\")"), c.runsAfter ? "TRUE" : "FALSE") << c.action;
        stop();
    }
}

TEST_F(FilterObject, LinksAreOnePerPictureOrOnlyTheNewestWithOneAtTime)
{
    ASSERT_TRUE(startFilter("FADEIN", {"ONSTARTED=" + logs("started"), "ONFINISHED={STEPS^INC();}"},
                            declared("STEPS", "INTEGER", {"VALUE=0"})));
    run("F^LINK(\"P\")");
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    step();
    // One link: one start and one step.
    EXPECT_EQ(log(), "started|");
    EXPECT_EQ(value("STEPS"), "1");

    run("F^SETPROPERTY(\"ONEATTIME\", \"TRUE\")");
    run("F^LINK(\"Q\")");
    // P's link went with its running state; Q is linked alone.
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    run("F^START(\"P\")");
    EXPECT_EQ(log(), "started|");
    run("F^START(\"Q\")");
    EXPECT_EQ(log(), "started|started|");
    EXPECT_EQ(run("F^ISRUNNING(\"Q\")"), "TRUE");
}

TEST_F(FilterObject, UnlinkedOrStoppedPicturesRaiseNothing)
{
    ASSERT_TRUE(startFilter("FADEIN", {"ONSTARTED=" + logs("started"), "ONTICK=" + logs("tick")}));
    run("F^START(\"P\")");
    run("F^STOP(\"P\")");
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    EXPECT_EQ(run("F^ISRUNNING(\"NOBODY\")"), "FALSE");
    run("F^LINK(\"NOBODY\")");
    run("F^LINK(\"P\")");
    run("F^STOP(\"P\")");
    step();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(opacity(), 255);
    // A stop by the script raises ONTICK like the end does.
    run("F^START(\"P\")");
    run("F^STOP(\"P\")");
    EXPECT_EQ(log(), "started|tick|");
}

TEST_F(FilterObject, AFilterWithoutAKnownActionDoesNothing)
{
    ASSERT_TRUE(startFilter("SPARKLE", {"ONSTARTED=" + logs("started")}));
    run("F^SETPROPERTY(\"SPEED\", \"1\")");
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    step();
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    EXPECT_EQ(log(), "");
}

TEST_F(FilterObject, HandlersMayUnlinkWhatIsBeingStarted)
{
    ASSERT_TRUE(startFilter("FADEIN", {"ONSTARTED^P={F^UNLINK(\"P\");}", "ONFINISHED^Q={F^UNLINK(\"Q\");}"}));
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    EXPECT_EQ(opacity(), 255);
    run("F^LINK(\"Q\")");
    run("F^START(\"Q\")");
    step();
    EXPECT_EQ(run("F^ISRUNNING(\"Q\")"), "FALSE");
}

// Deletes the filter when told of a step.
class Deleter : public CFilterObserver {
public:
    explicit Deleter(CMC_Object* filter) : filter_(filter) {}
    void onEffectStarted(CFilterLink&, CFilterEffect&) override {}
    void onEffectStepped(CFilterLink&, CFilterEffect&) override { CMC_Object::destroy(filter_); }
    void onEffectStopped(CFilterLink&, CFilterEffect&) override {}

private:
    CMC_Object* filter_;
};

TEST_F(FilterObject, AFilterDeletedInTheMiddleOfAStepEndsIt)
{
    ASSERT_TRUE(startFilter("FADEIN"));
    run("F^SETPROPERTY(\"SPEED\", \"10\")");
    auto* filter = dynamic_cast<CMC_Filter*>(object("F"));
    ASSERT_NE(filter, nullptr);
    Deleter deleter(filter);
    filter->getEffect()->addObserver(&deleter);
    run("F^LINK(\"P\")");
    run("F^LINK(\"Q\")");
    run("F^START(\"P\")");
    run("F^START(\"Q\")");
    step();
    EXPECT_EQ(object("F"), nullptr);
    // P stepped once; Q was not reached.
    EXPECT_EQ(opacity(), 10);
    EXPECT_EQ(opacity("Q"), 0);
    step();
}

TEST_F(FilterObject, ALinkedPictureDeletedMeanwhileIsLeftAlone)
{
    ASSERT_TRUE(startFilter("WAVING"));
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    step();
    CMC_Object::destroy(object("P"));
    step();
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
    run("F^UNLINK(\"P\")");
    step();
}

TEST_F(FilterObject, PathMovesAlongTheVectorNodes)
{
    const std::string nodes = declared("V1", "VECTOR", {"SIZE=2", "VALUE=3,0"}) + declared("V2", "VECTOR", {"SIZE=2", "VALUE=0,2"}) +
                              declared("V3", "VECTOR", {"SIZE=2", "VALUE=-3,-2"}) + declared("WAY", "PATH", {"NODES=V1,V2,V3"});
    const std::vector<CXPoint> positions{{11, 20}, {12, 20}, {13, 20}, {13, 21}, {13, 22}, {13, 22}, {12, 21}, {11, 21}, {10, 20}};
    for (bool looped : {false, true}) {
        ASSERT_TRUE(startFilter("PATH", {"ONTICK^P=" + logs("end")}, nodes));
        run("F^SETPROPERTY(\"PATHDEF\", \"WAY\")");
        run(std::string("F^SETPROPERTY(\"LOOPED\", \"") + (looped ? "TRUE" : "FALSE") + "\")");
        run("F^LINK(\"P\")");
        run("F^START(\"P\")");
        for (size_t i = 0; i < positions.size(); ++i) {
            step();
            EXPECT_EQ(position(), positions[i]) << "looped " << looped << " step " << i + 1;
        }
        EXPECT_EQ(run("F^ISRUNNING(\"P\")"), looped ? "TRUE" : "FALSE");
        EXPECT_EQ(log(), looped ? "" : "end|");
        // Round again from where it stands.
        step();
        EXPECT_EQ(position(), looped ? CXPoint(11, 20) : CXPoint(10, 20));
        stop();
    }
}

TEST_F(FilterObject, PathSpeedAndDensityPaceTheMoves)
{
    ASSERT_TRUE(startFilter("PATH", {}, declared("V", "VECTOR", {"SIZE=2", "VALUE=0,4"}) + declared("WAY", "PATH", {"NODES=V"})));
    run("F^SETPROPERTY(\"PATHDEF\", \"WAY\")");
    run("F^SETPROPERTY(\"SPEED\", \"2\")");
    run("WAY^SETPROPERTY(\"DENSITY\", 2.0)");
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    const int rows[] = {20, 22, 22, 24};
    for (int row : rows) {
        step();
        EXPECT_EQ(position().y, row);
    }
    EXPECT_EQ(run("F^ISRUNNING(\"P\")"), "FALSE");
}

TEST_F(FilterObject, ComesBackFromItsRecordWithItsAction)
{
    ASSERT_TRUE(startFilter("FADEOUT"));
    run("F^SETPROPERTY(\"SPEED\", \"100\")");
    std::string bytes = stored(object("F"));
    EXPECT_EQ(bytes.substr(bytes.size() - 11), std::string("\x07\0\0\0FADEOUT", 11));
    stop();
    ASSERT_TRUE(startWithPicture("P.IMG", ""));
    auto* copy = dynamic_cast<CMC_Filter*>(restored("FILTER", bytes));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->getEffect(), nullptr);
    // The parameters start afresh.
    run("F^LINK(\"P\")");
    run("F^START(\"P\")");
    step();
    EXPECT_EQ(opacity(), 254);
}

// The pictures the two distortions make, step by step, of a 16 × 12 picture of distinct pixels
// with a transparent corner.
TEST_F(FilterObject, WaterAndWavingMakeTheirPictures)
{
    Alpha alpha(16 * 12, 255);
    alpha[0] = 0;
    writePixels("D.IMG", 16, 12, distinctPixels(16, 12), alpha);
    const struct {
        const char* action;
        std::vector<uint32_t> digests;
    } cases[] = {
        {"WATER", {1145905296u, 2593054509u, 3803457809u, 3242790799u}},
        // Waves of the phases 0 to 3, each the unaltered picture shifted anew.
        {"WAVING", {3145507649u, 1983464086u, 1612022045u, 1067925855u}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(startWithPicture("D.IMG", declared("F", "FILTER", {std::string("ACTION=") + c.action})));
        run("F^LINK(\"P\")");
        run("F^START(\"P\")");
        std::vector<uint32_t> digests;
        for (size_t i = 0; i < c.digests.size(); ++i) {
            // WAVING makes a wave every tenth step.
            for (int k = 0; k < (c.action == std::string("WAVING") ? 10 : 1); ++k)
                step();
            digests.push_back(digest(pixels()));
            // Water leaves the transparent pixel as it was.
            if (c.action == std::string("WATER")) {
                EXPECT_EQ(pixels()[0], distinctPixels(16, 12)[0]);
            }
        }
        EXPECT_EQ(digests, c.digests) << c.action;
        stop();
    }
}

// The ripple as written out plainly, with a table of every pixel's distance, against the one the
// effect uses; one picture is wide enough for the widest vectors of its loops.
TEST(WaterRipple, MovesEachPixelByItsWaveWithinThePicture)
{
    for (auto [width, height] : {std::pair{23, 17}, std::pair{130, 9}, std::pair{8, 3}, std::pair{2, 5}, std::pair{1, 1}}) {
        const Pixels unaltered = distinctPixels(width, height, 5);
        Alpha alpha(size_t(width * height), 9);
        alpha[size_t(width * height) / 2] = 0;
        CWaterRipple ripple(width, height);
        for (double factor : {1.1, 0.9, 1.0, -1.0, -1.5, 1.9999999, 3.7, -6.0, 40.0, 1e12, 0.0}) {
            for (int phase : {0, 7, 50}) {
                float s = float(std::sin(double(phase)));
                float c = float(std::cos(double(phase)));
                Pixels made(unaltered.size(), 0xABCD);
                ripple.ripple(unaltered.data(), made.data(), alpha.data(), s, c, factor);
                for (int y = 0; y < height; ++y) {
                    for (int x = 0; x < width; ++x) {
                        size_t at = size_t(y * width + x);
                        double d = std::sqrt(double((width / 2 - x) * (width / 2 - x) + (height / 2 - y) * (height / 2 - y)));
                        float wave = s * float(std::cos(d)) + c * float(std::sin(d));
                        long long m = (long long)std::clamp(double(wave) * factor, -1e6, 1e6);
                        long long column = std::clamp<long long>(x + m, 0, width - 1);
                        long long row = std::clamp<long long>(y + m, 0, height - 1);
                        uint16_t expected = alpha[at] == 0 ? 0xABCD : unaltered[size_t(row * width + column)];
                        ASSERT_EQ(made[at], expected) << width << "x" << height << " factor " << factor << " phase " << phase << " at " << x
                                                      << "," << y;
                    }
                }
            }
        }
    }
}

// Hostile parameters: every effect keeps to a sound outcome, never a crash or a wild place.
TEST_F(FilterObject, HostileParametersKeepToSoundOutcomes)
{
    const std::string nodes = declared("ZERO", "VECTOR", {"SIZE=2", "VALUE=0,0"}) + declared("HUGE", "VECTOR", {"SIZE=2", "VALUE=1e300,1e300"}) +
                              declared("V", "VECTOR", {"SIZE=2", "VALUE=2,0"}) + declared("WAY", "PATH", {"NODES=ZERO,V,HUGE"}) +
                              declared("LOST", "PATH", {"NODES=NOBODY,V"}) + declared("ONE", "PATH", {"NODES=V"});
    struct Case {
        const char* action;
        std::vector<std::string> setup;
        // The place after twenty steps, and whether the picture runs still.
        CXPoint position;
        bool running;
    };
    const Case cases[] = {
        // SPEED below 1 counts as 1.
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"ONE\")", "F^SETPROPERTY(\"SPEED\", \"0\")"}, {12, 20}, false},
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"ONE\")", "F^SETPROPERTY(\"SPEED\", \"-3\")"}, {12, 20}, false},
        // A density that is not above 0 holds the picture.
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"ONE\")", "ONE^SETPROPERTY(\"DENSITY\", 0.0)"}, {10, 20}, true},
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"ONE\")", "ONE^SETPROPERTY(\"DENSITY\", -1.0)"}, {10, 20}, true},
        // A zero-length node is done at once; a node too long to measure moves by nothing; a
        // missing node, or a missing PATH, holds the picture where it is.
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"WAY\")"}, {12, 20}, true},
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"LOST\")"}, {10, 20}, true},
        {"PATH", {"F^SETPROPERTY(\"PATHDEF\", \"NOWHERE\")"}, {10, 20}, true},
        {"FADEIN", {"F^SETPROPERTY(\"SPEED\", \"1e400\")"}, {10, 20}, false},
        {"FADEIN", {"F^SETPROPERTY(\"START\", \"-1e400\")", "F^SETPROPERTY(\"SPEED\", \"-1\")"}, {10, 20}, true},
        {"WATER", {"F^SETPROPERTY(\"FACTOR\", \"1e300\")"}, {10, 20}, true},
        {"WATER", {"F^SETPROPERTY(\"FACTOR\", \"-1e400\")"}, {10, 20}, true},
        {"WAVING", {"F^SETPROPERTY(\"AMPLITUDE\", \"2147483647\")", "F^SETPROPERTY(\"DENSITY\", \"1e308\")"}, {10, 20}, true},
        {"WAVING", {"F^SETPROPERTY(\"AMPLITUDE\", \"-2147483648\")"}, {10, 20}, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(startFilter(c.action, {}, nodes)) << c.setup[0];
        for (const std::string& line : c.setup)
            run(line);
        run("F^LINK(\"P\")");
        run("F^START(\"P\")");
        for (int i = 0; i < 20; ++i)
            step();
        EXPECT_EQ(position(), c.position) << c.action << " " << c.setup.back();
        EXPECT_EQ(run("F^ISRUNNING(\"P\")"), c.running ? "TRUE" : "FALSE") << c.action << " " << c.setup.back();
        stop();
    }
}

} // namespace
