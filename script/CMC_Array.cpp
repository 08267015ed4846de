#include "script/CMC_Array.h"

#include "foundation/CConfig.h"
#include "foundation/CMElement.h"
#include "foundation/CSortedVector.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CXArchive.h"
#include "foundation/CXArray.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/DataFile.h"
#include "script/OwnedValue.h"

#include <algorithm>
#include <cmath>

namespace {

// The value a shift leaves in the element it moves round: its type's zero, "NULL" for a STRING.
// Elements of other types keep their value.
CMC_Variable* zeroOfType(int type)
{
    return type == script::TYPE_STRING ? CMC_VariableFactory::makeString("NULL") : CMC_VariableFactory::makeEmpty(type);
}

void resetToZero(CMC_Variable* element)
{
    CMC_Variable* zero = zeroOfType(element->getType());
    if (zero == nullptr)
        return;
    element->set(zero);
    CMC_Object::flush(zero);
}

} // namespace

CMC_Array::CMC_Array(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_ARRAY), elements_(new CXArray(101, 0.75f))
{
    sendOnChange_ = element != nullptr && element->getPropertyBoolValue("SENDONCHANGE");
    initializeBehaviours(container, element);
}

CMC_Array::CMC_Array(CMC_ObjectsContainer* container, const CXString& name)
    : CMC_Object(name, script::TYPE_ARRAY), elements_(new CXArray(101, 0.75f))
{
    setScene(container);
}

CMC_Array::~CMC_Array()
{
    beginDestruction();
    removeAll();
    delete elements_;
}

CXString** CMC_Array::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCHANGED"});
}

// ---- elements ---------------------------------------------------------------------------------

CMC_Variable* CMC_Array::get(int index)
{
    if (index < 0 || index >= elements_->getSize())
        return nullptr;
    return static_cast<CMC_Variable*>((*elements_)[index]);
}

int CMC_Array::getSize()
{
    return elements_->getSize();
}

void CMC_Array::appendOwned(CMC_Variable* element)
{
    elements_->add(element);
    onChanged(getSize() - 2);
}

void CMC_Array::add(CMC_Variable* value)
{
    CMC_Variable* copy = script::ownedCopy(value);
    if (copy != nullptr)
        appendOwned(copy);
}

void CMC_Array::addClones(const CXString& name, int first, int last)
{
    CMC_ObjectsContainer* container = getScene();
    if (container == nullptr || container->getObject(name) == nullptr)
        return;
    CMC_ObjectRef self(this);
    const int64_t end = std::min<int64_t>(last, int64_t{first} + kMaxAppendPerCall - 1);
    for (int64_t k = first; k <= end && self.isAlive(); ++k) {
        CXString text = name + "_" + CXString::toString(static_cast<int>(k));
        appendOwned(new CMC_String("temp", text));
    }
}

void CMC_Array::insertAt(int index, CMC_Variable* value)
{
    if (index < 0 || index > getSize())
        return;
    CMC_Variable* copy = script::ownedCopy(value);
    if (copy == nullptr)
        return;
    elements_->insertAt(index, copy);
    onChanged(index);
}

void CMC_Array::changeAt(int index, CMC_Variable* value)
{
    CMC_Variable* old = get(index);
    if (old == nullptr)
        return;
    CMC_Variable* copy = script::ownedCopy(value);
    if (copy == nullptr)
        return;
    elements_->setAt(index, copy);
    CMC_Object::destroy(old);
    onChanged(index);
}

void CMC_Array::removeAt(int index)
{
    CMC_Variable* element = get(index);
    if (element == nullptr)
        return;
    elements_->removeAt(index);
    CMC_Object::destroy(element);
}

void CMC_Array::removeAll()
{
    // Taken out first: a list that is being emptied is never seen half deleted.
    std::vector<CMC_Variable*> gone;
    for (int i = 0; i < getSize(); ++i)
        gone.push_back(get(i));
    elements_->removeAll();
    for (CMC_Variable* element : gone)
        CMC_Object::destroy(element);
}

void CMC_Array::remove(CMC_Variable* value)
{
    removeAt(find(value));
}

bool CMC_Array::contains(CMC_Variable* value)
{
    return find(value) != -1;
}

int CMC_Array::find(CMC_Variable* value)
{
    if (value == nullptr)
        return -1;
    for (int i = 0; i < getSize(); ++i) {
        if (get(i)->equals(value))
            return i;
    }
    return -1;
}

int CMC_Array::reversefind(CMC_Variable* value)
{
    if (value == nullptr)
        return -1;
    for (int i = getSize() - 1; i >= 0; --i) {
        if (get(i)->equals(value))
            return i;
    }
    return -1;
}

int CMC_Array::findAll(CMC_Variable* value, std::vector<int>& out)
{
    out.clear();
    if (value == nullptr)
        return 0;
    for (int i = 0; i < getSize(); ++i) {
        if (get(i)->equals(value))
            out.push_back(i);
    }
    return static_cast<int>(out.size());
}

bool CMC_Array::compareArr(CMC_Array* other)
{
    if (other == nullptr || other->getSize() != getSize())
        return false;
    for (int i = 0; i < getSize(); ++i) {
        if (!get(i)->equals(other->get(i)))
            return false;
    }
    return true;
}

