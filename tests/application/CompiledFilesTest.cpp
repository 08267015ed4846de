// Compiled application and scene files: "-2bin" and STOREBINARY write "application.bin" and one
// object file per container; a start that finds "application.bin" reads them back and reaches the
// same scenes with the same objects; damaged files are refused whole (the tree) or read as far as
// they go (a container's objects).
#include "CompiledBytes.h"
#include "GameHost.h"
#include "LogLines.h"

#include "foundation/CBigFile.h"
#include "foundation/CXArray.h"
#include "script/CMC_HandlerTable.h"
#include "tests/graphics/ImageBytes.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

using namespace apptest;

namespace {

using Files = std::map<std::string, std::string>;

class CompiledFiles : public GameHost {
protected:
    // GAME with its own objects; E1 (in EP1, with objects) holding S1 (in EP1, one object of every
    // stored script type, handlers by name, with arguments and inline, its own ONINIT, and a
    // picture) and S2; E2 holding S3 (in EP2).
    void writeRichGame()
    {
        graphicstest::Bytes picture = graphicstest::StillImage(8, 8, graphicstest::colourPlane(8, 8)).pik();
        writeFile("Dane/EP1/BOX.IMG", std::string(picture.begin(), picture.end()));
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E1, E2"}) +
                        treeElement("E1", "EPISODE", {"SCENES=S1, S2", "PATH=EP1"}) + treeElement("E2", "EPISODE", {"SCENES=S3"}) +
                        treeElement("S1", "SCENE", {"PATH=EP1"}) + treeElement("S2", "SCENE", {}) +
                        treeElement("S3", "SCENE", {"PATH=EP2"}));
        writeScript("GAME", declared("APPNOTE", "STRING", {"VALUE=app"}));
        writeFile("Dane/EP1/E1.cnv",
                  behaviour("EPBEH", "EPCOUNT^INC();") + declared("EPCOUNT", "INTEGER", {"VALUE=3", "ONCHANGED=EPBEH"}));
        writeFile("Dane/EP1/S1.cnv",
                  behaviour("SINIT", "N^SET(5);") + "OBJECT=S1\nS1:ONINIT=SINIT\n" + behaviour("NCHANGED", "TXT^SET(\"x\");") +
                      declared("N", "INTEGER", {"VALUE=5", "DEFAULT=2", "ONCHANGED=NCHANGED(1,2)"}) +
                      declared("TXT", "STRING", {"VALUE=hello", "ONCHANGED={N^INC();}"}) +
                      declared("FLAG", "BOOL", {"VALUE=TRUE"}) + declared("D", "DOUBLE", {"VALUE=1.5"}) +
                      declared("C", "CONDITION", {"OPERAND1=N", "OPERATOR=EQUAL", "OPERAND2=5"}) +
                      declared("CC", "COMPLEXCONDITION", {"CONDITION1=C", "CONDITION2=C", "OPERATOR=AND"}) +
                      declared("X", "EXPRESSION", {"OPERAND1=N", "OPERATOR=ADD", "OPERAND2=1"}) +
                      declared("T", "TIMER", {"ELAPSE=1000", "TICKS=3"}) + declared("V", "VECTOR", {"SIZE=3", "VALUE=1,2,3"}) +
                      declared("Q", "FIFO") + declared("L", "LIFO") + declared("G", "GROUP") +
                      declared("A", "ARRAY", {"SENDONCHANGE=TRUE"}) + declared("ST", "STRUCT", {"FIELDS=ID<INTEGER>"}) +
                      declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "PRELOAD=TRUE", "VISIBLE=TRUE", "PRIORITY=4"}));
        writeScript("S2", declared("M", "INTEGER", {"VALUE=9"}));
        writeFile("Dane/EP2/S3.cnv", declared("W", "STRING", {"VALUE=three"}));
    }
    // GAME -> E -> S, whose one object is an INTEGER; SCENES of the application lists LOOSE too.
    void writeTinyGame()
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E", "SCENES=LOOSE"}) +
                        treeElement("E", "EPISODE", {"SCENES=S"}) + treeElement("S", "SCENE", {}) +
                        treeElement("LOOSE", "SCENE", {}));
        writeScript("S", declared("N", "INTEGER", {"VALUE=5"}));
    }
    static std::string tinyTree()
    {
        return CompiledBytes().container("GAME").i32(1).i32(0).container("E").i32(1).i32(0).container("S").bytes;
    }

    // Every compiled file below the root, by its path.
    Files compiledFiles()
    {
        Files found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.temp.path())) {
            if (entry.path().extension() == ".bin") {
                std::string relative = std::filesystem::relative(entry.path(), folder.temp.path()).string();
                found[relative] = folder.temp.read(relative);
            }
        }
        return found;
    }
    static std::vector<std::string> pathsOf(const Files& files)
    {
        std::vector<std::string> paths;
        for (const auto& [path, bytes] : files)
            paths.push_back(path);
        return paths;
    }
    // "name:type" of a container's own objects (not the application tree's), sorted.
    static std::vector<std::string> objectsOf(CMC_Scene* container)
    {
        std::vector<std::string> found;
        CXVector* objects = container->getObjects();
        for (int i = 0; i < objects->getSize(); ++i) {
            auto* object = static_cast<CMC_Object*>(objects->at(i));
            if (!script::isApplicationTreeType(object->getType()))
                found.push_back(text(object->getName()) + ":" + std::to_string(object->getType()));
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    static std::vector<std::string> without(std::vector<std::string> names, const std::string& left)
    {
        std::erase(names, left);
        return names;
    }
    // The behaviour the first handler under the key is bound to, and its arguments: "NAME(a,b)";
    // "" when there is none or it is not bound.
    static std::string handlerOf(CMC_Object* object, const char* key)
    {
        CXVector* entries = object != nullptr ? object->getBehaviour(key) : nullptr;
        if (entries == nullptr || entries->isEmpty())
            return "";
        CMC_HandlerEntry* entry = CMC_HandlerTable::entryAt(entries, 0);
        CMC_Object* behaviour = entry->getBehaviour();
        if (behaviour == nullptr || entry->hasPlaceholder())
            return "";
        std::string bound = text(behaviour->getName());
        if (CXArray* arguments = entry->getArguments()) {
            bound += "(";
            for (int i = 0; i < arguments->getSize(); ++i)
                bound += (i > 0 ? "," : "") + text(*arguments->stringAt(i));
            bound += ")";
        }
        return bound;
    }
    void goTo(const std::string& scene)
    {
        run("E1^GOTO(\"" + scene + "\")");
        turn();
    }

    LogLines log;
};

TEST_F(CompiledFiles, AGameWrittenAndReadBackIsTheSameGame)
{
    writeRichGame();
    ASSERT_TRUE(start("-forceCNV"));
    const std::vector<std::string> sceneObjects = objectsOf(liveScene());
    const std::vector<std::string> episodeObjects = objectsOf(episode("E1"));
    const std::vector<std::string> gameObjects = objectsOf(application());
    const std::string picture = run("BOX^GETWIDTH()") + " " + run("BOX^GETPRIORITY()") + " " + run("BOX^ISVISIBLE()");
    stop();

    ASSERT_TRUE(start("-2bin"));
    EXPECT_EQ(liveSceneName(), "none");
    const Files written = compiledFiles();
    EXPECT_EQ(pathsOf(written), (std::vector<std::string>{"Dane/E2.bin", "Dane/EP1/E1.bin", "Dane/EP1/S1.bin", "Dane/EP2/S3.bin",
                                                          "Dane/GAME.bin", "Dane/S2.bin", "Dane/application.bin"}));
    stop();
    // Read back and written again, every record comes out as it went in.
    ASSERT_TRUE(start("-2bin"));
    EXPECT_TRUE(application()->isBinary());
    EXPECT_EQ(compiledFiles(), written);
    stop();

    ASSERT_TRUE(start());
    EXPECT_TRUE(liveScene()->isBinary());
    EXPECT_EQ(liveSceneName(), "S1");
    // The structure has no record a reader could build: the writer left it out.
    EXPECT_EQ(objectsOf(liveScene()), without(sceneObjects, "ST:3002"));
    EXPECT_EQ(objectsOf(episode("E1")), episodeObjects);
    EXPECT_EQ(objectsOf(application()), gameObjects);
    EXPECT_EQ(value("N"), "5");
    EXPECT_EQ(value("TXT"), "hello");
    EXPECT_EQ(value("FLAG"), "TRUE");
    EXPECT_EQ(value("D"), "1.50000");
    EXPECT_EQ(value("EPCOUNT"), "3");
    EXPECT_EQ(value("APPNOTE"), "app");
    EXPECT_EQ(picture, "8 4 TRUE");
    EXPECT_EQ(run("BOX^GETWIDTH()") + " " + run("BOX^GETPRIORITY()") + " " + run("BOX^ISVISIBLE()"), picture);
    EXPECT_EQ(handlerOf(object("N"), "ONCHANGED"), "NCHANGED(1,2)");
    EXPECT_EQ(handlerOf(object("EPCOUNT"), "ONCHANGED"), "EPBEH");
    EXPECT_EQ(handlerOf(object("TXT"), "ONCHANGED").rfind("beh_", 0), 0u);
    // The scene's own handlers are bound again at every visit, as its script's are.
    for (int visit = 0; visit < 2; ++visit) {
        EXPECT_EQ(handlerOf(liveScene(), "ONINIT"), "SINIT") << visit;
        goTo("S2");
        EXPECT_EQ(value("M"), "9");
        goTo("S1");
    }
    run("GAME^GOTO(\"E2\")");
    turn();
    EXPECT_EQ(value("W"), "three");
}

TEST_F(CompiledFiles, TheBytesOfATinyGame)
{
    writeTinyGame();
    ASSERT_TRUE(start("-2bin"));
    Files files = compiledFiles();
    // The scene listed under the application has no place in the tree: it is not written.
    EXPECT_EQ(pathsOf(files), (std::vector<std::string>{"Dane/E.bin", "Dane/GAME.bin", "Dane/S.bin", "Dane/application.bin"}));
    EXPECT_EQ(files["Dane/application.bin"], tinyTree());
    EXPECT_EQ(files["Dane/S.bin"], CompiledBytes().objectFile(1).integer("N", 5).bytes);
    // A container that holds only itself.
    EXPECT_EQ(files["Dane/E.bin"], CompiledBytes().objectFile(0).bytes);
    EXPECT_EQ(files["Dane/GAME.bin"], CompiledBytes().objectFile(0).bytes);
}

TEST_F(CompiledFiles, ADataArchiveHoldsTheCompiledFiles)
{
    writeTinyGame();
    ASSERT_TRUE(start("-2bin"));
    stop();
    CBigFile writer(false);
    ASSERT_TRUE(writer.Create("T:\\Dane", "data.bf", "T:\\data.bf"));
    for (const auto& [path, bytes] : compiledFiles())
        std::filesystem::remove(folder.temp / path);
    ASSERT_TRUE(CFile::openBigFile("T:\\data.bf"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(application()->isBinary());
    EXPECT_EQ(liveSceneName(), "S");
    EXPECT_EQ(value("N"), "5");
}

TEST_F(CompiledFiles, StoreBinaryLeavesTheRunningGameAsItIs)
{
    writeRichGame();
    ASSERT_TRUE(start("-2bin"));
    const Files fresh = compiledFiles();
    stop();
    ASSERT_TRUE(start("-forceCNV"));
    CMC_Object* live = object("D");
    run("D^SET(2.5)");
    log.listen();
    run("GAME^STOREBINARY()");
    const Files stored = compiledFiles();

    // The live containers are written as they stand, and go on undisturbed.
    EXPECT_EQ(object("D"), live);
    EXPECT_EQ(value("D"), "2.50000");
    EXPECT_NE(stored.at("Dane/EP1/S1.bin"), fresh.at("Dane/EP1/S1.bin"));
    for (const char* path : {"Dane/application.bin", "Dane/GAME.bin", "Dane/EP1/E1.bin"})
        EXPECT_EQ(stored.at(path), fresh.at(path)) << path;
    // The others were loaded from their scripts for the writing, and let go after it.
    for (const char* path : {"Dane/S2.bin", "Dane/E2.bin", "Dane/EP2/S3.bin"})
        EXPECT_EQ(stored.at(path), fresh.at(path)) << path;
    EXPECT_TRUE(objectsOf(application()->getScene("S2")).empty());
    EXPECT_TRUE(objectsOf(episode("E2")).empty());
    EXPECT_EQ(log.startingWith("Left out of the compiled form").size(), 1u);
    EXPECT_EQ(text(CFile::getCurrentDirectory()), "T:\\Dane\\EP1\\");
}

TEST_F(CompiledFiles, ADamagedTreeFileStartsNothing)
{
    const std::string tree = tinyTree();
    const struct {
        const char* what;
        std::string bytes;
        bool application;
        const char* live;
    } cases[] = {
        {"empty", "", false, "none"},
        {"cut in the application's name", tree.substr(0, 6), false, "none"},
        {"cut in the last scene's record", tree.substr(0, tree.size() - 2), false, "none"},
        {"more episodes than bytes", CompiledBytes().container("GAME").i32(0x7fffffff).i32(0).bytes, false, "none"},
        {"a negative episode count", CompiledBytes().container("GAME").i32(-1).i32(0).bytes, false, "none"},
        {"a negative name length", CompiledBytes().i32(-5).bytes + tree, false, "none"},
        {"more scenes than bytes", CompiledBytes().container("GAME").i32(1).i32(0).container("E").i32(1000).i32(0).bytes, false,
         "none"},
        {"the start episode outside", CompiledBytes().container("GAME").i32(1).i32(5).container("E").i32(1).i32(0).container("S").bytes,
         true, "none"},
        {"no start episode", CompiledBytes().container("GAME").i32(1).i32(-1).container("E").i32(1).i32(0).container("S").bytes, true,
         "none"},
        {"the start scene outside", CompiledBytes().container("GAME").i32(1).i32(0).container("E").i32(1).i32(7).container("S").bytes,
         true, "none"},
        {"whole", tree, true, "S"},
    };
    writeTinyGame();
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        writeFile("Dane/application.bin", row.bytes);
        EXPECT_EQ(start(), row.application);
        EXPECT_EQ(host()->LastError(), row.application ? 0 : 3000);
        EXPECT_EQ(liveSceneName(), row.live);
        stop();
    }
}

TEST_F(CompiledFiles, DamagedObjectFilesAreReadAsFarAsTheyGo)
{
    const std::string second = CompiledBytes().integer("B", 2).bytes;
    const struct {
        const char* what;
        std::optional<std::string> bytes;
        std::vector<std::string> objects;
    } cases[] = {
        {"whole", CompiledBytes().objectFile(2).integer("A", 1).bytes + second, {"A:1", "B:1"}},
        {"missing", std::nullopt, {}},
        {"a count beyond the records", CompiledBytes().objectFile(1000).integer("A", 1).bytes, {"A:1"}},
        {"a negative count", CompiledBytes().objectFile(-4).integer("A", 1).bytes, {}},
        {"a record cut short", CompiledBytes().objectFile(2).integer("A", 1).bytes + second.substr(0, second.size() - 3), {"A:1"}},
        {"a type no reader builds", CompiledBytes().objectFile(3).integer("A", 1).i32(3002).object("ST").bytes + second, {"A:1"}},
        {"a type no module builds", CompiledBytes().objectFile(3).integer("A", 1).i32(99999).object("P").bytes + second, {"A:1"}},
        {"a scene among the records", CompiledBytes().objectFile(2).i32(1002).container("X").bytes + second, {}},
        {"a head cut short", CompiledBytes().text("").i32(0x7fffffff).bytes, {}},
        {"more handlers than bytes", CompiledBytes().objectFile(1).i32(1).text("A").i32(100000).bytes, {}},
    };
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + treeElement("E", "EPISODE", {"SCENES=S"}) +
                    treeElement("S", "SCENE", {}));
    writeScript("S", declared("A", "INTEGER", {"VALUE=1"}) + declared("B", "INTEGER", {"VALUE=2"}));
    ASSERT_TRUE(start("-2bin"));
    stop();
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(folder.temp / "Dane/S.bin");
        if (row.bytes)
            writeFile("Dane/S.bin", *row.bytes);
        ASSERT_TRUE(start());
        EXPECT_EQ(liveSceneName(), "S");
        EXPECT_EQ(objectsOf(liveScene()), row.objects);
        stop();
    }
}

} // namespace
