#pragma once

#include "script/CMC_Object.h"

#include <vector>

// The VECTOR object: a fixed-length list of doubles with vector arithmetic. Operations between
// two vectors of different lengths do nothing (dot gives 0); components a shorter vector lacks
// count as 0 where an operation must still read them.
class CMC_Vector : public CMC_Object {
public:
    // SIZE, EXPAND and the scene archive make no vector longer than this.
    static constexpr int kMaxCount = 65536;

    CMC_Vector(CMC_ObjectsContainer* container, CMElement* element);
    // Named "clone": the source's container, count and values; with no source an empty vector
    // for the scene archive to fill.
    explicit CMC_Vector(const CMC_Vector* source);
    ~CMC_Vector() override;

    int getCount() const { return static_cast<int>(values_.size()); }
    // The component; 0 outside the vector.
    double getValue(int index) const;
    // Nothing outside the vector.
    void setValue(int index, double value);

    // The first min(count, other's count) values of the other; the rest stay.
    void assign(const CMC_Vector* other);
    void add(const CMC_Vector* other);
    void sub(const CMC_Vector* other);
    void negate();
    double dot(const CMC_Vector* other) const;
    void scale(double factor);
    double length() const;
    // A vector of length 0 stays as it is.
    void normalize();
    // out[i] = 2 (this . n) n[i] - this[i] for every component of out.
    void reflect(const CMC_Vector* normal, CMC_Vector* out) const;
    // Grows to newCount: zeros first, then the old values. Never shrinks.
    void expand(int newCount);

    // The values with five decimals, joined by ",".
    CXString toString() const override;
    CXObject* clone() const override;
    using CMC_Object::clone;
    CXString** getBehavioursList() override;
    // The base part, the count and the values (to four decimals).
    void serialize(CXArchive* archive) override;

private:
    bool sameCount(const CMC_Vector* other) const;

    std::vector<double> values_;
};
