#pragma once

#include "graphics/CCanvasObserver.h"
#include "script/CMC_Object.h"

class CRefreshScreen;
class CSignalList;

// The CANVASOBSERVER script object (type 103): the window's screen seen from a scene. It turns the
// screen's notifications around its drawing and the window's focus into signals (each in its plain
// form, only while bound) and lends its runner the screen. It owns nothing and is listened to by
// the screen for its whole life. A scene holds one: a further definition adds its handlers to it.
//
// Signals: ONINITIALUPDATE, ONUPDATE, ONUPDATED, ONWINDOWFOCUSON, ONWINDOWFOCUSOFF and
// ONINITIALUPDATED. Its stored record is the common part alone.
class CMC_CanvasObserver : public CMC_Object, public CCanvasObserver {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONINITIALUPDATE", "ONUPDATE", "ONUPDATED",
    // "ONWINDOWFOCUSON", "ONWINDOWFOCUSOFF", "ONINITIALUPDATED".
    static const CSignalList& signalList();

    // Empty, named "tempCANVAS", for the scene archive reader.
    explicit CMC_CanvasObserver(CMC_ObjectsContainer* container);
    CMC_CanvasObserver(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_CanvasObserver() override;

    CXString** getBehavioursList() override;

    void onInitialUpdate() override;
    void onInitialUpdated() override;
    void onUpdate() override;
    void onUpdated() override;
    void onFocusOn() override;
    void onFocusOff() override;

    // Null without a window.
    CRefreshScreen* getCanvas() const { return screen_; }
    // The name of the object in the container whose picture the screen shows at the point (the
    // parents' objects too with `searchParents`): "UNKNOWN" for a picture no object owns, empty
    // where the screen shows none. Negative priority bounds bound nothing.
    CXString getGraphicsAt(CMC_ObjectsContainer* container, int x, int y, bool visibleOnly, int minPriority, int maxPriority,
                           bool noAlphaTest, bool searchParents);
    // Whether the screen tells its observers of its drawing (every observer of it alike).
    void enableNotify(bool notify);

private:
    void raise(const char* signal);

    CRefreshScreen* screen_;
};
