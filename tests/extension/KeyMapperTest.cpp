// KEYMAPPER over the window's keyboard: mapped names, the first mapping of a key staying, keys
// asked about through every key mapped onto a name while the KEYBOARD object is enabled, and the
// latest key through the mappings.
#include "ExtensionScene.h"

#include <initializer_list>
#include <vector>

using namespace extensiontest;
namespace key = platform::key;

namespace {

class KeyMapper : public ExtensionScene {
protected:
    // The KEYBOARD object keeps the latest key that raised a handled signal.
    bool startMapper()
    {
        return startWithLibrary("TobrelEx", declared("KEYBOARD", "KEYBOARD", {"ONKEYDOWN={LOG^ADD(\"down|\");}"}) +
                                                declared("M", "KEYMAPPER"));
    }

    struct Asked {
        std::vector<int> held;
        const char* name;
        const char* answer;
    };
    // Each name asked about while its keys are held, which go up again after.
    void expectDown(std::initializer_list<Asked> cases)
    {
        for (const Asked& c : cases) {
            for (int code : c.held)
                key(code, true);
            EXPECT_EQ(run(std::string("M^ISKEYDOWN(\"") + c.name + "\")"), c.answer)
                << c.name << (c.held.empty() ? " with no key" : " with a key");
            for (int code : c.held)
                key(code, false);
        }
    }
};

TEST_F(KeyMapper, MappedNamesAndTheFirstMappingStays)
{
    ASSERT_TRUE(startMapper());
    EXPECT_EQ(run("M^MAPKEY(\"Q\")"), "Q");
    EXPECT_EQ(run("M^MAPKEY(\"\")"), "");
    EXPECT_EQ(run("M^SETKEYMAPPING(\"A\", \"LEFT\")"), "none");
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "LEFT");
    expectDown({
        {{}, "LEFT", "FALSE"},
        {{key::Left}, "LEFT", "TRUE"},
        {{key::A}, "LEFT", "TRUE"},
        {{key::Right}, "LEFT", "FALSE"},
        // A name nothing is mapped onto is asked about alone.
        {{key::A}, "A", "TRUE"},
        {{key::Left}, "A", "FALSE"},
    });

    run("M^SETKEYMAPPING(\"A\", \"RIGHT\")");
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "LEFT");
    expectDown({
        {{key::Right}, "RIGHT", "TRUE"},
        {{key::A}, "RIGHT", "TRUE"},
        {{key::Left}, "RIGHT", "FALSE"},
        {{key::Left}, "LEFT", "TRUE"},
        {{key::A}, "LEFT", "TRUE"},
    });

    // Switched off, the KEYBOARD object silences mapped names only.
    run("KEYBOARD^DISABLE()");
    expectDown({
        {{key::Left}, "LEFT", "FALSE"},
        {{key::A}, "LEFT", "FALSE"},
        {{key::A}, "A", "TRUE"},
        {{key::Q}, "Q", "TRUE"},
    });
}

TEST_F(KeyMapper, AKeyMappedOntoItselfIsAskedThroughItsList)
{
    ASSERT_TRUE(startMapper());
    run("M^SETKEYMAPPING(\"A\", \"A\")");
    expectDown({{{key::A}, "A", "TRUE"}});
    run("KEYBOARD^DISABLE()");
    expectDown({{{key::A}, "A", "FALSE"}});
}

TEST_F(KeyMapper, TheLatestKeyGoesThroughTheMappings)
{
    ASSERT_TRUE(startMapper());
    EXPECT_EQ(run("M^GETLATESTKEY()"), "");
    run("M^SETKEYMAPPING(\"A\", \"LEFT\")");
    tap(key::A);
    EXPECT_EQ(run("M^GETLATESTKEY()"), "LEFT");
    tap(key::B);
    EXPECT_EQ(run("M^GETLATESTKEY()"), "B");
}

TEST_F(KeyMapper, WithoutAKeyboardObjectNothingIsDownNorLatest)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", declared("M", "KEYMAPPER") + declared("OTHER", "KEYMAPPER")));
    run("OTHER^SETKEYMAPPING(\"A\", \"LEFT\")");
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "LEFT");
    tap(key::A);
    EXPECT_EQ(run("M^GETLATESTKEY()"), "");
    expectDown({{{key::A}, "A", "FALSE"}, {{key::A}, "LEFT", "FALSE"}});
}

} // namespace
