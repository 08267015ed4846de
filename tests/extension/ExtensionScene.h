#pragma once

// A live scene of the TobrelEx library's objects: the library copied into the game's program
// folder (T:\), scenes that name it, keys from the headless input and pictures written by the
// media fixtures.

#include "objects/InputScene.h"

#include "platform/SharedLibrary.h"

#include <string>

namespace extensiontest {

using apptest::text;
using apptest::treeElement;
using objectstest::behaviour;
using scripttest::declared;

class ExtensionScene : public objectstest::InputScene {
protected:
    static constexpr const char* kLibrary = "T:\\TobrelEx.so";

    void SetUp() override
    {
        InputScene::SetUp();
        copyLibrary(TOBRELEX_LIBRARY, "TobrelEx.so");
    }

    // Whether the game's copy of the library is in the process.
    static bool libraryLoaded() { return platform::SharedLibrary::isResident(kLibrary); }
};

} // namespace extensiontest
