#include "script/CMC_MultiArray_Runner.h"

#include "script/CMC_Integer.h"
#include "script/CMC_MultiArray.h"
#include "script/CMC_String.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"

namespace {

struct MethodName {
    const char* name;
    int id;
};

using R = CMC_MultiArray_Runner;

const MethodName kMethods[] = {
    {"SET", R::SET},     {"GET", R::GET},   {"GETSIZE", R::GETSIZE}, {"COUNT", R::COUNT},
    {"LOAD", R::LOAD},   {"SAVE", R::SAVE}, {"SAFEGET", R::SAFEGET},
};

} // namespace

void CMC_MultiArray_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_MultiArray_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* grid = dynamic_cast<CMC_MultiArray*>(object);
    if (grid == nullptr || id < SET || id > SAFEGET)
        return CMC_Runner::run(id, object, container, arguments);
    const int count = argumentCount(arguments);
    switch (id) {
    case SET:
        // The last argument is the value; at least one coordinate comes before it.
        if (count >= 2)
            grid->set(coordinates(arguments, count - 1), getParameter(arguments, count - 1));
        return nullptr;
    case GET:
    case SAFEGET:
        return cellValue(grid, arguments, id == SAFEGET);
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(grid->getSize(intArgument(arguments, 0, -1)));
    case COUNT:
        return CMC_VariableFactory::makeInteger(grid->count(getParameter(arguments, 0)));
    case LOAD:
        if (count > 0)
            grid->load(stringArgument(arguments, 0));
        return nullptr;
    case SAVE:
        if (count > 0)
            grid->save(stringArgument(arguments, 0));
        return nullptr;
    default:
        return nullptr;
    }
}

std::vector<int> CMC_MultiArray_Runner::coordinates(CXVector* arguments, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(intArgument(arguments, i, -1));
    return values;
}

CMC_Variable* CMC_MultiArray_Runner::cellValue(CMC_MultiArray* grid, CXVector* arguments, bool safe)
{
    CMC_Variable* stored = grid->get(coordinates(arguments, argumentCount(arguments)));
    CMC_Variable* copy = stored != nullptr ? CMC_VariableFactory::copyVariable(stored) : nullptr;
    if (copy != nullptr)
        return copy;
    if (safe)
        return CMC_VariableFactory::makeInteger(0);
    return CMC_VariableFactory::makeString("NULL");
}
