#include "script/CMC_Rand_Runner.h"

#include "foundation/CXRandom.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_VariableFactory.h"
#include "script/CValueList.h"

void CMC_Rand_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("GET", GET);
    putMethod("GETPLENTY", GETPLENTY);
}

CMC_Variable* CMC_Rand_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    switch (id) {
    case GET:
        return get(arguments);
    case GETPLENTY:
        getPlenty(container, arguments);
        return nullptr;
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}

CMC_Variable* CMC_Rand_Runner::get(CXVector* arguments)
{
    int count = argumentCount(arguments);
    int value = 0;
    if (count == 1) {
        value = CXRandom::random(intArgument(arguments, 0));
    } else if (count >= 2) {
        int first = intArgument(arguments, 0);
        value = CXRandom::random(first, intArgument(arguments, 1));
    }
    return CMC_VariableFactory::makeInteger(value);
}

void CMC_Rand_Runner::getPlenty(CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (argumentCount(arguments) < 5 || container == nullptr)
        return;
    auto* array = dynamic_cast<CValueList*>(container->getObject(stringArgument(arguments, 0)));
    int count = intArgument(arguments, 1);
    int first = intArgument(arguments, 2);
    int span = intArgument(arguments, 3);
    bool distinct = boolArgument(arguments, 4);
    if (array == nullptr || count <= 0)
        return;
    // A range holding fewer distinct values than asked for could never be filled: refused.
    int64_t available = span > 0 ? span : 1;
    if (distinct && count > available)
        return;
    int* values = CXRandom::random_vector(first, span, count, distinct);
    // Too many for one call: the generator reported it and drew nothing new, so nothing is added
    // rather than stale values or values from beyond its table.
    if (count > CXRandom::tableSize)
        return;
    appendValues(array, values, count);
}

void CMC_Rand_Runner::appendValues(CValueList* array, const int* values, int count)
{
    for (int i = 0; i < count; ++i) {
        // The array keeps a copy of what it is given.
        CMC_Integer value(values[i]);
        array->add(&value);
    }
}
