// The APPLICATION, EPISODE and SCENE method tables, one behaviour line after another in a live
// headless game.
#include "TreeMethods.h"

#include "application/CMC_Scene_Runner.h"
#include "graphics/CHotSpot.h"
#include "platform/Printer.h"

using namespace apptest;

namespace {

// A printer that notes what it is asked to do: "landscape " when turned, the document's name, then
// the size of each picture drawn on a page and where it lies.
class RecordingPrinter final : public platform::Printer {
public:
    std::unique_ptr<platform::PrintDevice> choose(platform::HostWindow*) override { return std::make_unique<Device>(log); }

    std::string log;

private:
    class Device final : public platform::PrintDevice {
    public:
        explicit Device(std::string& log) : log_(log) {}
        void setLandscape(bool landscape) override { log_ += landscape ? "landscape " : "portrait "; }
        platform::ScreenSize pageArea() const override { return {1000, 500}; }
        bool startDocument(const std::string& name) override
        {
            log_ += name + ":";
            return true;
        }
        bool startPage() override { return true; }
        bool drawPicture(const platform::RgbPicture& picture, const platform::ScreenRect& target) override
        {
            log_ += std::to_string(picture.width) + "x" + std::to_string(picture.height) + "@" + std::to_string(target.left) + "," +
                    std::to_string(target.top) + "," + std::to_string(target.right) + "," + std::to_string(target.bottom);
            return true;
        }
        bool endPage() override { return true; }
        bool endDocument() override { return true; }

