// The KEYBOARD object: key names, the specific form before the plain one, handlers gathered from
// several definitions, switching off, and the latest keys.
#include "InputScene.h"

#include "objects/CMC_Keyboard.h"
#include "platform/KeyCodes.h"

#include <map>

using namespace objectstest;
namespace key = platform::key;

namespace {

class KeyboardObject : public InputScene {
protected:
    CMC_Keyboard* keyboard() { return dynamic_cast<CMC_Keyboard*>(object("KEYBOARD")); }
};

TEST(KeyboardNames, EveryKeyCodeHasItsNameOrNone)
{
    const std::map<int, std::string> named = {
        {1, "ESC"},    {2, "1"},      {3, "2"},      {4, "3"},     {5, "4"},      {6, "5"},       {7, "6"},
        {8, "7"},      {9, "8"},      {10, "9"},     {11, "0"},    {15, "TAB"},   {16, "Q"},      {17, "W"},
        {18, "E"},     {19, "R"},     {20, "T"},     {21, "Y"},    {22, "U"},     {23, "I"},      {24, "O"},
        {25, "P"},     {28, "ENTER"}, {29, "LCTRL"}, {30, "A"},    {31, "S"},     {32, "D"},      {33, "F"},
        {34, "G"},     {35, "H"},     {36, "J"},     {37, "K"},    {38, "L"},     {42, "LSHIFT"}, {44, "Z"},
        {45, "X"},     {46, "C"},     {47, "V"},     {48, "B"},    {49, "N"},     {50, "M"},      {54, "RSHIFT"},
        {56, "LALT"},  {57, "SPACE"}, {58, "CAPSLOCK"}, {59, "F1"}, {60, "F2"},   {61, "F3"},     {62, "F4"},
        {63, "F5"},    {64, "F6"},    {65, "F7"},    {66, "F8"},   {67, "F9"},    {68, "F10"},
        // The numeric pad's digits are the main row's.
        {71, "7"},     {72, "8"},     {73, "9"},     {75, "4"},    {76, "5"},     {77, "6"},      {79, "1"},
        {80, "2"},     {81, "3"},     {82, "0"},     {87, "F11"},  {88, "F12"},   {157, "RCTRL"}, {184, "RALT"},
        {199, "HOME"}, {200, "UP"},   {201, "PGUP"}, {203, "LEFT"}, {205, "RIGHT"}, {207, "END"}, {208, "DOWN"},
        {209, "PGDN"}, {210, "INSERT"}, {211, "DELETE"}};
    for (int code = -1; code <= 256; ++code) {
        const auto name = named.find(code);
        EXPECT_EQ(apptest::text(CMC_Keyboard::getKeySignal(code)), name != named.end() ? name->second : "") << code;
    }
}

TEST_F(KeyboardObject, TheSpecificFormWinsAndUnnamedKeysRaiseThePlainOne)
{
    ASSERT_TRUE(startWith(withHandlers("KEYS", "KEYBOARD", {},
                                       {"ONKEYDOWN^SPACE=" + logs("space"), "ONKEYDOWN=" + logs("down"),
                                        "ONKEYUP^A=" + logs("upA"), "ONCHAR^a=" + logs("char-a"), "ONCHAR=" + logs("char")})));
    // Whatever its definition's name, the object is KEYBOARD.
    ASSERT_NE(keyboard(), nullptr);
    EXPECT_EQ(object("KEYS"), nullptr);
    tap(key::Space);
    tap(key::A);
    // F13 has neither a name nor a character: its release names no key.
    tap(key::F13);
    EXPECT_EQ(run("KEYBOARD^GETLATESTKEY()"), "");
    tap(key::Pad7);
    EXPECT_EQ(log(), "space|char|down|char-a|upA|down|down|char|");
    EXPECT_EQ(run("KEYBOARD^GETLATESTKEY()"), "7");
}

TEST_F(KeyboardObject, HandlersGatherFromEveryDefinitionAndLeaveWithTheirScene)
{
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + apptest::treeElement("E", "EPISODE", {"SCENES=S, T"}) +
                    apptest::treeElement("S", "SCENE", {}) + apptest::treeElement("T", "SCENE", {}));
    writeScript("GAME", declared("LOG", "STRING") + withHandlers("KEYBOARD", "KEYBOARD", {}, {"ONKEYDOWN=" + logs("game")}));
    writeScript("S", withHandlers("MORE", "KEYBOARD", {}, {"ONKEYDOWN=" + logs("scene")}) +
                         apptest::behaviour("ALSO", "LOG^ADD(\"added|\");"));
    writeScript("T", "");
    ASSERT_TRUE(start());
    run("KEYBOARD^ADDBEHAVIOUR(\"ONKEYDOWN\", \"ALSO\")");
    tap(key::B);
    EXPECT_EQ(log(), "game|scene|added|");
    clearLog();
    episode("E")->next();
    turn();
    tap(key::B);
    EXPECT_EQ(log(), "game|");
}

TEST_F(KeyboardObject, DisabledRaisesNothingAndKeepsItsLatestKey)
{
    ASSERT_TRUE(startWith(withHandlers("KEYBOARD", "KEYBOARD", {}, {"ONKEYDOWN=" + logs("down")}) + declared("KEYS", "ARRAY")));
    tap(key::A);
    run("KEYBOARD^DISABLE()");
    EXPECT_EQ(run("KEYBOARD^ISENABLED()"), "FALSE");
    key(key::B, true);
    EXPECT_EQ(log(), "down|");
    EXPECT_EQ(run("KEYBOARD^GETLATESTKEY()"), "A");
    // Asked without a name the keyboard answers whatever the switch; by name only while enabled.
    EXPECT_EQ(run("KEYBOARD^ISKEYDOWN()"), "TRUE");
    EXPECT_EQ(run("KEYBOARD^ISKEYDOWN(\"B\")"), "FALSE");
    run("KEYBOARD^ENABLE()");
    EXPECT_EQ(run("KEYBOARD^ISKEYDOWN(\"B\")"), "TRUE");
    key(key::B, false);
    EXPECT_EQ(run("KEYBOARD^ISKEYDOWN()"), "FALSE");

    // Every named key that went down while enabled, oldest first, taken once.
    tap(key::Escape);
    tap(key::F12);
    run("KEYBOARD^GETLATESTKEYS(KEYS)");
    EXPECT_EQ(run("KEYS^GETSIZE()"), "3");
    EXPECT_EQ(run("KEYS^GET(0)") + run("KEYS^GET(1)") + run("KEYS^GET(2)"), "AESCF12");
    run("KEYBOARD^GETLATESTKEYS(KEYS, TRUE)");
    EXPECT_EQ(run("KEYS^GETSIZE()"), "3");
}

TEST_F(KeyboardObject, AutoRepeatIsTheWindowKeyboards)
{
    ASSERT_TRUE(startWith(withHandlers("KEYBOARD", "KEYBOARD", {}, {"ONKEYDOWN=" + logs("down")})));
    run("KEYBOARD^SETAUTOREPEAT(FALSE)");
    key(key::A, true);
    turns(3);
    key(key::A, false);
    run("KEYBOARD^SETAUTOREPEAT(TRUE)");
    key(key::A, true);
    turns(2);
    EXPECT_EQ(log(), "down|down|down|down|");
}

} // namespace
