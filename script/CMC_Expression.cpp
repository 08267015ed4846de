#include "script/CMC_Expression.h"

#include "foundation/CMElement.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Behaviour_Entry.h"
#include "script/CMC_Cast.h"
#include "script/CMC_LineConstant.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CMC_WatchedValue.h"

namespace {

const char kOperatorSigns[] = "+-*@%";

struct OperatorName {
    const char* sign;
    const char* word;
    int code;
};

const OperatorName kOperators[] = {
    {"+", "ADD", CMC_Variable::ADD},      {"-", "SUB", CMC_Variable::SUBTRACT}, {"*", "MUL", CMC_Variable::MULTIPLY},
    {"@", "DIV", CMC_Variable::DIVIDE},   {"%", "MOD", CMC_Variable::REMAINDER},
};

bool isOperatorSign(char character)
{
    for (const char* sign = kOperatorSigns; *sign != '\0'; ++sign) {
        if (*sign == character)
            return true;
    }
    return false;
}

} // namespace

CMC_Expression::CMC_Expression(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Variable(container, element, script::TYPE_EXPRESSION), operands_(CMC_Shared<Operands>::make()), still_(true)
{
    if (element != nullptr) {
        operandTexts_.push_back(element->getPropertyValue("OPERAND1"));
        operators_.push_back(resolveOp(element->getPropertyValue("OPERATOR")));
        operandTexts_.push_back(element->getPropertyValue("OPERAND2"));
    }
}

CMC_Expression::CMC_Expression(CMC_ObjectsContainer* container, const CXString& text)
    : CMC_Variable("temp", script::TYPE_EXPRESSION), operands_(CMC_Shared<Operands>::make()), still_(false)
{
    setScene(container);
    split(text);
    init();
}

CMC_Expression::~CMC_Expression()
{
    beginDestruction();
    flush();
}

CMC_Behaviour* CMC_Expression::hostFor(const CXString& operand)
{
    // Only a statement ("@", or a "$" parameter that may fill one in) runs with a behaviour.
    if (host_ == nullptr && (operand.Find('@') >= 0 || operand.Find('$') >= 0))
        host_.reset(new CMC_Behaviour(getScene(), CXString("temp"), CXString()));
    return host_.get();
}

int CMC_Expression::resolveOp(const CXString& word)
{
    for (const OperatorName& name : kOperators) {
        if (word == name.sign || word == name.word)
            return name.code;
    }
    return UNKNOWN_OPERATION;
}

// Operands end at the next operator sign outside brackets; a bracket left open runs to the end.
void CMC_Expression::split(const CXString& text)
{
    const char* characters = text.c_str();
    int length = text.getLength();
    int position = 0;
    while (position < length) {
        int depth = 0;
        int end = position;
        for (; end < length; ++end) {
            char character = characters[end];
            if (character == '[')
                ++depth;
            else if (character == ']')
                --depth;
            else if (depth == 0 && isOperatorSign(character))
                break;
        }
        operandTexts_.push_back(text.Mid(position, end));
        if (end >= length)
            break;
        operators_.push_back(resolveOp(text.Mid(end, end + 1)));
        position = end + 1;
        // A trailing sign leaves no last operand.
    }
}

void CMC_Expression::init()
{
    CMC_ObjectRef self(this);
    CMC_Variable::init();
    if (!self.isAlive())
        return;
    if (operandTexts_.empty())
        return;
    auto parsed = CMC_Shared<Operands>::make();
    parsed->reserve(operandTexts_.size());
    for (const CXString& text : operandTexts_)
        parsed->push_back(parseOperand(text));
    operandTexts_ = {};
    operands_ = std::move(parsed);
}

CMC_Expression::Operand CMC_Expression::parseOperand(const CXString& text)
{
    Operand operand;
    // An empty operand (a leading or doubled sign) gets no line: it gives no value, not an empty
    // text.
    if (text.getLength() == 0)
        return operand;
    operand.line = std::make_unique<CMC_Behaviour_Entry>(getScene(), hostFor(text), text);
    operand.constant = operand.line->takeConstant();
    if (operand.constant != nullptr)
        operand.line.reset();
    return operand;
}

CMC_Variable* CMC_Expression::getResult()
{
    return result_.get();
}

// The result may be a declared variable (an expression of one operand, or one whose later operands
// gave nothing): the watch reads it as gone once its container deleted it, and only a pooled
// temporary goes back to its pool.
void CMC_Expression::flush()
{
    CMC_Variable* old = result_.get();
    result_.reset();
    CMC_Object::flush(old);
}

CMC_Variable* CMC_Expression::calculate()
{
    flush();
    CMC_ObjectRef self(this);
    CMC_Variable* result = evaluate();
    if (!self.isAlive()) {
        CMC_Object::flush(result);
        return nullptr;
    }
    result_.set(result);
    return result;
}

CMC_Variable* CMC_Expression::takeResult()
{
    CMC_Variable* result = calculate();
    result_.reset();
    return result;
}

CMC_Variable* CMC_Expression::operandValue(const Operand& operand)
{
    CMC_Variable* value = nullptr;
    if (operand.constant != nullptr)
        value = operand.constant->get(getScene());
    else if (operand.line != nullptr)
        value = script::valueOnly(operand.line->runForReading(this, nullptr));
    // An operand that is itself computed counts by its value: a copy, so that its own next
    // evaluation does not take the value from under this one.
    auto* computed = value != nullptr && value->getType() == script::TYPE_EXPRESSION ? script::castUsually<CMC_Expression>(value) : nullptr;
    if (computed != nullptr) {
        CMC_Variable* copy = CMC_VariableFactory::copyVariable(computed->calculate());
        CMC_Behaviour_Entry::releaseValue(computed);
        return copy;
    }
    return value;
}

CMC_Variable* CMC_Expression::evaluate()
{
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "expression");
    if (!guard.entered())
        return nullptr;
    // Operand lines may delete or re-initialise this expression: keep the lines, watch the rest.
    CMC_Shared<Operands> operands = operands_;
    const std::vector<int>& operators = operators_;
    CMC_ObjectRef self(this);
    if (operands->empty())
        return nullptr;
    // The running value may be a declared variable that a later operand's line deletes.
    CMC_WatchedValue running(operandValue((*operands)[0]));
    for (size_t i = 1; i < operands->size(); ++i) {
        if (!self.isAlive() || CMC_NestingGuard::unwinding() || i - 1 >= operators.size())
            break;
        CMC_Variable* value = operandValue((*operands)[i]);
        int operation = operators[i - 1];
        if (value == nullptr || operation == UNKNOWN_OPERATION) {
            CMC_Object::flush(value);
            continue;
        }
        CMC_Variable* current = running.get();
        if (current == nullptr)
            current = CMC_VariableFactory::makeEmpty(value->getType());
        CMC_Variable* next = current != nullptr ? current->calculate(value, operation) : nullptr;
        CMC_Object::flush(current);
        CMC_Object::flush(value);
        running.set(next);
    }
    if (!self.isAlive()) {
        CMC_Object::flush(running.get());
        return nullptr;
    }
    // The result outlives the evaluation: a literal operand's constant is handed out as a copy.
    CMC_Variable* result = running.get();
    if (result != nullptr && result->getId() == CMC_Variable::kLineConstantId)
        return CMC_VariableFactory::copyVariable(result);
    return result;
}

