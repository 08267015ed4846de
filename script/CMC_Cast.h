#pragma once

#include <typeinfo>

// A checked downcast for the paths every behaviour line takes. When the object is exactly of the
// class that nearly always stands there, a type-info test and a static_cast settle it; any other
// object goes through dynamic_cast as before, so derived classes and test doubles still answer.
namespace script {

template <typename Target, typename Usual = Target, typename Source>
Target* castUsually(Source* object)
{
    if (object == nullptr)
        return nullptr;
    if (typeid(*object) == typeid(Usual))
        return static_cast<Usual*>(object);
    return dynamic_cast<Target*>(object);
}

} // namespace script
