#include "script/CMC_VariableFactory.h"

#include "foundation/CXArchive.h"
#include "foundation/LittleEndian.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"

#include <vector>

int CMC_VariableFactory::iVariablesBoolNo = CMC_VariableFactory::kPoolSize;
int CMC_VariableFactory::iVariablesDoubleNo = CMC_VariableFactory::kPoolSize;
int CMC_VariableFactory::iVariablesIntegerNo = CMC_VariableFactory::kPoolSize;
int CMC_VariableFactory::iVariablesStringNo = CMC_VariableFactory::kPoolSize;
CMC_Bool** CMC_VariableFactory::variablesBool = nullptr;
CMC_Double** CMC_VariableFactory::variablesDbl = nullptr;
CMC_Integer** CMC_VariableFactory::variablesInt = nullptr;
CMC_String** CMC_VariableFactory::variablesStr = nullptr;
bool* CMC_VariableFactory::variablesBoolTaken = nullptr;
bool* CMC_VariableFactory::variablesDblTaken = nullptr;
bool* CMC_VariableFactory::variablesIntTaken = nullptr;
bool* CMC_VariableFactory::variablesStrTaken = nullptr;
int CMC_VariableFactory::boolPtr = 0;
int CMC_VariableFactory::dblPtr = 0;
int CMC_VariableFactory::intPtr = 0;
int CMC_VariableFactory::strPtr = 0;

namespace {

// One pool seen through the factory's statics, plus its overflow.
template <typename T>
struct Pool {
    T**& variables;
    bool*& taken;
    int& lastLent;
    int& size;
    std::vector<T*>& overflow;
    std::vector<bool>& overflowTaken;

    void make()
    {
        variables = new T*[static_cast<size_t>(size)];
        taken = new bool[static_cast<size_t>(size)];
        for (int i = 0; i < size; ++i) {
            variables[i] = new T(CXString("f"), i);
            taken[i] = false;
        }
        lastLent = 0;
    }

    void destroy()
    {
        if (variables != nullptr) {
            for (int i = 0; i < size; ++i)
                delete variables[i];
        }
        for (T* variable : overflow)
            delete variable;
        delete[] variables;
        delete[] taken;
        variables = nullptr;
        taken = nullptr;
        overflow.clear();
        overflowTaken.clear();
        lastLent = 0;
    }

    T* lend()
    {
        for (int step = 0; step < size; ++step) {
            lastLent = lastLent + 1 >= size ? 0 : lastLent + 1;
            if (!taken[lastLent]) {
                taken[lastLent] = true;
                return variables[lastLent];
            }
        }
        return lendOverflow();
    }

    // Every slot is out this turn: lend a spare that the turn's reset gives back like the others.
    T* lendOverflow()
    {
        for (size_t i = 0; i < overflow.size(); ++i) {
            if (!overflowTaken[i]) {
                overflowTaken[i] = true;
                return overflow[i];
            }
        }
        overflow.push_back(new T(CXString("f"), size + static_cast<int>(overflow.size())));
        overflowTaken.push_back(true);
        return overflow.back();
    }

    void giveBack(CMC_Variable* variable)
    {
        int index = variable->getId();
        if (variables != nullptr && index < size) {
            if (variables[index] == variable)
                taken[index] = false;
            return;
        }
        size_t spare = static_cast<size_t>(index - size);
        if (spare < overflow.size() && overflow[spare] == variable)
            overflowTaken[spare] = false;
    }

    void clear()
    {
        for (int i = 0; variables != nullptr && i < size; ++i)
            taken[i] = false;
        std::fill(overflowTaken.begin(), overflowTaken.end(), false);
    }
};

// Reached through a pointer that is never freed, so spares stay reachable until done().
struct Overflow {
    std::vector<CMC_Bool*> bools;
    std::vector<CMC_Double*> doubles;
    std::vector<CMC_Integer*> integers;
    std::vector<CMC_String*> strings;
    std::vector<bool> boolsTaken;
    std::vector<bool> doublesTaken;
    std::vector<bool> integersTaken;
    std::vector<bool> stringsTaken;
};

// Made when the library loads rather than on first use, so that lending and giving back, which
// every script method does, need no guard for it.
Overflow* const spares = new Overflow();

Overflow& overflow()
{
    return *spares;
}

Pool<CMC_Bool> boolPool()
{
    using F = CMC_VariableFactory;
    return {F::variablesBool, F::variablesBoolTaken, F::boolPtr, F::iVariablesBoolNo, overflow().bools, overflow().boolsTaken};
}

Pool<CMC_Double> doublePool()
{
    using F = CMC_VariableFactory;
    return {F::variablesDbl, F::variablesDblTaken, F::dblPtr, F::iVariablesDoubleNo, overflow().doubles, overflow().doublesTaken};
}

Pool<CMC_Integer> integerPool()
{
    using F = CMC_VariableFactory;
    return {F::variablesInt, F::variablesIntTaken, F::intPtr, F::iVariablesIntegerNo, overflow().integers,
            overflow().integersTaken};
}

Pool<CMC_String> stringPool()
{
    using F = CMC_VariableFactory;
    return {F::variablesStr, F::variablesStrTaken, F::strPtr, F::iVariablesStringNo, overflow().strings,
            overflow().stringsTaken};
}

void ensurePools()
{
    if (!CMC_VariableFactory::isInitialized())
        CMC_VariableFactory::initialize();
}

} // namespace

