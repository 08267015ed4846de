#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CXArray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> itemsOf(CXArray* list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->getSize(); ++i)
        items.emplace_back(list->stringAt(i)->c_str());
    CXString::releaseToVector(list);
    return items;
}

// Counts its own deletions, so ownership mistakes show as a wrong count (or an ASan report).
struct CountedElement : CMElement {
    CountedElement(const char* name, int* deletions) : CMElement(name), deletions_(deletions) {}
    ~CountedElement() override { ++*deletions_; }
    int* deletions_;
};

TEST(CMProperty, TypedReadingsOfTheValue)
{
    struct Case {
        const char* value;
        int intValue;
        bool boolValue;
        double doubleValue;
    };
    const Case cases[] = {
        {"12px", 12, false, 12.0},   {"x12", 0, false, 0.0},     {"  -7 apples", -7, false, -7.0},
        {"+3", 3, false, 3.0},       {"2.75", 2, false, 2.75},   {"true", 0, true, 0.0},
        {"True", 0, true, 0.0},      {"TRUE", 0, true, 0.0},     {"1", 1, false, 1.0},
        {"YES", 0, false, 0.0},      {" TRUE", 0, false, 0.0},   {"", 0, false, 0.0},
        {"1e3", 1, false, 1000.0},   {"99999999999", 1215752191, false, 99999999999.0},
    };
    for (const Case& c : cases) {
        CMProperty property("P", c.value);
        EXPECT_EQ(property.getIntValue(), c.intValue) << c.value;
        EXPECT_EQ(property.getBoolValue(), c.boolValue) << c.value;
        EXPECT_DOUBLE_EQ(property.getDoubleValue(), c.doubleValue) << c.value;
    }
}

