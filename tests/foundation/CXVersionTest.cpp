#include "foundation/CXVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CXVersion, ParsesTypeWordAndNumbers)
{
    struct Case {
        const char* text;
        int type, major, minor, build;
    };
    const Case cases[] = {
        {"TW.1.0.3", 3, 1, 0, 3},
        {"T.2.1", 2, 2, 1, 0},
        {"1.2.3", 0, 1, 2, 3},
        {"Beta.1.0.0", 1, 1, 0, 0},
        {"Tamzora.1.0.0", 1, 1, 0, 0},
        {"tw.1.0.0", 1, 1, 0, 0},         // the word is compared with letter case
        {"", 0, 0, 0, 0},
        {"TW", 3, 0, 0, 0},
        {"TW..4..5.", 3, 4, 5, 0},         // empty pieces are skipped
        {"1.2.3.4", 0, 1, 2, 3},           // without a word the first three pieces are the numbers
        {"TW.7x.-2.99999999999", 3, 7, -2, 1215752191}, // atoi-like, wrapping at 32 bits
        {"\xA3" "A.1.2.3", 1, 1, 2, 3},     // a cp1250 letter is above 'A'
    };
    for (const Case& c : cases) {
        CXVersion version{CXString(c.text)};
        EXPECT_EQ(version.getType(), c.type) << c.text;
        EXPECT_EQ(version.getMajor(), c.major) << c.text;
        EXPECT_EQ(version.getMinor(), c.minor) << c.text;
        EXPECT_EQ(version.getBuild(), c.build) << c.text;
    }
}

TEST(CXVersion, PrintsTheTypeWordAndNumbers)
{
    EXPECT_STREQ(CXVersion::getCurrentVersion().toString().c_str(), "Tamzora WEB.1.0.5");
    EXPECT_STREQ(CXVersion(CXString("Tamzora.1.0.0")).toString().c_str(), "X.1.0.0");
    EXPECT_STREQ(CXVersion(CXString("T.2.1")).toString().c_str(), "Tamzora.2.1.0");
    EXPECT_STREQ(CXVersion(CXString("1.2.3")).toString().c_str(), "Tamzora WEB.1.2.3");
    EXPECT_STREQ(CXVersion(3, -1, 20, 300).toString().c_str(), "Tamzora WEB.-1.20.300");
}

TEST(CXVersion, EngineVersionSatisfiesRequirements)
{
    const CXVersion& engine = CXVersion::getCurrentVersion();
    EXPECT_EQ(&engine, &CXVersion::getCurrentVersion());
    struct Case {
        const char* required;
        bool satisfied;
    };
    const Case cases[] = {
        {"TW.1.0.9", true}, // the build is not compared
        {"TW.0.9.0", true},
        {"TW.1.0.0", true},
        {"1.5.0", true},    // no type: always satisfied
        {"9.9.9", true},
        {"TW.1.1.0", false},
        {"TW.2.0.0", false},
        {"T.1.0.0", false},
        {"Beta.1.0.0", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine.verify(CXVersion(CXString(c.required))), c.satisfied) << c.required;
}

TEST(CXVersion, TypeOneSatisfiesAnyTypeUpToItsNumbers)
{
    const CXVersion other(CXString("Beta.2.3.0"));
    for (const char* required : {"T.2.3.0", "TW.2.1.7", "Beta.1.9.0", "Gamma.0.0.0"})
        EXPECT_TRUE(other.verify(CXVersion(CXString(required)))) << required;
    for (const char* required : {"T.2.4.0", "TW.3.0.0"})
        EXPECT_FALSE(other.verify(CXVersion(CXString(required)))) << required;
}

} // namespace
