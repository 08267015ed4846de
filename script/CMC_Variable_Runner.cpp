#include "script/CMC_Variable_Runner.h"

#include "foundation/CPath.h"
#include "foundation/CXRandom.h"
#include "foundation/IntegerWrap.h"
#include "platform/Files.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Cast.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <cmath>
#include <ctime>
#include <typeinfo>

namespace {

struct MethodName {
    const char* name;
    int id;
};

using R = CMC_Variable_Runner;

const MethodName kMethods[] = {
    {"SET", R::SET},         {"SWITCH", R::SWITCH},       {"CLEAR", R::CLEAR},
    {"INC", R::INC},         {"DEC", R::DEC},             {"ADD", R::ADD},
    {"MUL", R::MUL},         {"RESETINI", R::RESETINI},   {"SETDEFAULT", R::SETDEFAULT},
    {"SUB", R::SUB},         {"DIV", R::DIV},             {"MOD", R::MOD},
    {"ABS", R::ABS},         {"AND", R::AND},             {"OR", R::OR},
    {"NOT", R::NOT},         {"XOR", R::XOR},             {"POWER", R::POWER},
    {"SQRT", R::SQRT},       {"CLAMP", R::CLAMP},         {"LENGTH", R::LENGTH},
    {"ARCTAN", R::ARCTAN},   {"GET", R::GET},             {"MINA", R::MINA},
    {"MAXA", R::MAXA},       {"ARCTANEX", R::ARCTANEX},   {"SINUS", R::SINUS},
    {"COSINUS", R::COSINUS}, {"UPPER", R::UPPER},         {"FIND", R::FIND},
    {"CUT", R::CUT},         {"REPLACEAT", R::REPLACEAT}, {"INSERTAT", R::INSERTAT},
    {"REPLACE", R::REPLACE}, {"ROUND", R::ROUND},         {"ISUPPERLETTER", R::ISUPPERLETTER},
    {"SGN", R::SGN},         {"COPYFILE", R::COPYFILE},   {"RANDOM", R::RANDOM},
    {"LOG", R::LOG},         {"LOWER", R::LOWER},
};

bool isVariableMethod(int id)
{
    return (id >= R::SET && id <= R::LOG && id != 19) || id == R::LOWER;
}

CMC_Variable* storeInteger(CMC_Integer* variable, int value)
{
    variable->setValue(value);
    return CMC_VariableFactory::makeInteger(value);
}

CMC_Variable* storeDouble(CMC_Double* variable, double value)
{
    variable->setValue(value);
    return CMC_VariableFactory::makeDouble(value);
}

CMC_Variable* storeString(CMC_String* variable, const CXString& value)
{
    variable->setValue(value);
    return CMC_VariableFactory::makeString(value);
}

template <typename T>
T clamped(T value, T low, T high)
{
    return value < low ? low : value > high ? high : value;
}

// The square of y goes through single precision, as it always has.
double hypotenuse(double x, double y)
{
    return std::sqrt(x * x + static_cast<double>(static_cast<float>(y * y)));
}

bool inText(const CXString& text, int position)
{
    return position >= 0 && position < text.getLength();
}

} // namespace

void CMC_Variable_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
}

int CMC_Variable_Runner::roundHundredths(double value)
{
    int whole = CMC_Double::truncate(value);
    double scaled = std::trunc(value * 100.0);
    int64_t hundredths = scaled > -9.0e18 && scaled < 9.0e18 ? static_cast<int64_t>(scaled) % 100 : 0;
    return hundredths >= 50 ? foundation::wrapAdd(whole, 1) : whole;
}

CMC_Variable* CMC_Variable_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return runVariable(id, object, container, arguments, true);
}

CMC_Variable* CMC_Variable_Runner::runForEffect(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return runVariable(id, object, container, arguments, false);
}

CMC_Variable* CMC_Variable_Runner::runVariable(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments,
                                               bool valueRead)
{
    CMC_Variable* variable = CMC_Variable::from(object);
    if (variable == nullptr || !isVariableMethod(id))
        return CMC_Runner::run(id, object, container, arguments);
    bool done = false;
    CMC_Variable* result = runShared(id, variable, container, arguments, valueRead, done);
    if (done)
        return result;
    if (id == ISUPPERLETTER && variable->getType() != script::TYPE_STRING)
        return CMC_VariableFactory::makeBool(false);
    switch (variable->getType()) {
    case script::TYPE_INTEGER:
        return runInteger(id, static_cast<CMC_Integer*>(variable), arguments);
    case script::TYPE_DOUBLE:
        return runDouble(id, static_cast<CMC_Double*>(variable), arguments);
    case script::TYPE_STRING:
        return runString(id, static_cast<CMC_String*>(variable), arguments);
    default:
        return nullptr;
    }
}

