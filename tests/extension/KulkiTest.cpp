// KULKI on a small board: the target pushed out of the "IN" picture and pulled out of "OUT" in
// passes about the centre (400, 410), passes that could never end ended, and the ball tested
// where it stood against the KULA grid that each of GO, GO2 and GO3 covers.
#include "ExtensionScene.h"

#include <initializer_list>

using namespace extensiontest;
using graphicstest::AnimationEvent;

namespace {

// Grid balls of 20 x 10 pixels and where they stand.
struct GridBall {
    const char* name;
    int x;
    int y;
};
const GridBall kGrid[] = {{"KULA00", 100, 100}, {"KULA04", 200, 100}, {"KULA12", 100, 200}, {"KULA20", 300, 100}};

class Kulki : public ExtensionScene {
protected:
    void SetUp() override
    {
        ExtensionScene::SetUp();
        // IN holds the centre; OUT lies to its right, OVERLAP over IN's right edge.
        writePicture("IN.IMG", 100, 100, 0x1111, 255, 350, 360);
        writePicture("OUT.IMG", 100, 100, 0x2222, 255, 650, 360);
        writePicture("OVERLAP.IMG", 100, 100, 0x2222, 255, 440, 360);
    }

    // The board: IN, OUT (from the file given), the grid, SZKULA, the ball BALL at (0, 0) and K.
    bool startBoard(const std::string& outFile = "OUT.IMG")
    {
        std::string script = picture("IN", "IN.IMG") + picture("OUT", outFile) + ball("BALL") + ball("SZKULA") + declared("K", "KULKI");
        for (const GridBall& cell : kGrid)
            script += ball(cell.name);
        if (!startWithLibrary("TobrelEx", script))
            return false;
        for (const GridBall& cell : kGrid)
            place(cell.name, cell.x, cell.y);
        run("SZKULA^HIDE()");
        return true;
    }

    // An opaque ball of its own file, shown on the screen.
    std::string ball(const std::string& name)
    {
        writeAnimation(name + ".ANN", objectstest::animationOf(1, 0, 0, {AnimationEvent("E", {{0}})}));
        return declared(name, "ANIMO", {"FILENAME=" + name + ".ANN", "TOCANVAS=TRUE", "VISIBLE=TRUE"});
    }
    static std::string picture(const std::string& name, const std::string& file)
    {
        return declared(name, "IMAGE", {"FILENAME=" + file, "TOCANVAS=TRUE", "VISIBLE=TRUE"});
    }
    void place(const std::string& name, int x, int y)
    {
        run(name + "^SETPOSITION(" + std::to_string(x) + ", " + std::to_string(y) + ")");
    }
    // "x,y shown" or "x,y hidden".
    std::string where(const std::string& name)
    {
        return run(name + "^GETPOSITIONX()") + "," + run(name + "^GETPOSITIONY()") +
               (run(name + "^ISVISIBLE()") == "TRUE" ? " shown" : " hidden");
    }

