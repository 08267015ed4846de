#pragma once

#include "foundation/CMElements.h"
#include "foundation/CMProperties.h"

#include <string_view>

// One named element of a definition file: its ordered properties and its children. The element
// owns its property list and its children list, never the children themselves (they belong to
// the top-level list that the parser returns).
class CMElement : public CXObject {
public:
    explicit CMElement(const CXString& name);
    ~CMElement() override;
    CMElement(const CMElement&) = delete;
    CMElement& operator=(const CMElement&) = delete;

    CXString getName() const { return name_; }
    void setName(const CXString& name) { name_ = name; }
    // A read-only view of the name, for lookups that need no copy.
    const CXString& name() const { return name_; }
    CMProperties* getProperties() const { return &properties_; }
    CMElements* getChildren() const { return &children_; }

    // Adds an empty property unless one of that name exists already.
    void addProperty(const CXString& name);
    // Always appends; an earlier property of the same name keeps answering lookups.
    void addProperty(const CXString& name, const CXString& value);
    // The same from texts a parser holds (never a zero byte among them), without texts of their
    // own first.
    void addParsedProperty(std::string_view name, std::string_view value);
    // Sets the first property of that name; adds none when there is none.
    void setProperty(const CXString& name, const CXString& value);
    // Removes and deletes the first property of that name, if any.
    void removeProperty(const CXString& name);
    // Removes and deletes every property.
    void removeAll();
    // Appends to the children (no duplicate check, no ownership).
    void addChild(CMElement* element);

    // A property of exactly that name exists.
    bool isPropertyAvailable(const CXString& name) const;
    // The same after upper-casing the name.
    bool hasProperty(const CXString& name) const;

    // The first property of that exact name, or null.
    CMProperty* getProperty(const CXString& name) const { return properties_.get(name); }

    // Readings of the first property of that exact name; the defaults when there is none.
    CXString getPropertyValue(const CXString& name) const;                 // ""
    int getPropertyIntValue(const CXString& name) const;                   // 0
    bool getPropertyBoolValue(const CXString& name) const;                 // false
    double getPropertyDoubleValue(const CXString& name) const;             // 0.0
    // A new array of new strings the caller releases with CXString::releaseToVector; null.
    CXArray* getPropertyListValue(const CXString& name) const;
    CXPoint getPropertyPointValue(const CXString& name) const;             // (0, 0)
    CXSize getPropertySizeValue(const CXString& name) const;               // (0, 0)
    CXRect getPropertyRectValue(const CXString& name) const;               // (0, 0, 0, 0)

private:
    CXString name_;
    // Held in the element itself: a scene has thousands of elements. The lists are handed out
    // changeable, as they always were.
    mutable CMProperties properties_;
    mutable CMElements children_{false};
};