// The methods every type answers the same way, through the variable's own operations.
CMC_Variable* CMC_Variable_Runner::runShared(int id, CMC_Variable* variable, CMC_ObjectsContainer* container,
                                             CXVector* arguments, bool valueRead, bool& done)
{
    int count = argumentCount(arguments);
    done = true;
    switch (id) {
    case SET:
        if (count > 0)
            variable->set(getParameter(arguments, 0));
        return nullptr;
    case SWITCH:
        if (count > 1)
            variable->swap(getParameter(arguments, 0), getParameter(arguments, 1));
        return nullptr;
    case CLEAR:
        variable->clear();
        return nullptr;
    case INC:
        variable->inc();
        return nullptr;
    case DEC:
        variable->dec();
        return nullptr;
    case ADD: {
        if (!valueRead)
            return storeCalculated(variable, arguments, CMC_Variable::ADD);
        CMC_ObjectRef alive(variable);
        storeCalculated(variable, arguments, CMC_Variable::ADD);
        return count > 0 && alive.isAlive() ? CMC_VariableFactory::copyVariable(variable) : nullptr;
    }
    case MUL:
        return storeCalculated(variable, arguments, CMC_Variable::MULTIPLY);
    case DIV:
        return storeCalculated(variable, arguments, CMC_Variable::DIVIDE);
    case MOD:
        return storeCalculated(variable, arguments, CMC_Variable::REMAINDER);
    case SUB:
        if (variable->getType() == script::TYPE_STRING) {
            done = false;
            return nullptr;
        }
        return storeCalculated(variable, arguments, CMC_Variable::SUBTRACT);
    case RESETINI:
        variable->resetINI();
        return nullptr;
    case SETDEFAULT:
        if (count > 0)
            variable->setDefault(getParameter(arguments, 0));
        return nullptr;
    case GET:
        return get(variable, arguments);
    case COPYFILE:
        return copyFile(container, arguments);
    case RANDOM:
        return random(variable, arguments);
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Variable_Runner::storeCalculated(CMC_Variable* variable, CXVector* arguments, int operation)
{
    if (argumentCount(arguments) < 1)
        return nullptr;
    CMC_Variable* operand = getParameter(arguments, 0);
    // Integer on integer, the common case, needs no temporary for the result. A class derived from
    // the integer may calculate its own way: it takes the general path.
    if (typeid(*variable) == typeid(CMC_Integer) && operand != nullptr && operand->getType() == script::TYPE_INTEGER) {
        if (auto* value = script::castUsually<CMC_Integer>(operand)) {
            static_cast<CMC_Integer*>(variable)->applyInteger(value->getValue(), operation);
            return nullptr;
        }
    }
    CMC_Variable* result = variable->calculate(operand, operation);
    variable->set(result);
    CMC_Object::flush(result);
    return nullptr;
}

CMC_Variable* CMC_Variable_Runner::get(CMC_Variable* variable, CXVector* arguments)
{
    switch (variable->getType()) {
    case script::TYPE_INTEGER:
    case script::TYPE_DOUBLE:
        return CMC_VariableFactory::copyVariable(variable);
    case script::TYPE_STRING: {
        CXString text = static_cast<CMC_String*>(variable)->getValue();
        int count = argumentCount(arguments);
        if (count == 0)
            return CMC_VariableFactory::makeString(text);
        int index = intArgument(arguments, 0);
        if (!inText(text, index))
            return CMC_VariableFactory::makeString(CXString());
        if (count == 1)
            return CMC_VariableFactory::makeString(text.Mid(index, index + 1));
        int length = intArgument(arguments, 1);
        if (length == -1)
            return CMC_VariableFactory::makeString(text.Right(index));
        int64_t end = static_cast<int64_t>(index) + (length > 0 ? length : 0);
        return CMC_VariableFactory::makeString(text.Mid(index, static_cast<int>(std::min<int64_t>(end, text.getLength()))));
    }
    default:
        // Other types answer with the variable itself (a declared one, which flush leaves alone).
        return variable;
    }
}

CMC_Variable* CMC_Variable_Runner::copyFile(CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (argumentCount(arguments) < 2)
        return CMC_VariableFactory::makeBool(false);
    CWindow* window = CMC_ObjectsContainer::windowOf(container);
    CXString from = CPath::resolveFileNameEx(window, stringArgument(arguments, 0));
    CXString to = CPath::resolveFileNameEx(window, stringArgument(arguments, 1));
    return CMC_VariableFactory::makeBool(platform::files().copyFile(from.c_str(), to.c_str(), true));
}

CMC_Variable* CMC_Variable_Runner::random(CMC_Variable* variable, CXVector* arguments)
{
    int count = argumentCount(arguments);
    CXRandom::seed(static_cast<unsigned>(std::time(nullptr)));
    int value = 0;
    if (count == 1)
        value = CXRandom::random(intArgument(arguments, 0));
    else if (count > 1)
        value = CXRandom::random(intArgument(arguments, 0), intArgument(arguments, 1));
    if (variable->getType() == script::TYPE_INTEGER)
        return storeInteger(static_cast<CMC_Integer*>(variable), value);
    return CMC_VariableFactory::makeInteger(value);
}

// ---- INTEGER ----------------------------------------------------------------------------------

CMC_Variable* CMC_Variable_Runner::runInteger(int id, CMC_Integer* variable, CXVector* arguments)
{
    int value = variable->getValue();
    if (id == NOT)
        return storeInteger(variable, ~value);
    if (id == CLAMP) {
        if (argumentCount(arguments) < 2)
            return nullptr;
        return storeInteger(variable, clamped(value, intArgument(arguments, 0), intArgument(arguments, 1)));
    }
    bool takesOne = id == ABS || id == AND || id == OR || id == XOR || id == POWER;
    if (!takesOne || argumentCount(arguments) < 1)
        return nullptr;
    int x = intArgument(arguments, 0);
    switch (id) {
    case ABS:
        return storeInteger(variable, x < 0 ? foundation::wrapSub(0, x) : x);
    case AND:
        return storeInteger(variable, value & x);
    case OR:
        return storeInteger(variable, value | x);
    case XOR:
        return storeInteger(variable, value ^ x);
    default: // POWER, in doubles, truncated
        return storeInteger(variable, CMC_Double::truncate(std::pow(static_cast<double>(value), static_cast<double>(x))));
    }
}

// ---- DOUBLE -----------------------------------------------------------------------------------

CMC_Variable* CMC_Variable_Runner::runDouble(int id, CMC_Double* variable, CXVector* arguments)
{
    int count = argumentCount(arguments);
    double value = variable->getValue();
    switch (id) {
    case SQRT:
        return storeDouble(variable, std::sqrt(value));
    case ROUND:
        return CMC_VariableFactory::makeInteger(roundHundredths(value));
    case SGN:
        return CMC_VariableFactory::makeInteger(value > 0.0 ? 1 : value < 0.0 ? -1 : 0);
    case MINA:
    case MAXA:
        return extreme(variable, arguments, id == MINA);
    case ARCTANEX:
        return angleOfPoint(variable, arguments);
    case CLAMP:
        if (count < 2)
            return nullptr;
        return storeDouble(variable, clamped(value, doubleArgument(arguments, 0), doubleArgument(arguments, 1)));
    case LENGTH:
        if (count < 2)
            return nullptr;
        return storeDouble(variable, hypotenuse(doubleArgument(arguments, 0), doubleArgument(arguments, 1)));
    default:
        break;
    }
    bool takesOne = id == POWER || id == ARCTAN || id == SINUS || id == COSINUS || id == LOG;
    if (!takesOne || count < 1)
        return nullptr;
    double x = doubleArgument(arguments, 0);
    switch (id) {
    case POWER:
        return storeDouble(variable, std::pow(value, x));
    case ARCTAN:
        return storeDouble(variable, std::atan(x) * kDegreesPerRadian);
    case SINUS:
        return storeDouble(variable, std::sin(x * kRadiansPerDegree));
    case COSINUS:
        return storeDouble(variable, std::cos(x * kRadiansPerDegree));
    default: // LOG
        return storeDouble(variable, std::log(x));
    }
}

CMC_Variable* CMC_Variable_Runner::extreme(CMC_Double* variable, CXVector* arguments, bool smallest)
{
    int count = argumentCount(arguments);
    if (count < 1)
        return nullptr;
    double found = doubleArgument(arguments, 0);
    for (int i = 1; i < count; ++i) {
        double candidate = doubleArgument(arguments, i);
        if (smallest ? candidate < found : candidate > found)
            found = candidate;
    }
    return storeDouble(variable, found);
}

CMC_Variable* CMC_Variable_Runner::angleOfPoint(CMC_Double* variable, CXVector* arguments)
{
    int count = argumentCount(arguments);
    if (count < 2)
        return nullptr;
    double y = doubleArgument(arguments, 0);
    double x = doubleArgument(arguments, 1);
    double angle = std::atan2(y, x) * kDegreesPerRadian;
    if (angle < 0.0)
        angle += 360.0;
    if (count > 2)
        angle = CMC_Double::truncate(doubleArgument(arguments, 2) + angle) % 360;
    return storeDouble(variable, angle);
}

// ---- STRING -----------------------------------------------------------------------------------

CMC_Variable* CMC_Variable_Runner::runString(int id, CMC_String* variable, CXVector* arguments)
{
    CXString text = variable->getValue();
    switch (id) {
    case NOT: {
        CXString reversed;
        for (int i = text.getLength() - 1; i >= 0; --i)
            reversed += text.GetAt(i);
        return storeString(variable, reversed);
    }
    case LENGTH:
        return CMC_VariableFactory::makeInteger(text.getLength());
    case UPPER:
        variable->upper();
        return nullptr;
    case LOWER:
        variable->lower();
        return nullptr;
    case FIND: {
        if (argumentCount(arguments) < 1)
            return nullptr;
        int from = argumentCount(arguments) > 1 ? intArgument(arguments, 1) : 0;
        return CMC_VariableFactory::makeInteger(text.FindSubString(stringArgument(arguments, 0), from));
    }
    case ISUPPERLETTER: {
        return CMC_VariableFactory::makeBool(text.IsUpper(intArgument(arguments, 0, -1)));
    }
    default:
        return runStringEdit(id, variable, arguments);
    }
}

// The methods that cut and splice the text; positions outside the text change nothing.
CMC_Variable* CMC_Variable_Runner::runStringEdit(int id, CMC_String* variable, CXVector* arguments)
{
    CXString text = variable->getValue();
    int length = text.getLength();
    int count = argumentCount(arguments);
    if (count < 2)
        return nullptr;
    switch (id) {
    case SUB: {
        int start = intArgument(arguments, 0);
        int removed = intArgument(arguments, 1);
        if (start < 0 || start > length || removed < 0)
            return nullptr;
        int64_t resume = std::min<int64_t>(static_cast<int64_t>(start) + removed, length);
        variable->setValue(text.Left(start) + text.Right(static_cast<int>(resume)));
        return nullptr;
    }
    case CUT: {
        int start = intArgument(arguments, 0);
        int kept = intArgument(arguments, 1);
        if (start < 0 || start > length)
            return nullptr;
        bool toEnd = kept < 1 || static_cast<int64_t>(start) + kept > length;
        variable->setValue(toEnd ? text.Right(start) : text.Mid(start, start + kept));
        return nullptr;
    }
    case REPLACEAT: {
        int position = intArgument(arguments, 0);
        CXString inserted = stringArgument(arguments, 1);
        if (position < 0 || position > length)
            return nullptr;
        int64_t resume = static_cast<int64_t>(position) + inserted.getLength();
        CXString rest = resume < length ? text.Right(static_cast<int>(resume)) : CXString();
        variable->setValue(text.Left(position) + inserted + rest);
        return nullptr;
    }
    case INSERTAT: {
        int position = intArgument(arguments, 0);
        CXString inserted = stringArgument(arguments, 1);
        int times = count > 2 ? intArgument(arguments, 2) : 1;
        if (position < 0 || position > length || times < 1 ||
            static_cast<int64_t>(inserted.getLength()) * times + length > kMaxInsertedLength)
            return nullptr;
        CXString result = text.Left(position);
        for (int i = 0; i < times; ++i)
            result += inserted;
        result += text.Right(position);
        variable->setValue(result);
        return nullptr;
    }
    case REPLACE:
        variable->setValue(text.replace(stringArgument(arguments, 0), stringArgument(arguments, 1)));
        return nullptr;
    default:
        return nullptr;
    }
}
