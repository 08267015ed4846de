#include "script/CMC_Array_Runner.h"

#include "foundation/CFile.h"
#include "foundation/CFolder.h"
#include "foundation/CPath.h"
#include "foundation/CXArray.h"
#include "foundation/CXRandom.h"
#include "foundation/IntegerWrap.h"
#include "script/CMC_Array.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CValueList.h"
#include "script/OwnedValue.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

struct MethodName {
    const char* name;
    int id;
};

using R = CMC_Array_Runner;

const MethodName kMethods[] = {
    {"ADD", R::ADD},
    {"GETSIZE", R::GETSIZE},
    {"INSERTAT", R::INSERTAT},
    {"REMOVEAT", R::REMOVEAT},
    {"CHANGEAT", R::CHANGEAT},
    {"REMOVEALL", R::REMOVEALL},
    {"GET", R::GET},
    {"REMOVE", R::REMOVE},
    {"FIND", R::FIND},
    {"CONTAINS", R::CONTAINS},
    {"SAVEINI", R::SAVEINI},
    {"LOADINI", R::LOADINI},
    {"PREV", R::PREV},
    {"NEXT", R::NEXT},
    {"ADDCLONES", R::ADDCLONES},
    {"RESETMARKER", R::RESETMARKER},
    {"GETMARKERPOS", R::GETMARKERPOS},
    {"SETMARKERPOS", R::SETMARKERPOS},
    {"SUM", R::SUM},
    {"SUMA", R::SUMA},
    {"SUB", R::SUB},
    {"SUBA", R::SUBA},
    {"MUL", R::MUL},
    {"MULA", R::MULA},
    {"DIV", R::DIV},
    {"DIVA", R::DIVA},
    {"MIN", R::MIN},
    {"MAX", R::MAX},
    {"GETSUMVALUE", R::GETSUMVALUE},
    {"SORT", R::SORT},
    {"LOAD", R::LOAD},
    {"SAVE", R::SAVE},
    {"REVERSEFIND", R::REVERSEFIND},
    {"MULAT", R::MULAT},
    {"DIVAT", R::DIVAT},
    {"ADDAT", R::ADDAT},
    {"SUBAT", R::SUBAT},
    {"MODAT", R::MODAT},
    {"CLAMPAT", R::CLAMPAT},
    {"DIR", R::DIR},
    {"COMPARE", R::COMPARE},
    {"SENDONCHANGE", R::SENDONCHANGE},
    {"SHIFTLEFT", R::SHIFTLEFT},
    {"SHIFTRIGHT", R::SHIFTRIGHT},
    {"ROTATELEFT", R::ROTATELEFT},
    {"ROTATERIGHT", R::ROTATERIGHT},
    {"SWAP", R::SWAP},
    {"FINDALL", R::FINDALL},
    {"SORTMANY", R::SORTMANY},
    {"MAXD", R::MAXD},
    {"MIND", R::MIND},
    {"COPYTO", R::COPYTO},
    {"FILL", R::FILL},
    {"RANDOMFILL", R::RANDOMFILL},
};

bool isArrayMethod(int id)
{
    return (id >= R::ADD && id <= R::DIV) || (id >= R::DIVA && id <= R::RANDOMFILL);
}

// Appends a value to whatever list the reference still names; false once it names none.
bool appendTo(const CMC_ObjectRef& target, CMC_Variable* value)
{
    auto* list = dynamic_cast<CValueList*>(target.get());
    if (list == nullptr)
        return false;
    list->add(value);
    return true;
}

// Appends a value made for the purpose and gives the temporary back.
void appendTemporary(const CMC_ObjectRef& target, CMC_Variable* value)
{
    appendTo(target, value);
    CMC_Object::flush(value);
}

// Private copies of the arguments from `from` on, taken before any signal handler can run.
std::vector<std::unique_ptr<script::OperandCopy>> copiesOf(CMC_Runner& runner, CXVector* arguments, int from)
{
    std::vector<std::unique_ptr<script::OperandCopy>> copies;
    for (int i = from; i < CMC_Runner::argumentCount(arguments); ++i)
        copies.push_back(std::make_unique<script::OperandCopy>(runner.getParameter(arguments, i)));
    return copies;
}

