#pragma once

#include "script/CMC_Object.h"

#include <memory>

// Sole ownership of a script object that no container holds (a line's own expression, a
// condition's host behaviour): deleted through CMC_Object::destroy, so it leaves whatever still
// lists it and raises its ONDONE while whole.
struct CMC_ObjectDestroyer {
    void operator()(CMC_Object* object) const { CMC_Object::destroy(object); }
};

template <typename T>
using CMC_Owned = std::unique_ptr<T, CMC_ObjectDestroyer>;
