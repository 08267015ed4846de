#pragma once

#include "platform/MenuItem.h"

class CMC_Application;

// The menu of the player's main window: the "&Program" and "&Objects" popups every framed window
// gets, and the popup of the game's scenes added once the game has loaded.
class CPlayerMenu {
public:
    // Items of the menu that no command handler acts on.
    enum {
        COMMAND_BEHAVIOURS = 40002,
        COMMAND_VARIABLES = 40003,
        COMMAND_ARRAYS = 40005,
        COMMAND_ALL = 40006,
        COMMAND_MESSAGE_BOX = 40007,
        // The scene popup's item of the engine version.
        COMMAND_VERSION = 100,
    };

    // The menu of a window in window mode with a frame.
    static platform::Menu mainMenu();
    // Inserts before the menu's popups one popup, named after the application, that lists the
    // scenes of every episode in order (each under its index within its episode), a separator
    // and the engine's version. A null menu (a window without one) stays without.
    static void BuildSceneMenu(platform::Menu* menu, CMC_Application* application);
};