// The smallest or largest value of the elements of one type, from a start that no element passes:
// a result that stays at the start when none goes beyond it.
template <typename Variable>
auto extremeOf(CMC_Array* array, int type, bool smallest)
{
    decltype(std::declval<Variable>().getValue()) best = smallest ? R::kMinStart : R::kMaxStart;
    for (int i = 0; i < array->getSize(); ++i) {
        CMC_Variable* stored = array->get(i);
        if (stored->getType() != type)
            continue;
        const auto value = static_cast<Variable*>(stored)->getValue();
        if (smallest ? value < best : value > best)
            best = value;
    }
    return best;
}

} // namespace

void CMC_Array_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_Array_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* array = dynamic_cast<CMC_Array*>(object);
    if (array == nullptr || !isArrayMethod(id))
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = array->getScene();
    bool done = false;
    CMC_Variable* result = runElements(id, array, container, arguments, done);
    if (!done)
        result = runArithmetic(id, array, arguments, done);
    if (!done)
        result = runQueries(id, array, container, arguments, done);
    return result;
}

CMC_Variable* CMC_Array_Runner::runElements(int id, CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments, bool& done)
{
    done = true;
    const int count = argumentCount(arguments);
    switch (id) {
    case ADD:
        addEach(array, arguments, 0);
        return nullptr;
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(array->getSize());
    case INSERTAT:
    case CHANGEAT: {
        // Neither appends: the index must name an element.
        const int index = intArgument(arguments, 0, -1);
        if (count < 2 || index < 0 || index >= array->getSize())
            return nullptr;
        CMC_Variable* value = getParameter(arguments, 1);
        if (id == INSERTAT)
            array->insertAt(index, value);
        else
            array->changeAt(index, value);
        return nullptr;
    }
    case REMOVEAT:
        array->removeAt(intArgument(arguments, 0, -1));
        return nullptr;
    case REMOVEALL:
        array->removeAll();
        return nullptr;
    case GET:
        return element(array, intArgument(arguments, 0, -1));
    case REMOVE:
        array->remove(getParameter(arguments, 0));
        return nullptr;
    case SAVEINI:
        array->saveINI();
        return nullptr;
    case LOADINI:
        array->loadINI();
        return nullptr;
    case PREV:
    case NEXT: {
        const int step = intArgument(arguments, 0, 1);
        CMC_Variable* reached = id == PREV ? array->prev(step) : array->next(step);
        // A pooled copy, like every other result: the line that asked gives it back.
        return reached != nullptr ? CMC_VariableFactory::copyVariable(reached) : nullptr;
    }
    case ADDCLONES:
        addClones(array, container, arguments);
        return nullptr;
    case RESETMARKER:
        array->resetMarker();
        return nullptr;
    case GETMARKERPOS:
        return CMC_VariableFactory::makeInteger(array->getMarkerPos());
    case SETMARKERPOS:
        if (count > 0)
            array->setMarkerPos(intArgument(arguments, 0));
        return nullptr;
    case SORT:
        array->sort(boolArgument(arguments, 0, true));
        return nullptr;
    case LOAD:
        if (count > 0)
            array->load(stringArgument(arguments, 0));
        return nullptr;
    case SAVE:
        if (count > 0)
            array->save(stringArgument(arguments, 0));
        return nullptr;
    case SENDONCHANGE:
        array->setSendOnChange(boolArgument(arguments, 0, true));
        return nullptr;
    case SHIFTLEFT:
        array->shiftLeft();
        return nullptr;
    case SHIFTRIGHT:
        array->shiftRight();
        return nullptr;
    case ROTATELEFT:
        array->rotateLeft();
        return nullptr;
    case ROTATERIGHT:
        array->rotateRight();
        return nullptr;
    case SWAP:
        array->swap(intArgument(arguments, 0, -1), intArgument(arguments, 1, -1));
        return nullptr;
    case SORTMANY:
        return nullptr;
    case COPYTO:
        copyTo(array, container, arguments);
        return nullptr;
    case FILL:
        fill(array, arguments);
        return nullptr;
    case RANDOMFILL:
        randomFill(array, arguments);
        return nullptr;
    case DIR:
        listFolder(array, container, arguments);
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Array_Runner::runArithmetic(int id, CMC_Array* array, CXVector* arguments, bool& done)
{
    done = true;
    switch (id) {
    case SUM:
        array->sum(getParameter(arguments, 0));
        return nullptr;
    case SUB:
        array->sub(getParameter(arguments, 0));
        return nullptr;
    case MUL:
        array->mul(getParameter(arguments, 0));
        return nullptr;
    case DIV:
        array->div(getParameter(arguments, 0));
        return nullptr;
    case SUMA:
    case SUBA:
    case MULA:
    case DIVA:
        combineRange(id, array, arguments);
        return nullptr;
    case MULAT:
    case DIVAT:
    case ADDAT:
    case SUBAT:
    case MODAT: {
        const int index = intArgument(arguments, 0, -1);
        CMC_Variable* value = getParameter(arguments, 1);
        if (id == MULAT)
            array->mulat(index, value);
        else if (id == DIVAT)
            array->divat(index, value);
        else if (id == ADDAT)
            array->addat(index, value);
        else if (id == SUBAT)
            array->subat(index, value);
        else
            array->modat(index, value);
        return nullptr;
    }
    case CLAMPAT:
        clampAt(array, arguments);
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Array_Runner::runQueries(int id, CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments, bool& done)
{
    done = true;
    switch (id) {
    case FIND:
        return CMC_VariableFactory::makeInteger(array->find(getParameter(arguments, 0)));
    case REVERSEFIND:
        return CMC_VariableFactory::makeInteger(array->reversefind(getParameter(arguments, 0)));
    case CONTAINS:
        return CMC_VariableFactory::makeBool(array->contains(getParameter(arguments, 0)));
    case MIN:
    case MAX:
        return extremeInteger(array, id == MIN);
    case MIND:
    case MAXD:
        return extremeDouble(array, id == MIND);
    case GETSUMVALUE:
        return integerSum(array);
    case COMPARE: {
        auto* other = dynamic_cast<CMC_Array*>(objectArgument(arguments, 0, container));
        return CMC_VariableFactory::makeBool(other != nullptr && array->compareArr(other));
    }
    case FINDALL:
        return findAll(array, container, arguments);
    default:
        done = false;
        return nullptr;
    }
}

// ---- elements ---------------------------------------------------------------------------------

CMC_Variable* CMC_Array_Runner::element(CMC_Array* array, int index)
{
    CMC_Variable* stored = array->get(index);
    CMC_Variable* copy = stored != nullptr ? CMC_VariableFactory::copyVariable(stored) : nullptr;
    return copy != nullptr ? copy : CMC_VariableFactory::makeString("NULL");
}

void CMC_Array_Runner::addEach(CMC_Array* array, CXVector* arguments, int from)
{
    CMC_ObjectRef self(array);
    for (const auto& value : copiesOf(*this, arguments, from)) {
        if (!self.isAlive())
            return;
        array->add(value->get());
    }
}

void CMC_Array_Runner::addClones(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments)
{
    const int count = argumentCount(arguments);
    if (count < 1 || container == nullptr)
        return;
    const CXString name = stringArgument(arguments, 0);
    CMC_Object* source = container->getObject(name);
    if (source == nullptr)
        return;
    const int first = intArgument(arguments, 1, 1);
    const int last = count > 2 ? intArgument(arguments, 2, 0) : source->getClonesNo();
    array->addClones(name, first, last);
}

void CMC_Array_Runner::copyTo(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_ObjectRef target(objectArgument(arguments, 0, container));
    CMC_ObjectRef self(array);
    // The elements there are now: a copy into the array itself does not chase its own tail.
    const int size = array->getSize();
    for (int i = 0; i < size && self.isAlive(); ++i) {
        CMC_Variable* stored = array->get(i);
        if (stored == nullptr || !appendTo(target, stored))
            return;
    }
}

void CMC_Array_Runner::fill(CMC_Array* array, CXVector* arguments)
{
    const int count = std::min(intArgument(arguments, 0, 0), CMC_Array::kMaxAppendPerCall);
    script::OperandCopy value(getParameter(arguments, 1));
    array->removeAll();
    CMC_ObjectRef self(array);
    for (int i = 0; i < count && value.get() != nullptr && self.isAlive(); ++i)
        array->add(value.get());
}

void CMC_Array_Runner::randomFill(CMC_Array* array, CXVector* arguments)
{
    // The generator fills at most its table; a larger count is cut to it.
    const int count = std::clamp(intArgument(arguments, 0, 0), 0, static_cast<int>(CXRandom::tableSize));
    const int from = intArgument(arguments, 1, 0);
    const int range = intArgument(arguments, 2, 0);
    const bool unique = boolArgument(arguments, 3, false);
    array->removeAll();
    if (count == 0)
        return;
    // The generator's table is shared: handlers of the change signal may draw again.
    const int* table = CXRandom::random_vector(from, range, count, unique);
    const std::vector<int> drawn(table, table + count);
    CMC_ObjectRef self(array);
    for (int number : drawn) {
        if (!self.isAlive())
            return;
        appendTemporary(self, CMC_VariableFactory::makeInteger(number));
    }
}

void CMC_Array_Runner::listFolder(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (argumentCount(arguments) < 2)
        return;
    CWindow* window = CMC_ObjectsContainer::windowOf(container);
    const CXString folder = CPath::resolveFileName(window, stringArgument(arguments, 0));
    const CXString pattern = stringArgument(arguments, 1);
    const CXString current = CFile::getCurrentDirectory();
    CXArray* names = nullptr;
    // A folder that does not exist lists nothing (not the current folder).
    if (CFile::dirExists(folder)) {
        CFolder listing(window, folder);
        names = listing.list(pattern);
    }
    CFile::chDir(current);
    CMC_ObjectRef self(array);
    for (int i = 0; names != nullptr && i < names->getSize() && self.isAlive(); ++i)
        appendTemporary(self, CMC_VariableFactory::makeString(folder + *names->stringAt(i)));
    CFolder::releaseFilesList(names);
}

// ---- arithmetic -------------------------------------------------------------------------------

void CMC_Array_Runner::combineRange(int id, CMC_Array* array, CXVector* arguments)
{
    CMC_Variable* given = getParameter(arguments, 0);
    if (given == nullptr)
        return;
    // A STRING variable is used itself, so that it keeps its own name.
    auto* variable = dynamic_cast<CMC_String*>(given->getType() == script::TYPE_STRING ? given : getParameterString(arguments, 0));
    int first = intArgument(arguments, 1, -1);
    int last = intArgument(arguments, 2, -1);
    if (first == -1)
        first = 0;
    if (last == -1)
        last = array->getSize() - 1;
    if (id == SUMA)
        array->suma(variable, first, last);
    else if (id == SUBA)
        array->suba(variable, first, last);
    else if (id == MULA)
        array->mula(variable, first, last);
    else
        array->diva(variable, first, last);
}

void CMC_Array_Runner::clampAt(CMC_Array* array, CXVector* arguments)
{
    CMC_Variable* stored = array->get(intArgument(arguments, 0, -1));
    if (stored == nullptr || argumentCount(arguments) < 3)
        return;
    // The low bound is tested first, so with low above high a value below low becomes low.
    if (stored->getType() == script::TYPE_INTEGER) {
        auto* integer = static_cast<CMC_Integer*>(stored);
        const int low = intArgument(arguments, 1);
        const int high = intArgument(arguments, 2);
        if (integer->getValue() < low)
            integer->setValue(low);
        else if (integer->getValue() > high)
            integer->setValue(high);
    } else if (stored->getType() == script::TYPE_DOUBLE) {
        auto* real = static_cast<CMC_Double*>(stored);
        const double low = doubleArgument(arguments, 1);
        const double high = doubleArgument(arguments, 2);
        if (real->getValue() < low)
            real->setValue(low);
        else if (real->getValue() > high)
            real->setValue(high);
    }
}

// ---- queries ----------------------------------------------------------------------------------

CMC_Variable* CMC_Array_Runner::extremeInteger(CMC_Array* array, bool smallest)
{
    return CMC_VariableFactory::makeInteger(extremeOf<CMC_Integer>(array, script::TYPE_INTEGER, smallest));
}

CMC_Variable* CMC_Array_Runner::extremeDouble(CMC_Array* array, bool smallest)
{
    return CMC_VariableFactory::makeDouble(extremeOf<CMC_Double>(array, script::TYPE_DOUBLE, smallest));
}

CMC_Variable* CMC_Array_Runner::integerSum(CMC_Array* array)
{
    int total = 0;
    for (int i = 0; i < array->getSize(); ++i) {
        CMC_Variable* stored = array->get(i);
        if (stored->getType() == script::TYPE_INTEGER)
            total = foundation::wrapAdd(total, static_cast<CMC_Integer*>(stored)->getValue());
    }
    return CMC_VariableFactory::makeInteger(total);
}

CMC_Variable* CMC_Array_Runner::findAll(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_ObjectRef target(objectArgument(arguments, 0, container));
    CMC_ObjectRef self(array);
    int total = 0;
    std::vector<int> indices;
    for (const auto& value : copiesOf(*this, arguments, 1)) {
        if (!self.isAlive())
            break;
        total += array->findAll(value->get(), indices);
        for (int index : indices)
            appendTemporary(target, CMC_VariableFactory::makeInteger(index));
    }
    return CMC_VariableFactory::makeInteger(total);
}
