#pragma once

// A game for the method tables of the application tree: application GAME with the episodes E (scenes
// S and S2) and E2 (scene T); S plays "theme.wav" and holds the objects the rows call. A row runs
// its lines (";" between lines) in S and one turn, then compares the value of the last line and
// what its probe reads.

#include "GameHost.h"

#include "sound/SoundFixture.h"

#include <functional>
#include <sstream>

namespace apptest {

struct MethodRow {
    std::string lines;
    // The text of the last line's value; "none" without one.
    std::string result;
    // What shows the effect after the turn; nothing when empty.
    std::function<std::string()> probe = {};
    std::string probed = "";
};

inline std::string yesNo(bool value)
{
    return value ? "yes" : "no";
}

class TreeMethods : public GameHost {
protected:
    // The theme music: one second of rising samples.
    static std::string theme()
    {
        soundtest::WaveSpec spec;
        spec.data = soundtest::samples(soundtest::ramp(8000, 1));
        return soundtest::wave(spec);
    }

    // Starts the game with S live and its music playing; `scene` is added to S's script.
    bool startGame(const std::string& scene = "", const std::string& commandLine = "")
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E, E2"}) + treeElement("E", "EPISODE", {"SCENES=S, S2"}) +
                        treeElement("E2", "EPISODE", {"SCENES=T"}) + treeElement("S", "SCENE", {"MUSIC=theme.wav"}) +
                        treeElement("S2", "SCENE", {}) + treeElement("T", "SCENE", {}));
        writeFile("theme.wav", theme());
        writeScript("GAME", declared("LOG", "STRING") + "OBJECT=GAME\nGAME:ONEXIT={LOG^ADD(\"exit|\");}\n");
        writeScript("E", behaviour("EB", "LOG^ADD(\"env|\");") + "OBJECT=E\nE:ONRESTART={LOG^ADD(\"restart|\");}\n");
        writeScript("S", behaviour("B", "LOG^ADD($1);LOG^ADD(\"|\");") + declared("A", "ARRAY") + declared("GRP", "GROUP") +
                             declared("N", "INTEGER", {"VALUE=3"}) + declared("temp", "INTEGER", {"VALUE=5"}) +
                             declared("CODE", "STRING", {"VALUE=LOG^ADD($1);"}) + declared("NEVER", "CONDITION", {"OPERATOR=EQUAL", "OPERAND1=N", "OPERAND2=4"}) +
                             declared("GUARDED", "BEHAVIOUR", {"CODE={LOG^ADD(\"guarded|\");}", "CONDITION=NEVER"}) + scene);
        if (!start(commandLine))
            return false;
        turn(0); // the first redraw starts the music
        return true;
    }

    // Runs the lines in the live scene; the value of the last.
    std::string runLines(const std::string& lines)
    {
        std::string result = "none";
        std::stringstream all(lines);
        for (std::string line; std::getline(all, line, ';');)
            result = run(line);
        return result;
    }

    // Each row in a game of its own.
    void check(const std::vector<MethodRow>& rows, const std::string& scene = "", const std::string& commandLine = "")
    {
        for (const MethodRow& row : rows) {
            SCOPED_TRACE(row.lines);
            ASSERT_TRUE(startGame(scene, commandLine));
            EXPECT_EQ(runLines(row.lines), row.result);
            turn();
            if (row.probe) {
                EXPECT_EQ(row.probe(), row.probed);
            }
            stop();
        }
    }
};

} // namespace apptest
