#pragma once

#include "foundation/CXString.h"

#include <functional>

class CButton;
class CMC_Object;
class CMC_ObjectsContainer;

// How a scene wraps a button it makes for a script (CREATEOBJECT "BUTTON") in a BUTTON object. The
// BUTTON type belongs to the script object types above, which register the maker when they start;
// until then no BUTTON can be made that way.
class CButtonObjectMaker {
public:
    // The BUTTON object of that name in the scene around the button: it takes the button over and
    // becomes the script button of the button's hot spot. Null when it cannot be made (the button
    // is then still the caller's).
    using Maker = std::function<CMC_Object*(CMC_ObjectsContainer* scene, CButton* button, const CXString& name)>;

    // Replaces the maker; an empty one removes it.
    static void registerMaker(Maker maker);
    static bool hasMaker();
    // Null without a maker.
    static CMC_Object* make(CMC_ObjectsContainer* scene, CButton* button, const CXString& name);

private:
    static Maker& maker();
};