void CMC_VariableFactory::initialize()
{
    done();
    boolPool().make();
    doublePool().make();
    integerPool().make();
    stringPool().make();
}

void CMC_VariableFactory::done()
{
    boolPool().destroy();
    doublePool().destroy();
    integerPool().destroy();
    stringPool().destroy();
}

CMC_Bool* CMC_VariableFactory::allocBool()
{
    ensurePools();
    return boolPool().lend();
}

CMC_Double* CMC_VariableFactory::allocDouble()
{
    ensurePools();
    return doublePool().lend();
}

CMC_Integer* CMC_VariableFactory::allocInteger()
{
    ensurePools();
    return integerPool().lend();
}

CMC_String* CMC_VariableFactory::allocString()
{
    ensurePools();
    return stringPool().lend();
}

CMC_Variable* CMC_VariableFactory::allocOfType(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return allocInteger();
    case script::TYPE_STRING:
        return allocString();
    case script::TYPE_BOOL:
        return allocBool();
    case script::TYPE_DOUBLE:
        return allocDouble();
    default:
        return nullptr;
    }
}

void CMC_VariableFactory::free(CMC_Variable* variable)
{
    if (variable == nullptr || variable->getId() < 0)
        return;
    switch (variable->getType()) {
    case script::TYPE_INTEGER:
        integerPool().giveBack(variable);
        break;
    case script::TYPE_STRING:
        stringPool().giveBack(variable);
        break;
    case script::TYPE_BOOL:
        boolPool().giveBack(variable);
        break;
    case script::TYPE_DOUBLE:
        doublePool().giveBack(variable);
        break;
    default:
        break;
    }
}

void CMC_VariableFactory::clearPool()
{
    boolPool().clear();
    doublePool().clear();
    integerPool().clear();
    stringPool().clear();
}

CMC_Variable* CMC_VariableFactory::copyVariable(CMC_Variable* variable)
{
    if (variable == nullptr)
        return nullptr;
    CMC_Variable* copy = allocOfType(variable->getType());
    if (copy != nullptr)
        copy->set(variable);
    return copy;
}

CMC_Variable* CMC_VariableFactory::netrestore(const uint8_t* buffer, int length)
{
    if (buffer == nullptr || length < 4)
        return nullptr;
    CMC_Variable* value = allocOfType(static_cast<int>(foundation::loadLE32(buffer)));
    if (value != nullptr && !value->netrestore(buffer, length)) {
        free(value);
        return nullptr;
    }
    return value;
}

CMC_Variable* CMC_VariableFactory::restore(CXArchive* archive)
{
    if (archive == nullptr)
        return nullptr;
    int type = 0;
    *archive >> &type;
    CMC_Variable* value = allocOfType(type);
    if (value != nullptr)
        value->restore(archive);
    return value;
}

CMC_Bool* CMC_VariableFactory::makeBool(bool value)
{
    CMC_Bool* variable = allocBool();
    variable->setValue(value);
    return variable;
}

CMC_Double* CMC_VariableFactory::makeDouble(double value)
{
    CMC_Double* variable = allocDouble();
    variable->setValue(value);
    return variable;
}

CMC_Integer* CMC_VariableFactory::makeInteger(int value)
{
    CMC_Integer* variable = allocInteger();
    variable->setValue(value);
    return variable;
}

CMC_String* CMC_VariableFactory::makeString(const CXString& value)
{
    CMC_String* variable = allocString();
    variable->setValue(value);
    return variable;
}

CMC_Variable* CMC_VariableFactory::makeEmpty(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return makeInteger(0);
    case script::TYPE_STRING:
        return makeString(CXString());
    case script::TYPE_BOOL:
        return makeBool(false);
    case script::TYPE_DOUBLE:
        return makeDouble(0.0);
    default:
        return nullptr;
    }
}

int CMC_VariableFactory::overflowCount()
{
    const Overflow& spares = overflow();
    return static_cast<int>(spares.bools.size() + spares.doubles.size() + spares.integers.size() + spares.strings.size());
}
