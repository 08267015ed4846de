#pragma once

// Builders of generated definition and script text.

#include <initializer_list>
#include <string>

namespace scripttest {

// Script text of one declared object: name, TYPE and further properties ("KEY=value" each).
inline std::string declared(const std::string& name, const std::string& type, std::initializer_list<std::string> properties = {})
{
    std::string text = "OBJECT=" + name + "\n" + name + ":TYPE=" + type + "\n";
    for (const std::string& property : properties)
        text += name + ":" + property + "\n";
    return text;
}

// A generated name: the prefix with the number after it ("C", 3: "C3").
inline std::string numbered(const std::string& prefix, size_t number)
{
    // Appended rather than inserted in front of the number's text, which GCC 12 takes for an
    // overlapping copy.
    std::string name = prefix;
    name += std::to_string(number);
    return name;
}

} // namespace scripttest