void CMC_Array::swap(int first, int second)
{
    CMC_Variable* a = get(first);
    CMC_Variable* b = get(second);
    if (a == nullptr || b == nullptr)
        return;
    elements_->setAt(first, b);
    elements_->setAt(second, a);
    if (onChanged(first))
        onChanged(second);
}

namespace {

// Values of one plain type whose compare is a total order (no NaN among doubles): inserting each
// before the first greater one, as the sorted vector does, is then a stable sort.
bool comparesAsTotalOrder(const std::vector<CMC_Variable*>& values)
{
    if (values.empty() || values.front() == nullptr)
        return false;
    const int type = values.front()->getType();
    if (type != script::TYPE_INTEGER && type != script::TYPE_STRING && type != script::TYPE_BOOL && type != script::TYPE_DOUBLE)
        return false;
    return std::all_of(values.begin(), values.end(), [type](CMC_Variable* value) {
        if (value == nullptr || value->getType() != type)
            return false;
        return type != script::TYPE_DOUBLE || !std::isnan(static_cast<CMC_Double*>(value)->getValue());
    });
}

// The order the sorted vector gives, one insertion after another; mixed types may compare
// inconsistently, and only the insertions give their order exactly.
std::vector<CMC_Variable*> sortedByInsertion(const std::vector<CMC_Variable*>& values)
{
    CSortedVector sorted(std::max(static_cast<int>(values.size()), 1));
    for (CMC_Variable* value : values)
        sorted.add(value);
    std::vector<CMC_Variable*> result;
    for (int i = 0; i < sorted.getSize(); ++i)
        result.push_back(static_cast<CMC_Variable*>(sorted.at(i)));
    return result;
}

} // namespace

void CMC_Array::sort(bool ascending)
{
    const int size = getSize();
    std::vector<CMC_Variable*> values;
    for (int i = 0; i < size; ++i)
        values.push_back(get(i));
    if (comparesAsTotalOrder(values))
        std::stable_sort(values.begin(), values.end(), [](CMC_Variable* a, CMC_Variable* b) { return a->compare(b) < 0; });
    else
        values = sortedByInsertion(values);
    elements_->removeAll();
    for (int i = 0; i < size; ++i)
        elements_->add(values[static_cast<size_t>(ascending ? i : size - 1 - i)]);
}

// ---- marker -----------------------------------------------------------------------------------

CMC_Variable* CMC_Array::moveMarker(int64_t step)
{
    const int64_t size = getSize();
    if (size == 0)
        return nullptr;
    int64_t moved = (int64_t{marker_} + step) % size;
    if (moved < 0)
        moved += size;
    marker_ = static_cast<int>(moved);
    return get(marker_);
}

CMC_Variable* CMC_Array::next(int step)
{
    return moveMarker(step);
}

CMC_Variable* CMC_Array::prev(int step)
{
    return moveMarker(-int64_t{step});
}

void CMC_Array::resetMarker()
{
    marker_ = -1;
}

int CMC_Array::getMarkerPos()
{
    return marker_;
}

void CMC_Array::setMarkerPos(int position)
{
    if (position < -1)
        position = -1;
    if (position >= getSize())
        position = getSize() - 1;
    marker_ = position;
}

// ---- arithmetic -------------------------------------------------------------------------------

bool CMC_Array::combineAt(int index, CMC_Variable* value, int operation)
{
    CMC_Variable* element = get(index);
    if (element == nullptr || value == nullptr)
        return true;
    CMC_Variable* result = element->calculate(value, operation);
    if (result == nullptr)
        return true;
    element->set(result);
    CMC_Object::flush(result);
    return onChanged(index);
}

void CMC_Array::combineAll(CMC_Variable* value, int operation)
{
    script::OperandCopy operand(value);
    for (int i = 0; i < getSize(); ++i) {
        if (!combineAt(i, operand.get(), operation))
            return;
    }
}

void CMC_Array::combineRange(CMC_String* variable, int first, int last, int operation)
{
    CMC_ObjectsContainer* container = getScene();
    // A pooled temporary has no name in any scene.
    if (variable == nullptr || variable->getId() >= 0 || container == nullptr || first > last)
        return;
    CMC_Ref<CMC_Variable> operand(dynamic_cast<CMC_Variable*>(container->getObject(variable->getName())));
    for (int i = std::max(first, 0); i <= last && operand.isAlive(); ++i) {
        if (i >= getSize() || !combineAt(i, operand.get(), operation))
            return;
    }
}

void CMC_Array::sum(CMC_Variable* value)
{
    combineAll(value, CMC_Variable::ADD);
}

void CMC_Array::sub(CMC_Variable* value)
{
    combineAll(value, CMC_Variable::SUBTRACT);
}

void CMC_Array::mul(CMC_Variable* value)
{
    combineAll(value, CMC_Variable::MULTIPLY);
}

void CMC_Array::div(CMC_Variable* value)
{
    combineAll(value, CMC_Variable::DIVIDE);
}

