// Writes the seed corpora of the compiled-file targets into the folder given: a generated game is
// started headless through the engine host with "-2bin", and the files it writes are the seeds,
// the tree file for compiled_application and every container's object file for compiled_scene.
// The corpora under fuzz/corpus/ are its output; a test keeps them equal.
#include "tests/application/HeadlessGame.h"
#include "tests/script/ScriptText.h"

#include <filesystem>
#include <string>

using scripttest::declared;

namespace {

// GAME (its own value) -> E (a value with a handler) -> S (one object of every script type that
// has a record, handlers with arguments and inline code) and EMPTY (no objects).
void writeGame(const TempFolder& game)
{
    game.write("Dane/application.def", declared("GAME", "APPLICATION", {"EPISODES=E"}) +
                                            declared("E", "EPISODE", {"SCENES=S, EMPTY", "PATH=PART"}) +
                                            declared("S", "SCENE", {"PATH=PART", "BACKGROUND=b.img", "MUSIC=m.wav"}) +
                                            declared("EMPTY", "SCENE", {}));
    game.write("Dane/GAME.cnv", declared("TITLE", "STRING", {"VALUE=Seeds"}));
    game.write("Dane/PART/E.cnv", declared("ON_E", "BEHAVIOUR", {"CODE={SCORE^INC();}"}) +
                                      declared("SCORE", "INTEGER", {"VALUE=10", "ONCHANGED=ON_E"}));
    game.write("Dane/PART/S.cnv",
               declared("GO", "BEHAVIOUR", {"CODE={COUNT^ADD(1);}"}) + "OBJECT=S\nS:ONINIT=GO\n" +
                   declared("COUNT", "INTEGER", {"VALUE=1", "DEFAULT=0", "ONCHANGED=GO(\"a\",2)"}) +
                   declared("NAME", "STRING", {"VALUE=seed", "ONCHANGED={COUNT^DEC();}"}) +
                   declared("ON", "BOOL", {"VALUE=FALSE"}) + declared("RATE", "DOUBLE", {"VALUE=-2.25"}) +
                   declared("IS_ONE", "CONDITION", {"OPERAND1=COUNT", "OPERATOR=EQUAL", "OPERAND2=1"}) +
                   declared("BOTH", "COMPLEXCONDITION", {"CONDITION1=IS_ONE", "CONDITION2=IS_ONE", "OPERATOR=OR"}) +
                   declared("NEXT", "EXPRESSION", {"OPERAND1=COUNT", "OPERATOR=ADD", "OPERAND2=1"}) +
                   declared("TICK", "TIMER", {"ELAPSE=500", "TICKS=2"}) + declared("POINT", "VECTOR", {"SIZE=2", "VALUE=3,4"}) +
                   declared("IN", "FIFO") + declared("OUT", "LIFO") + declared("ALL", "GROUP") +
                   declared("LIST", "ARRAY", {"SENDONCHANGE=TRUE"}));
}

void seed(const std::filesystem::path& root, const std::string& target, const TempFolder& game, const std::string& file)
{
    std::filesystem::create_directories(root / target);
    std::filesystem::path name = std::filesystem::path(file).filename();
    std::filesystem::copy_file(game / file, root / target / name, std::filesystem::copy_options::overwrite_existing);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    // Absolute: the engine host changes the current folder.
    const std::filesystem::path root = std::filesystem::absolute(argv[1]);
    TempFolder game;
    writeGame(game);
    {
        HeadlessGame compiled(game, "-2bin");
    }
    seed(root, "compiled_application", game, "Dane/application.bin");
    for (const char* file : {"Dane/GAME.bin", "Dane/PART/E.bin", "Dane/PART/S.bin", "Dane/EMPTY.bin"})
        seed(root, "compiled_scene", game, file);
    return 0;
}
