#pragma once

#include "application/CMC_TreeRunner.h"

class CMC_Application;
class CWindow;

// The runner of the APPLICATION object: leaving, restarting or switching the game, changes of the
// live child, the language folder, music on and off, dragging the window, printing the screen, and
// calls reaching objects and behaviours by name. Names are found where the application finds them: in its live
// scene and that scene's parents.
class CMC_Application_Runner : public CMC_TreeRunner {
public:
    enum Method {
        EXIT = 1,
        RESTART = 2,
        GOTO = 3,
        SETLANGUAGE = 4,
        GETLANGUAGE = 5,
        PRINT = 6,
        ENABLEMUSIC = 7,
        DISABLEMUSIC = 8,
        RUN = 9,
        STOREBINARY = 10,
        RUNENV = 11,
        EXISTSENV = 12,
        STARTDRAGGINGWINDOW = 15,
        STOPDRAGGINGWINDOW = 16,
        RELOAD = 17,
        GETPLAYER = 18,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* runApplicationMethod(int id, CMC_Application* application, CMC_ObjectsContainer* container,
                                       CXVector* arguments);
    // PRINT: the whole display, the box of the picture a name in the calling container shows, or
    // the rectangle of four numbers; then the window is drawn afresh.
    void printScreen(CWindow* window, CMC_ObjectsContainer* container, CXVector* arguments);
    // The container of that name in the application tree, else among the application's objects.
    static CMC_ObjectsContainer* findEnvironment(CMC_Application* application, const CXString& name);
    // RUNENV: the behaviour of the container runs there, with that container as its scene.
    void runInEnvironment(CMC_Application* application, CXVector* arguments);
    CMC_Variable* existsInEnvironment(CMC_Application* application, CXVector* arguments);
};