void CMC_Array::suma(CMC_String* variable, int first, int last)
{
    combineRange(variable, first, last, CMC_Variable::ADD);
}

void CMC_Array::suba(CMC_String* variable, int first, int last)
{
    combineRange(variable, first, last, CMC_Variable::SUBTRACT);
}

void CMC_Array::mula(CMC_String* variable, int first, int last)
{
    combineRange(variable, first, last, CMC_Variable::MULTIPLY);
}

void CMC_Array::diva(CMC_String* variable, int first, int last)
{
    combineRange(variable, first, last, CMC_Variable::DIVIDE);
}

void CMC_Array::mulat(int index, CMC_Variable* value)
{
    combineAt(index, value, CMC_Variable::MULTIPLY);
}

void CMC_Array::divat(int index, CMC_Variable* value)
{
    combineAt(index, value, CMC_Variable::DIVIDE);
}

void CMC_Array::addat(int index, CMC_Variable* value)
{
    combineAt(index, value, CMC_Variable::ADD);
}

void CMC_Array::subat(int index, CMC_Variable* value)
{
    combineAt(index, value, CMC_Variable::SUBTRACT);
}

void CMC_Array::modat(int index, CMC_Variable* value)
{
    combineAt(index, value, CMC_Variable::REMAINDER);
}

// ---- shifts -----------------------------------------------------------------------------------

void CMC_Array::moveRound(bool leftward, bool reset)
{
    const int from = leftward ? 0 : getSize() - 1;
    CMC_Variable* moving = get(from);
    if (moving == nullptr)
        return;
    elements_->removeAt(from);
    if (reset)
        resetToZero(moving);
    elements_->insertAt(leftward ? getSize() : 0, moving);
    onChangedEverywhere();
}

void CMC_Array::shiftLeft()
{
    moveRound(true, true);
}

void CMC_Array::shiftRight()
{
    moveRound(false, true);
}

void CMC_Array::rotateLeft()
{
    moveRound(true, false);
}

void CMC_Array::rotateRight()
{
    moveRound(false, false);
}

// ---- change signal ----------------------------------------------------------------------------

bool CMC_Array::onChanged(int index)
{
    if (!sendOnChange_ || !isSignalHandled(kSignalOnChanged))
        return true;
    CMC_ObjectRef self(this);
    raiseSpecificOrPlain("ONCHANGED", CXString::toString(index));
    return self.isAlive();
}

bool CMC_Array::onChangedEverywhere()
{
    for (int i = 0; i < getSize(); ++i) {
        if (!onChanged(i))
            return false;
    }
    return true;
}

// ---- text form, INI, files --------------------------------------------------------------------

CXString CMC_Array::toString() const
{
    CXString text;
    for (int i = 0; i < elements_->getSize(); ++i) {
        if (i > 0)
            text += ",";
        text += static_cast<CMC_Variable*>((*elements_)[i])->toString();
    }
    return text;
}

CWindow* CMC_Array::window()
{
    return CMC_ObjectsContainer::windowOf(getScene());
}

CConfig* CMC_Array::gameConfig()
{
    return getScene() != nullptr ? CGameConfigLink::configOf(window()) : nullptr;
}

void CMC_Array::saveINI()
{
    if (CConfig* config = gameConfig())
        config->PutString(getScene()->getName(), getName(), toString());
}

void CMC_Array::loadINI()
{
    CConfig* config = gameConfig();
    if (config == nullptr)
        return;
    CStringTokenizer pieces(config->GetString(getScene()->getName(), getName()), ",");
    removeAll();
    while (pieces.hasMoreTokens())
        elements_->add(new CMC_String("temp", pieces.nextToken()));
}

void CMC_Array::save(const CXString& fileName)
{
    script::writeDataFile(window(), fileName, [this](CXArchive* archive) { saveTo(archive); });
}

void CMC_Array::saveTo(CXArchive* archive)
{
    *archive << getSize();
    for (int i = 0; i < getSize(); ++i)
        get(i)->store(archive);
}

void CMC_Array::load(const CXString& fileName)
{
    removeAll();
    script::readDataFile(window(), fileName, [this](CXArchive* archive) { loadFrom(archive); });
}

void CMC_Array::loadFrom(CXArchive* archive)
{
    int count = 0;
    *archive >> &count;
    CMC_ObjectRef self(this);
    for (int i = 0; i < count && archive->LastError() == 0; ++i) {
        CMC_Variable* value = CMC_VariableFactory::restore(archive);
        if (value == nullptr)
            return;
        if (archive->LastError() == 0)
            add(value);
        CMC_Object::flush(value);
        if (!self.isAlive())
            return;
    }
}

// ---- copies and stored form -------------------------------------------------------------------

CXObject* CMC_Array::clone() const
{
    auto* self = const_cast<CMC_Array*>(this);
    auto* copy = new CMC_Array(self->getScene(), "cloned");
    for (int i = 0; i < elements_->getSize(); ++i) {
        if (CMC_Variable* element = script::ownedCopy(self->get(i)))
            copy->elements_->add(element);
    }
    return copy;
}

void CMC_Array::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring())
        *archive << sendOnChange_;
    else
        *archive >> &sendOnChange_;
}