TEST(CMProperty, ListPointSizeAndRectReadings)
{
    EXPECT_EQ(itemsOf(CMProperty("L", " x, y,,z ").getListValue()), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(itemsOf(CMProperty("L", "a\r\nb\n,c").getListValue()), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(itemsOf(CMProperty("L", " ,\n").getListValue()).empty());

    EXPECT_EQ(CMProperty("R", "10 20 110 220").getRectValue(), CXRect(10, 20, 110, 220));
    EXPECT_EQ(CMProperty("R", "10,20,110,220,5").getRectValue(), CXRect(10, 20, 110, 220));
    EXPECT_EQ(CMProperty("P", "3,4,5").getPointValue(), CXPoint(3, 4));
    CXSize size = CMProperty("S", "640 480").getSizeValue();
    EXPECT_EQ(size.cx, 640);
    EXPECT_EQ(size.cy, 480);
    // Missing items read as 0.
    EXPECT_EQ(CMProperty("P", "7").getPointValue(), CXPoint(7, 0));
    EXPECT_EQ(CMProperty("R", "1 2").getRectValue(), CXRect(1, 2, 0, 0));
    EXPECT_EQ(CMProperty("R", "").getRectValue(), CXRect());
}

TEST(CMProperty, EqualsComparesNamesOfPropertiesAndElements)
{
    CMProperty property("TYPE", "A");
    CMProperty sameName("TYPE", "B");
    CMProperty otherName("type", "A");
    CMElement element("TYPE");
    CXObject plain;
    EXPECT_TRUE(property.equals(&sameName));
    EXPECT_FALSE(property.equals(&otherName));
    EXPECT_TRUE(property.equals(&element));
    EXPECT_FALSE(property.equals(&plain));
    EXPECT_FALSE(property.equals(nullptr));
}

TEST(CMElement, RepeatedPropertiesAnswerTheFirstUntilItIsRemoved)
{
    CMElement element("A");
    element.addProperty("A", "1");
    element.addProperty("A", "2");
    EXPECT_EQ(element.getPropertyValue("A"), "1");
    element.setProperty("A", "one");
    EXPECT_EQ(element.getPropertyValue("A"), "one");
    element.removeProperty("A");
    EXPECT_EQ(element.getPropertyValue("A"), "2");
    element.removeProperty("A");
    EXPECT_FALSE(element.isPropertyAvailable("A"));
    element.removeProperty("A");
    // setProperty never adds.
    element.setProperty("A", "3");
    EXPECT_EQ(element.getProperties()->getSize(), 0);
}

TEST(CMElement, AddingAnEmptyPropertyKeepsAnExistingOne)
{
    CMElement element("E");
    element.addProperty("SHOW");
    element.addProperty("SHOW");
    element.addProperty("TEXT", "x");
    element.addProperty("TEXT");
    ASSERT_EQ(element.getProperties()->getSize(), 2);
    EXPECT_EQ(element.getPropertyValue("SHOW"), "");
    EXPECT_EQ(element.getPropertyValue("TEXT"), "x");
    element.removeAll();
    EXPECT_EQ(element.getProperties()->getSize(), 0);
}

TEST(CMElement, HasPropertyUpperCasesTheNameIsPropertyAvailableDoesNot)
{
    CMElement element("E");
    element.addProperty("TYPE", "IMAGE");
    element.addProperty("MixedCase", "x");
    EXPECT_TRUE(element.hasProperty("type"));
    EXPECT_FALSE(element.isPropertyAvailable("type"));
    EXPECT_TRUE(element.isPropertyAvailable("TYPE"));
    EXPECT_FALSE(element.hasProperty("MixedCase"));
    EXPECT_TRUE(element.isPropertyAvailable("MixedCase"));
}

TEST(CMElement, TypedGettersAndTheirDefaults)
{
    CMElement element("E");
    element.addProperty("INT", "42");
    element.addProperty("BOOL", "true");
    element.addProperty("DOUBLE", "0.5");
    element.addProperty("LIST", "a,b");
    element.addProperty("POINT", "1,2");
    element.addProperty("SIZE", "3 4");
    element.addProperty("RECT", "1,2,3,4");
    EXPECT_EQ(element.getPropertyIntValue("INT"), 42);
    EXPECT_TRUE(element.getPropertyBoolValue("BOOL"));
    EXPECT_DOUBLE_EQ(element.getPropertyDoubleValue("DOUBLE"), 0.5);
    EXPECT_EQ(itemsOf(element.getPropertyListValue("LIST")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(element.getPropertyPointValue("POINT"), CXPoint(1, 2));
    EXPECT_EQ(element.getPropertySizeValue("SIZE").cy, 4);
    EXPECT_EQ(element.getPropertyRectValue("RECT"), CXRect(1, 2, 3, 4));

    EXPECT_EQ(element.getPropertyValue("NONE"), "");
    EXPECT_EQ(element.getPropertyIntValue("NONE"), 0);
    EXPECT_FALSE(element.getPropertyBoolValue("NONE"));
    EXPECT_EQ(element.getPropertyDoubleValue("NONE"), 0.0);
    EXPECT_EQ(element.getPropertyListValue("NONE"), nullptr);
    EXPECT_EQ(element.getPropertyPointValue("NONE"), CXPoint());
    EXPECT_EQ(element.getPropertySizeValue("NONE").cx, 0);
    EXPECT_EQ(element.getPropertyRectValue("NONE"), CXRect());
    EXPECT_EQ(element.getProperty("NONE"), nullptr);
    EXPECT_EQ(element.getProperty("INT")->getValue(), "42");
}

TEST(CMElements, LookupsFindTheFirstOfAName)
{
    CMElements elements(true);
    auto* first = new CMElement("A");
    auto* second = new CMElement("A");
    elements.add(first);
    elements.add(second);
    elements.add(new CMElement("B"));
    EXPECT_EQ(elements.get("A"), first);
    EXPECT_TRUE(elements.contains("B"));
    EXPECT_FALSE(elements.contains("a"));
    EXPECT_TRUE(elements.contains(second));
    EXPECT_EQ(elements.getAt(1), second);
    EXPECT_EQ(elements.getAt(3), nullptr);
    EXPECT_EQ(elements.getAt(-1), nullptr);
    elements.remove(first);
    EXPECT_EQ(elements.get("A"), second);
    EXPECT_EQ(elements.getSize(), 2);
}

TEST(CMElements, OwningListDeletesEachElementOnceChildrenListsNone)
{
    int deletions = 0;
    {
        CMElements elements(true);
        auto* top = new CountedElement("TOP", &deletions);
        auto* kid = new CountedElement("KID", &deletions);
        elements.add(top);
        elements.add(kid);
        top->addChild(kid);
        top->addChild(kid);
        kid->addChild(top);
        top->addChild(top);
        {
            CMElements view(false);
            view.add(top);
            view.add(kid);
        }
        EXPECT_EQ(deletions, 0);
        // Removing deletes even from a list that does not own.
        CMElements loose(false);
        loose.add(new CountedElement("LOOSE", &deletions));
        loose.remove(loose.getAt(0));
        EXPECT_EQ(deletions, 1);
        EXPECT_EQ(loose.getSize(), 0);
    }
    EXPECT_EQ(deletions, 3);
}

TEST(CMProperties, RemovingDeletesAndAStrangerIsOnlyDeleted)
{
    CMProperties properties;
    auto* a = new CMProperty("A", "1");
    properties.add(a);
    properties.add(new CMProperty("B", "2"));
    properties.remove(new CMProperty("A", "stranger"));
    EXPECT_EQ(properties.getSize(), 2);
    EXPECT_EQ(properties.get("A"), a);
    properties.remove(a);
    EXPECT_EQ(properties.getSize(), 1);
    EXPECT_FALSE(properties.contains("A"));
    EXPECT_EQ(properties.getAt(0)->getName(), "B");
    EXPECT_EQ(properties.getAt(1), nullptr);
}

} // namespace