CMC_Variable* CMC_Expression::convert(int type)
{
    CMC_Variable* result = takeResult();
    return result != nullptr ? result->convert(type) : nullptr;
}

bool CMC_Expression::equals(CMC_Variable* other)
{
    CMC_Variable* result = calculate();
    if (result == nullptr || other == nullptr)
        return false;
    CMC_Variable* same = other->getType() == result->getType() ? other : other->convert(result->getType());
    bool equal = same != nullptr && result->equals(same);
    // A conversion has given a pooled `other` back already.
    CMC_Object::flush(same);
    return equal;
}

int CMC_Expression::compare(CMC_Variable* other)
{
    CMC_Variable* result = calculate();
    if (result == nullptr || other == nullptr)
        return -1;
    CMC_Variable* same = other->getType() == result->getType() ? other : other->convert(result->getType());
    int order = same != nullptr ? result->compare(same) : -1;
    CMC_Object::flush(same);
    return order;
}

CMC_Variable* CMC_Expression::calculate(CMC_Variable* operand, int operation)
{
    CMC_Variable* result = calculate();
    return result != nullptr ? result->calculate(operand, operation) : nullptr;
}

CXObject* CMC_Expression::clone() const
{
    CMC_Variable* result = const_cast<CMC_Expression*>(this)->calculate();
    return result != nullptr ? result->clone() : nullptr;
}
