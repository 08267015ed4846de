#include "script/CMC_Vector_Runner.h"

#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Vector.h"
#include "script/CMC_VariableFactory.h"

namespace {

struct MethodName {
    const char* name;
    int id;
};

using R = CMC_Vector_Runner;

const MethodName kMethods[] = {
    {"ADD", R::ADD},     {"GET", R::GET},       {"GETSIZE", R::GETSIZE},     {"VMUL", R::VMUL},
    {"SMUL", R::SMUL},   {"MUL", R::MUL},       {"LEN", R::LEN},             {"NORMALIZE", R::NORMALIZE},
    {"REFLECT", R::REFLECT}, {"EXPAND", R::EXPAND}, {"SET", R::SET},         {"ASSIGN", R::ASSIGN},
    {"SUB", R::SUB},     {"NEG", R::NEG},
};

} // namespace

void CMC_Vector_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Vector* CMC_Vector_Runner::vectorArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container)
{
    return dynamic_cast<CMC_Vector*>(objectArgument(arguments, index, container));
}

CMC_Variable* CMC_Vector_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* vector = dynamic_cast<CMC_Vector*>(object);
    if (vector == nullptr || id < ADD || id > NEG)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = vector->getScene();
    const int count = argumentCount(arguments);
    switch (id) {
    case ADD:
    case SUB:
        for (int i = 0; i < count; ++i) {
            CMC_Vector* other = vectorArgument(arguments, i, container);
            if (id == ADD)
                vector->add(other);
            else
                vector->sub(other);
        }
        return nullptr;
    case GET:
        return CMC_VariableFactory::makeDouble(vector->getValue(intArgument(arguments, 0, -1)));
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(vector->getCount());
    case VMUL:
        return nullptr;
    case SMUL:
        return CMC_VariableFactory::makeDouble(vector->dot(vectorArgument(arguments, 0, container)));
    case MUL:
        if (count > 0)
            vector->scale(doubleArgument(arguments, 0));
        return nullptr;
    case LEN:
        return CMC_VariableFactory::makeDouble(vector->length());
    case NORMALIZE:
        vector->normalize();
        return nullptr;
    case REFLECT:
        vector->reflect(vectorArgument(arguments, 0, container), vectorArgument(arguments, 1, container));
        return nullptr;
    case EXPAND:
        vector->expand(intArgument(arguments, 0, 0));
        return nullptr;
    case SET:
        set(vector, arguments, container);
        return nullptr;
    case ASSIGN:
        // Arguments beyond the components are ignored.
        for (int i = 0; i < count && i < vector->getCount(); ++i)
            vector->setValue(i, doubleArgument(arguments, i));
        return nullptr;
    case NEG:
        vector->negate();
        return nullptr;
    default:
        return nullptr;
    }
}

void CMC_Vector_Runner::set(CMC_Vector* vector, CXVector* arguments, CMC_ObjectsContainer* container)
{
    const int count = argumentCount(arguments);
    if (count >= 2) {
        vector->setValue(intArgument(arguments, 0, -1), doubleArgument(arguments, 1));
        return;
    }
    if (count == 0)
        return;
    if (CMC_Vector* source = vectorArgument(arguments, 0, container)) {
        vector->assign(source);
        return;
    }
    // A single number fills every component.
    const double value = doubleArgument(arguments, 0);
    for (int i = 0; i < vector->getCount(); ++i)
        vector->setValue(i, value);
}