    private:
        std::string& log_;
    };
};

// PRINT: the whole display, the box of a picture the calling scene names, or a rectangle of four
// numbers; any other count of arguments is the whole display, a name that shows nothing prints
// nothing.
TEST_F(TreeMethods, ApplicationPrintsTheScreen)
{
    RecordingPrinter printer;
    platform::setPrinter(&printer);
    auto printed = [&printer] { return std::exchange(printer.log, ""); };
    check({
              {"GAME^PRINT()", "none", printed, "landscape DocPrint:800x600@167,0,833,500"},
              {"GAME^PRINT(CNV)", "none", printed, "landscape DocPrint:100x50@0,0,1000,500"},
              {"GAME^PRINT(10, 20, 330, 520)", "none", printed, "landscape DocPrint:320x500@340,0,660,500"},
              {"GAME^PRINT(10, 20)", "none", printed, "landscape DocPrint:800x600@167,0,833,500"},
              {"GAME^PRINT(10, 20, 30)", "none", printed, "landscape DocPrint:800x600@167,0,833,500"},
              {"GAME^PRINT(NOBODY)", "none", printed, ""},
              {"GAME^PRINT(N)", "none", printed, ""},
          },
          declared("CNV", "CANVAS", {"WIDTH=100", "HEIGHT=50"}));
    platform::setPrinter(nullptr);
}

TEST_F(TreeMethods, ApplicationMethods)
{
    check(
        {
            // A change of child is made in the next turn; an unknown name drops it.
            {"GAME^GOTO(E2)", "none", [this] { return liveSceneName(); }, "T"},
            {"GAME^GOTO(E2);GAME^GOTO(NOWHERE)", "none", [this] { return liveSceneName(); }, "S"},
            // The start episode is live: it goes back to its first scene, whatever was asked of it.
            {"E^GOTO(S2);GAME^RESTART()", "none", [this] { return liveSceneName() + "," + value("LOG"); }, "S,restart|"},
            // ONEXIT runs at once; the loop ends after the turn.
            {"GAME^EXIT()", "none", [this] { return value("LOG") + yesNo(quitRequested()); }, "exit|yes"},
            {"GAME^SETLANGUAGE(\"0405\");GAME^GETLANGUAGE()", "CZE"},
            {"GAME^DISABLEMUSIC()", "none", [this] { return yesNo(window()->IsMusicOn()); }, "no"},
            {"GAME^DISABLEMUSIC();GAME^ENABLEMUSIC()", "none", [this] { return yesNo(window()->IsMusicOn()); }, "yes"},
            // RUN finds names in the live scene; "run" and "runC" run a behaviour whatever their case.
            {"GAME^RUN(B, \"Run\", 7)", "none", [this] { return value("LOG"); }, "7|"},
            {"GAME^RUN(GUARDED, \"RUNc\")", "none", [this] { return value("LOG"); }, ""},
            {"GAME^RUN(GUARDED, \"rUn\")", "none", [this] { return value("LOG"); }, "guarded|"},
            // Any other method goes to the object's runner by name, with the arguments after the two.
            {"GAME^RUN(A, ADD, 4);GAME^RUN(A, GET, 0)", "4"},
            {"GAME^RUN(NOBODY, GETNAME)", "none"},
            {"GAME^RUNENV(E, EB)", "none", [this] { return value("LOG"); }, "env|"},
            {"GAME^RUNENV(E, NOBODY);GAME^RUNENV(NOWHERE, EB)", "none", [this] { return value("LOG"); }, ""},
            {"GAME^EXISTSENV(E, EB)", "TRUE"},
            {"GAME^EXISTSENV(E, NOBODY)", "FALSE"},
            {"GAME^EXISTSENV(NOWHERE, EB)", "FALSE"},
            {"GAME^STARTDRAGGINGWINDOW(3, 4)", "none",
             [this] { return yesNo(window()->isWindowDragged()) + std::to_string(window()->getCatchPoint().x) + "," + std::to_string(window()->getCatchPoint().y); },
             "yes3,4"},
            {"GAME^STARTDRAGGINGWINDOW(3, 4);GAME^STOPDRAGGINGWINDOW()", "none", [this] { return yesNo(window()->isWindowDragged()); }, "no"},
            // A game that is no folder is asked for again at every turn.
            {"GAME^RELOAD(OTHER)", "none", [this] { return text(application()->getNextGame()); }, "OTHER"},
            {"GAME^GETPLAYER()", "TESTER"},
            // Names the table lacks reach the common methods.
            {"GAME^GETNAME()", "GAME"},
        },
        "", "-player TESTER");
}

TEST_F(TreeMethods, EpisodeMethods)
{
    auto scenes = [this] { return run("E^GETCURRENTSCENE()") + "<" + run("E^GETLATESTSCENE()"); };
    check({
        {"E^GETCURRENTSCENE()", "S"},
        {"E^GETLATESTSCENE()", ""},
        {"E^NEXT()", "none", scenes, "S2<S"},
        {"E^NEXT();E^NEXT()", "none", scenes, "S2<S"},
        {"E^PREV()", "none", scenes, "S<"},
        {"E^BACK()", "none", scenes, "S<"},
        {"E^GOTO(S2)", "none", scenes, "S2<S"},
        // Only the episode's own scenes.
        {"E^GOTO(T)", "none", scenes, "S<"},
        {"E^GOTO(S2);E^GOTO(NOWHERE)", "none", scenes, "S<"},
        {"E^GOTO(S2);E^RESTART()", "none", [this] { return liveSceneName() + "," + value("LOG"); }, "S,restart|"},
        {"E^GETNAME()", "E"},
    });
}

TEST_F(TreeMethods, SceneMethods)
{
    auto log = [this] { return value("LOG"); };
    auto musicVolume = [this] { return std::to_string(window()->getMusicVolume()); };
    check({
        {"S^TOTIME(125)", "0205"},
        {"S^TOTIME(3599)", "5959"},
        {"S^TOTIME(6000)", "10000"},
        {"S^TOTIME(0)", "0000"},
        {"S^SETMUSICVOLUME(800)", "none", musicVolume, "0"},
        {"S^SETMUSICVOLUME(26)", "none", musicVolume, "-3096"},
        {"S^SETMUSICVOLUME(0)", "none", musicVolume, "-10000"},
        {"S^SETMUSICVOLUME(600);S^GETMUSICVOLUME()", "600"},
        {"S^SETMUSICVOLUME(25);S^GETMUSICVOLUME()", "0"},
        {"S^STOPMUSIC()", "none", [this] { return yesNo(window()->isMusicPlaying()); }, "no"},
        {"S^STOPMUSIC();S^STARTMUSIC()", "none", [this] { return yesNo(window()->isMusicPlaying()); }, "yes"},
        {"S^STARTMUSIC(\"other.wav\")", "none", [this] { return text(liveScene()->getMusicFilename()); }, "other.wav"},
        {"S^SETMINHSPRIORITY(5);S^SETMAXHSPRIORITY(9);S^GETMINHSPRIORITY()", "5", [] { return std::to_string(CHotSpot::getMaxPriority()); }, "9"},
        {"S^ISPAUSED()", "FALSE"},
        {"S^PAUSE();S^ISPAUSED()", "TRUE"},
        {"S^PAUSE();S^RESUME();S^ISPAUSED()", "FALSE"},
        // Only the scene's own names, compared with case: "Run" is no method of a BEHAVIOUR.
        {"S^RUN(B, RUN, 7)", "none", log, "7|"},
        {"S^RUN(B, \"Run\", 7)", "none", log, ""},
        {"S^RUN(GUARDED, RUNC);S^RUN(GUARDED, RUN)", "none", log, "guarded|"},
        {"S^RUN(A, ADD, 4);S^RUN(A, GETSIZE)", "1"},
        // One run per clone, the clone's name first; the bounds of -1 mean all clones.
        {"A^CLONE(3);S^RUNCLONES(A, -1, -1, B)", "none", log, "A_1|A_2|A_3|"},
        {"A^CLONE(3);S^RUNCLONES(A, 2, 0, B, x)", "none", log, "A_2|A_3|"},
        // Code of a run alone: the scene's own "temp" stays.
        {"A^CLONE(2);S^RUNCLONES(A, -1, -1, CODE)", "none", [this] { return value("LOG") + "," + value("temp"); }, "A_1A_2,5"},
        // Only a BEHAVIOUR runs.
        {"A^CLONE(2);S^RUNCLONES(A, -1, -1, GRP)", "none", [this] { return value("LOG") + yesNo(object("GRP") != nullptr); }, "yes"},
        {"A^CLONE(3);S^REMOVECLONES(A, -1, -1)", "none", [this] { return yesNo(object("A_3") || object("A_1")) + yesNo(object("A")); }, "noyes"},
        // "_0" is the object the clones were made from.
        {"A^CLONE(2);S^REMOVECLONES(A, 0, 1)", "none", [this] { return yesNo(object("A")) + yesNo(object("A_1")) + yesNo(object("A_2")); }, "nonoyes"},
        {"S^REMOVE(GRP)", "none", [this] { return yesNo(object("GRP")); }, "no"},
        // The scene and its parents stay.
        {"S^REMOVE(S);S^REMOVE(E)", "none", [this] { return yesNo(object("S") && object("E")); }, "yes"},
        {"S^GETNAME()", "S"},
    });
}

TEST_F(TreeMethods, MusicPanSpreadsTwoHundredthsOfADecibelAStep)
{
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(0), -800);
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(400), 0);
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(1949), 3098);
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(1950), 10000);
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(-1150), -10000);
    EXPECT_EQ(CMC_Scene_Runner::musicPanOf(INT32_MIN), -10000);
    EXPECT_EQ(CMC_Scene_Runner::musicVolumeOf(INT32_MAX), INT32_MAX);
}

} // namespace
