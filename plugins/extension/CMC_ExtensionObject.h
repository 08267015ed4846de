#pragma once

#include "script/CMC_Object.h"

// What the script types of this library share: made from a definition with its handlers bound, or
// restored from a compiled scene with a message box saying so; one list of signals; an init that
// raises nothing. The objects hold nothing of their own: their runners do the work.
class CMC_ExtensionObject : public CMC_Object {
public:
    // Unlike other objects, these raise no ONINIT.
    void init() override {}
    // A new list on every call: "ONINIT", "ONDONE", "ONSIGNAL", "ONMODEMFOUND", "ONMODEMNOTFOUND",
    // "ONRINGING", "ONCONNECTED", "ONDISCONNECTED", "ONKEYDOWN", "ONKEYUP".
    CXString** getBehavioursList() override;

protected:
    CMC_ExtensionObject(CMC_ObjectsContainer* container, CMElement* definition, int type);
    // An empty object for a stored record (the engine reads its name and handlers next); shows a
    // modal box of that text and title first.
    CMC_ExtensionObject(CMC_ObjectsContainer* container, int type, const char* text, const char* title);
};
