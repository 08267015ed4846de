#pragma once

class CMC_Object;

// What the window asks of the engine host that runs the game (the application layer implements
// it and hands itself to CWindow::SetApplicationInterface while it lives).
class CEngineHost {
public:
    virtual ~CEngineHost() = default;

    // The host's own turn, run after the window's on every turn, active or not; true when the
    // program should end.
    virtual bool domodal() = 0;
    // Asked first of every key press; non-zero takes it from the hot spots.
    virtual int OnKeyDown(int key, int data) = 0;
    // Whether the program may end now.
    virtual bool OnExit() = 0;
    // The application script object; null before the application is built.
    virtual CMC_Object* getApplicationObject() = 0;
};
