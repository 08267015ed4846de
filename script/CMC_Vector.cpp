#include "script/CMC_Vector.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "foundation/CXArray.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>
#include <cmath>

CMC_Vector::CMC_Vector(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_VECTOR)
{
    const int count = std::clamp(element != nullptr ? element->getPropertyIntValue("SIZE") : 0, 0, kMaxCount);
    values_.assign(static_cast<size_t>(count), 0.0);
    // Pieces missing from VALUE stay 0.0; pieces beyond SIZE are ignored.
    if (CXArray* pieces = element != nullptr ? element->getPropertyListValue("VALUE") : nullptr) {
        for (int i = 0; i < count && i < pieces->getSize(); ++i)
            values_[static_cast<size_t>(i)] = pieces->stringAt(i)->toDouble();
        CXString::releaseToVector(pieces);
    }
    initializeBehaviours(container, element);
}

CMC_Vector::CMC_Vector(const CMC_Vector* source) : CMC_Object("clone", script::TYPE_VECTOR)
{
    if (source == nullptr)
        return;
    setScene(const_cast<CMC_Vector*>(source)->getScene());
    values_ = source->values_;
}

CMC_Vector::~CMC_Vector()
{
    beginDestruction();
}

CXString** CMC_Vector::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

double CMC_Vector::getValue(int index) const
{
    return index >= 0 && index < getCount() ? values_[static_cast<size_t>(index)] : 0.0;
}

void CMC_Vector::setValue(int index, double value)
{
    if (index >= 0 && index < getCount())
        values_[static_cast<size_t>(index)] = value;
}

bool CMC_Vector::sameCount(const CMC_Vector* other) const
{
    return other != nullptr && other->getCount() == getCount() && getCount() > 0;
}

void CMC_Vector::assign(const CMC_Vector* other)
{
    if (other == nullptr)
        return;
    const int count = std::min(getCount(), other->getCount());
    std::copy_n(other->values_.begin(), count, values_.begin());
}

void CMC_Vector::add(const CMC_Vector* other)
{
    if (!sameCount(other))
        return;
    for (size_t i = 0; i < values_.size(); ++i)
        values_[i] += other->values_[i];
}

void CMC_Vector::sub(const CMC_Vector* other)
{
    if (!sameCount(other))
        return;
    for (size_t i = 0; i < values_.size(); ++i)
        values_[i] -= other->values_[i];
}

void CMC_Vector::negate()
{
    for (double& value : values_)
        value = -value;
}

double CMC_Vector::dot(const CMC_Vector* other) const
{
    if (!sameCount(other))
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < values_.size(); ++i)
        sum += values_[i] * other->values_[i];
    return sum;
}

void CMC_Vector::scale(double factor)
{
    for (double& value : values_)
        value *= factor;
}

double CMC_Vector::length() const
{
    double squares = 0.0;
    for (double value : values_)
        squares += value * value;
    return std::sqrt(squares);
}

void CMC_Vector::normalize()
{
    const double size = length();
    if (size == 0.0)
        return;
    for (double& value : values_)
        value /= size;
}

void CMC_Vector::reflect(const CMC_Vector* normal, CMC_Vector* out) const
{
    if (normal == nullptr || out == nullptr)
        return;
    const double d = dot(normal);
    // Computed in full before writing: out may be this vector or the normal itself.
    std::vector<double> reflected(out->values_.size());
    for (size_t i = 0; i < reflected.size(); ++i) {
        const int index = static_cast<int>(i);
        reflected[i] = 2.0 * d * normal->getValue(index) - getValue(index);
    }
    out->values_ = reflected;
}

void CMC_Vector::expand(int newCount)
{
    if (newCount <= getCount() || newCount > kMaxCount)
        return;
    values_.insert(values_.begin(), static_cast<size_t>(newCount - getCount()), 0.0);
}

CXString CMC_Vector::toString() const
{
    CXString text;
    for (size_t i = 0; i < values_.size(); ++i) {
        if (i > 0)
            text += ",";
        text += CXString::toString(values_[i]);
    }
    return text;
}

CXObject* CMC_Vector::clone() const
{
    return new CMC_Vector(this);
}

void CMC_Vector::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << getCount();
        for (double value : values_)
            *archive << value;
        return;
    }
    int count = 0;
    *archive >> &count;
    values_.clear();
    // The stored count is not trusted: values are read one by one, up to what the data holds.
    for (int i = 0; i < std::min(count, kMaxCount) && archive->LastError() == 0; ++i) {
        double value = 0.0;
        *archive >> &value;
        if (archive->LastError() == 0)
            values_.push_back(value);
    }
}