    struct Placing {
        const char* call;
        const char* ballAt;
    };
    void expectPlaced(std::initializer_list<Placing> cases)
    {
        for (const Placing& c : cases) {
            place("BALL", 0, 500);
            EXPECT_EQ(run(c.call), "FALSE") << c.call;
            EXPECT_EQ(where("BALL"), c.ballAt) << c.call;
        }
    }
};

TEST_F(Kulki, TargetsLeaveTheRegionsInPassesAboutTheCentre)
{
    ASSERT_TRUE(startBoard());
    expectPlaced({
        {"K^GO(\"BALL\", 200, 100)", "200,100 shown"},
        // The centre itself stands for another target; one below it does not.
        {"K^GO(\"BALL\", 400, 410)", "135,413 shown"},
        {"K^GO(\"BALL\", 400, 411)", "400,462 shown"},
        // x 1.05 of the distance a pass out of IN, x 0.95 out of OUT.
        {"K^GO(\"BALL\", 430, 410)", "451,410 shown"},
        {"K^GO(\"BALL\", 430, 430)", "451,444 shown"},
        {"K^GO(\"BALL\", 700, 410)", "644,410 shown"},
        // GO's step is a whole number: 1 doubles the distance...
        {"K^GO(\"BALL\", 420, 410, 1)", "480,410 shown"},
        // ...or brings a point of OUT onto the centre, inside IN, where no pass moves it.
        {"K^GO(\"BALL\", 700, 410, 1)", "400,410 shown"},
        // 0.05 read as a whole number is 0: nothing moves.
        {"K^GO(\"BALL\", 420, 410, 0.05)", "420,410 shown"},
        {"K^GO2(\"BALL\", 430, 410, 0.1)", "453,410 shown"},
        {"K^GO2(\"BALL\", 700, 410, 0.1)", "643,410 shown"},
        {"K^GO3(\"BALL\", 430, 410, 0.1)", "453,410 shown"},
        {"K^GO2(\"BALL\", 420, 410, -1)", "400,410 shown"},
        {"K^GO2(\"BALL\", 420, 410)", "420,410 shown"},
    });
}

TEST_F(Kulki, APointInBothRegionsStaysWhereItIs)
{
    ASSERT_TRUE(startBoard("OVERLAP.IMG"));
    expectPlaced({{"K^GO(\"BALL\", 445, 410)", "445,410 shown"}});
}

TEST_F(Kulki, TheBallIsTestedWhereItStoodAgainstEachMethodsGrid)
{
    ASSERT_TRUE(startBoard());
    const struct {
        const char* method;
        int ballX;
        int ballY;
        const char* answer;
    } cases[] = {
        {"GO", 105, 102, "TRUE"},   {"GO2", 105, 102, "TRUE"},  {"GO3", 105, 102, "TRUE"},
        {"GO", 205, 102, "TRUE"},   {"GO2", 205, 102, "FALSE"}, {"GO3", 205, 102, "FALSE"},
        {"GO", 105, 202, "TRUE"},   {"GO2", 105, 202, "TRUE"},  {"GO3", 105, 202, "TRUE"},
        {"GO", 305, 102, "FALSE"},  {"GO2", 305, 102, "FALSE"}, {"GO3", 305, 102, "TRUE"},
        // At least 1 per cent of the grid ball's 200 pixels: 2 of them, not 1.
        {"GO", 118, 109, "TRUE"},   {"GO", 119, 109, "FALSE"},
        {"GO", 600, 50, "FALSE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " from " + std::to_string(c.ballX) + "," + std::to_string(c.ballY));
        place("BALL", c.ballX, c.ballY);
        run("SZKULA^HIDE()");
        place("SZKULA", 0, 500);
        ASSERT_EQ(run(std::string("K^") + c.method + "(\"BALL\", 200, 300, 0.1)"), c.answer);
        const bool hit = std::string(c.answer) == "TRUE";
        EXPECT_EQ(where("BALL"), hit ? "200,300 hidden" : "200,300 shown");
        EXPECT_EQ(where("SZKULA"), hit ? "200,300 shown" : "0,500 hidden");
    }
    // A target on a grid ball is no hit: the ball had not moved yet.
    place("BALL", 600, 50);
    EXPECT_EQ(run("K^GO(\"BALL\", 100, 100)"), "FALSE");
    // A grid ball placed touches itself.
    EXPECT_EQ(run("K^GO(\"KULA00\", 200, 300)"), "TRUE");
    EXPECT_EQ(where("KULA00"), "200,300 hidden");
}

TEST_F(Kulki, MissingObjectsAreLeftOut)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", ball("BALL") + picture("PIC", "IN.IMG") + declared("K", "KULKI")));
    // No ball of that name, or not an animation: nothing happens.
    EXPECT_EQ(run("K^GO(\"NONE\", 200, 300)"), "FALSE");
    EXPECT_EQ(run("K^GO3(\"PIC\", 200, 300, 0.1)"), "FALSE");
    EXPECT_EQ(where("BALL"), "0,0 shown");
    // Without regions, grid or SZKULA, the ball goes to its target.
    run("BALL^HIDE()");
    EXPECT_EQ(run("K^GO(\"BALL\", 400, 411)"), "FALSE");
    EXPECT_EQ(where("BALL"), "400,411 shown");
}

} // namespace
