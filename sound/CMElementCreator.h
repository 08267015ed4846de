#pragma once

#include "foundation/CXObject.h"

class CMElement;
class CPlayable;
class CWindow;

// Makes pictures and playables from parsed definition elements, for the element-based sequence
// builder.
class CMElementCreator : public CXObject {
public:
    // An IMAGE element with a FILENAME: its image, shown or hidden by VISIBLE. Null otherwise.
    static CXObject* createObject(CWindow* window, CMElement* element);
    // An ANIMO element with a FILENAME: its animation, shown or hidden by VISIBLE; a SEQUENCE
    // element: an empty sequence. Null otherwise.
    static CPlayable* createPlayable(CWindow* window, CMElement* element);
};
