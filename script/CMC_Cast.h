#pragma once

#include <typeinfo>

// A checked downcast for the paths every behaviour line takes. When the object is exactly of one
// of the classes that nearly always stand there, a comparison of type-info addresses and a
// static_cast settle it; any other object (and any type whose type-info has another address, which
// the addresses alone cannot tell) goes through dynamic_cast as before, so derived classes and test
// doubles still answer. With no usual classes named, the target class itself is the usual one.
namespace script {

template <typename Target, typename... Usual, typename Source>
Target* castUsually(Source* object)
{
    if constexpr (sizeof...(Usual) == 0) {
        return castUsually<Target, Target>(object);
    } else {
        if (object == nullptr)
            return nullptr;
        const std::type_info& type = typeid(*object);
        Target* found = nullptr;
        if (((&type == &typeid(Usual) && (found = static_cast<Usual*>(object)) != nullptr) || ...))
            return found;
        return dynamic_cast<Target*>(object);
    }
}

} // namespace script
