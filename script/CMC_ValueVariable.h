#pragma once

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Variable.h"

// What the four plain value types share: a current and a default value of type T, and the
// operations that only copy, compare or reset them. Every operation given another variable
// converts it to this type first and gives the converted temporary back afterwards.
template <typename T>
class CMC_ValueVariable : public CMC_Variable {
public:
    T getValue() const { return value_; }
    // The value without a copy, for readers that only look at it.
    const T& value() const { return value_; }
    T getDefault() const { return default_; }

    void set(CMC_Variable* other) override
    {
        CMC_Variable* same = asOwnType(other);
        if (same == nullptr) {
            onChange(false);
            return;
        }
        // Compared before the store, so that no copy of the old value is needed.
        const bool changed = !(value_ == valueOf(same));
        value_ = valueOf(same);
        releaseConverted(same, other);
        onChange(changed);
    }

    void clear() override
    {
        bool changed = !(value_ == T());
        value_ = T();
        onChange(changed);
    }

    // b when the value equals a, else a.
    void swap(CMC_Variable* a, CMC_Variable* b) override
    {
        CMC_Variable* sameA = asOwnType(a);
        CMC_Variable* sameB = asOwnType(b);
        if (sameA != nullptr && sameB != nullptr) {
            T old = value_;
            value_ = value_ == valueOf(sameA) ? valueOf(sameB) : valueOf(sameA);
            onChange(!(old == value_));
        }
        releaseConverted(sameA, a);
        releaseConverted(sameB, b);
    }

    bool equals(CMC_Variable* other) override
    {
        CMC_Variable* same = asOwnType(other);
        if (same == nullptr)
            return false;
        bool equal = valueOf(same) == value_;
        releaseConverted(same, other);
        return equal;
    }

    void setDefault(CMC_Variable* other) override
    {
        CMC_Variable* same = asOwnType(other);
        if (same == nullptr)
            return;
        default_ = valueOf(same);
        releaseConverted(same, other);
    }

    void resetINI() override
    {
        if (!isToIni())
            return;
        value_ = default_;
        onChange(true);
    }

    // The record of array files: the type identifier, then the value.
    void store(CXArchive* archive) override { *archive << getType() << value_; }
    void restore(CXArchive* archive) override { *archive >> &value_; }

    // The variable record, then the value and the default.
    void serialize(CXArchive* archive) override
    {
        CMC_Variable::serialize(archive);
        if (archive->isStoring())
            *archive << value_ << default_;
        else
            *archive >> &value_ >> &default_;
    }

protected:
    CMC_ValueVariable(const CXString& name, int type, int poolIndex) : CMC_Variable(name, type, poolIndex) {}
    CMC_ValueVariable(CMC_ObjectsContainer* container, CMElement* element, int type)
        : CMC_Variable(container, element, type)
    {
    }

    // VALUE, and DEFAULT when it has a text (else the value), read with the type's getter.
    template <typename Read>
    void readDefinition(CMElement* element, Read read)
    {
        if (element == nullptr)
            return;
        value_ = read(element, "VALUE");
        default_ = element->getPropertyValue("DEFAULT").getLength() > 0 ? read(element, "DEFAULT") : value_;
    }

    // A clone's copy: same name, the clone flag, the value (the default stays zero).
    template <typename Derived>
    static Derived* copyForClone(const Derived* source)
    {
        auto* copy = new Derived(source->getName());
        copy->markAsClone();
        copy->value_ = source->value_;
        return copy;
    }

    // The value of a variable of this same type.
    static const T& valueOf(CMC_Variable* same) { return static_cast<CMC_ValueVariable*>(same)->value_; }

    T value_{};
    T default_{};
};
