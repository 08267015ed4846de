#include "platform/Wildcard.h"

#include <gtest/gtest.h>

namespace {

TEST(Wildcard, FollowsWindowsRules)
{
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.cnv", "scene.CNV", true},
        {"*.CNV", "scene.cnv.bak", false},
        {"*.*", "README", true},
        {"*.*", "a.b.c", true},
        {"*", "anything.at.all", true},
        {"a.*", "a", true},
        {"a.*", "a.txt", true},
        {"a.*", "ab", false},
        {"*.", "noext", true},
        {"*.", "has.ext", false},
        {"s?ene.cnv", "SCENE.cnv", true},
        {"s?ene.cnv", "sene.cnv", false},
        {"*a*b*c", "xxaxxbxxc", true},
        {"*a*b*c", "xxaxxcxxb", false},
        {"Dane", "DANE", true},
        {"\xA5*", "\xB9zz", true}, // Ą* takes ązz
        {"", "x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::Wildcard::matches(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

TEST(Wildcard, ManyStarsStayFast)
{
    const std::string name(5000, 'a');
    EXPECT_FALSE(platform::Wildcard::matches("*a*a*a*a*a*a*a*a*b", name));
}

} // namespace
