#pragma once

#include "foundation/CXString.h"

#include <functional>
#include <utility>

class CMC_Object;
class CMC_ObjectsContainer;

// How a scene wraps an engine object it makes for a script (CREATEOBJECT) in the script object of
// its type. The types belong to the script object types above, which register their makers when
// they start; until then no such object can be made that way.
template <class Engine>
class CEngineObjectMaker {
public:
    // The script object of that name in the scene around the engine object, which it takes over.
    // Null when it cannot be made (the engine object is then still the caller's).
    using Maker = std::function<CMC_Object*(CMC_ObjectsContainer* scene, Engine* engine, const CXString& name)>;

    // Replaces the maker; an empty one removes it.
    static void registerMaker(Maker maker) { maker_ = std::move(maker); }
    static bool hasMaker() { return static_cast<bool>(maker_); }
    // Null without a maker.
    static CMC_Object* make(CMC_ObjectsContainer* scene, Engine* engine, const CXString& name)
    {
        return hasMaker() ? maker_(scene, engine, name) : nullptr;
    }

private:
    static inline Maker maker_;
};
