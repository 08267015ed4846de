#include "script/CMC_Condition.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Behaviour_Entry.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Integer.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_WatchedValue.h"

#include <string_view>
#include <typeinfo>

namespace {

struct OperatorWord {
    const char* word;
    int code;
};

const OperatorWord kDefinitionWords[] = {
    {"EQUAL", CMC_Condition::EQUAL},         {"NOTEQUAL", CMC_Condition::NOTEQUAL},
    {"LESS", CMC_Condition::LESS},           {"LESSEQUAL", CMC_Condition::LESSEQUAL},
    {"GREATER", CMC_Condition::GREATER},     {"GREATEREQUAL", CMC_Condition::GREATEREQUAL},
    {"INSTANCEOF", CMC_Condition::INSTANCEOF},
};

const OperatorWord kInlineOperators[] = {
    {"_", CMC_Condition::EQUAL},  {"!_", CMC_Condition::NOTEQUAL},    {"<>", CMC_Condition::NOTEQUAL},
    {"<", CMC_Condition::LESS},   {"<_", CMC_Condition::LESSEQUAL},   {">", CMC_Condition::GREATER},
    {">_", CMC_Condition::GREATEREQUAL}, {"?", CMC_Condition::INSTANCEOF},
};

template <size_t N>
int codeOf(const OperatorWord (&table)[N], const CXString& word)
{
    const std::string_view text(word.c_str(), static_cast<size_t>(word.getLength()));
    for (const OperatorWord& entry : table) {
        if (text == entry.word)
            return entry.code;
    }
    return CMC_Condition::EQUAL;
}

} // namespace

CMC_Condition::CMC_Condition(CMC_ObjectsContainer* container)
    : CMC_BasicCondition(CXString("temp"), script::TYPE_CONDITION),
      host_(new CMC_Behaviour(container, CXString("temp"), CXString()))
{
    setScene(container);
}

CMC_Condition::CMC_Condition(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_BasicCondition(container, definition, script::TYPE_CONDITION)
{
    if (definition != nullptr) {
        operatorText_ = definition->getPropertyValue("OPERATOR");
        operand1Text_ = definition->getPropertyValue("OPERAND1");
        operand2Text_ = definition->getPropertyValue("OPERAND2");
    }
    operator_ = resolveCondition(operatorText_);
    host_.reset(new CMC_Behaviour(container, CXString("temp"), CXString()));
}

CMC_Condition::~CMC_Condition()
{
    beginDestruction();
}

int CMC_Condition::resolveCondition(const CXString& word)
{
    return codeOf(kDefinitionWords, word);
}

void CMC_Condition::init()
{
    CMC_ObjectRef self(this);
    CMC_BasicCondition::init();
    if (!self.isAlive() || host_ == nullptr)
        return;
    operand1_ = CMC_Shared<CMC_Behaviour_Entry>::make(host_.get(), operand1Text_);
    operand2_ = CMC_Shared<CMC_Behaviour_Entry>::make(host_.get(), operand2Text_);
}

bool CMC_Condition::done(bool wholeContainer)
{
    operand1_.reset();
    operand2_.reset();
    host_.reset();
    return CMC_BasicCondition::done(wholeContainer);
}

void CMC_Condition::serialize(CXArchive* archive)
{
    CMC_BasicCondition::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << operand1Text_ << operand2Text_ << operatorText_;
        return;
    }
    *archive >> &operand1Text_ >> &operand2Text_ >> &operatorText_;
    operator_ = resolveCondition(operatorText_);
}

bool CMC_Condition::valid(bool raiseSignals)
{
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "condition");
    if (!guard.entered())
        return false;
    CMC_ObjectRef self(this);
    bool silent = false;
    bool result = test(silent);
    if (raiseSignals && !silent && self.isAlive())
        raiseResult(result);
    return result;
}

bool CMC_Condition::test(bool& silent)
{
    // The lines stay while they run, whatever they do to this condition.
    CMC_Shared<CMC_Behaviour_Entry> line1 = operand1_;
    CMC_Shared<CMC_Behaviour_Entry> line2 = operand2_;
    // Operand 2's line may delete what operand 1 gave.
    CMC_WatchedValue first(line1 ? script::valueOnly(line1->runForReading(nullptr, nullptr)) : nullptr);
    CMC_Variable* operand2 = line2 ? script::valueOnly(line2->runForReading(nullptr, nullptr)) : nullptr;
    CMC_Variable* operand1 = first.get();
    bool result = false;
    if (operand1 != nullptr && operand2 != nullptr) {
        CMC_Variable* compared = operand2;
        bool computed = operand1->getType() == script::TYPE_EXPRESSION || operand2->getType() == script::TYPE_EXPRESSION;
        if (!computed && operand1->getType() != operand2->getType()) {
            // The conversion gives a pooled operand 2 back itself.
            compared = operand2->convert(operand1->getType());
            if (compared == nullptr) {
                silent = true;
                return false;
            }
            operand2 = nullptr;
        }
        result = operator_ != INSTANCEOF && compareWith(operator_, operand1, compared);
        if (compared != operand2)
            CMC_Behaviour_Entry::releaseValue(compared);
    }
    CMC_Behaviour_Entry::releaseValue(operand1);
    if (operand2 != operand1)
        CMC_Behaviour_Entry::releaseValue(operand2);
    return result;
}

namespace {

// The order of two integers as compare gives it.
int orderOf(int a, int b)
{
    return a == b ? 0 : a < b ? -1 : 1;
}

// The test on two exact integers, which compare and equals settle on their values alone.
bool compareIntegers(int operatorCode, int a, int b)
{
    switch (operatorCode) {
    case CMC_Condition::EQUAL:
        return a == b;
    case CMC_Condition::NOTEQUAL:
        return a != b;
    case CMC_Condition::LESS:
        return orderOf(a, b) < 0;
    case CMC_Condition::LESSEQUAL:
        return orderOf(a, b) < 1;
    case CMC_Condition::GREATER:
        return orderOf(a, b) > 0;
    case CMC_Condition::GREATEREQUAL:
        return orderOf(a, b) >= 0;
    default:
        return false;
    }
}

} // namespace

bool CMC_Condition::compareWith(int operatorCode, CMC_Variable* operand1, CMC_Variable* operand2)
{
    if (typeid(*operand1) == typeid(CMC_Integer) && typeid(*operand2) == typeid(CMC_Integer))
        return compareIntegers(operatorCode, static_cast<CMC_Integer*>(operand1)->getValue(), static_cast<CMC_Integer*>(operand2)->getValue());
    switch (operatorCode) {
    case EQUAL:
        return operand1->equals(operand2);
    case NOTEQUAL:
        return !operand1->equals(operand2);
    case LESS:
        return operand1->compare(operand2) < 0;
    case LESSEQUAL:
        return operand1->compare(operand2) < 1;
    case GREATER:
        return operand1->compare(operand2) > 0;
    case GREATEREQUAL:
        return operand1->compare(operand2) >= 0;
    default:
        return false;
    }
}

// ---- conditions written as text ---------------------------------------------------------------

bool CMC_Condition::valid(CMC_ObjectsContainer* container, const CXString& text)
{
    int quote = text.Find('\'');
    int code = 0;
    int operand1End = -1;
    int operand2Start = -1;
    if (quote >= 0) {
        char before = quote > 0 ? text.GetAt(quote - 1) : '\0';
        code = before == '!' ? NOTEQUAL : before == '<' ? LESSEQUAL : before == '>' ? GREATEREQUAL : EQUAL;
        operand1End = code == EQUAL ? quote : quote - 1;
        operand2Start = quote + 1;
    } else {
        const struct {
            char sign;
            int code;
        } kSigns[] = {{'<', LESS}, {'>', GREATER}, {'?', INSTANCEOF}};
        for (const auto& sign : kSigns) {
            int at = text.Find(sign.sign);
            if (at >= 0) {
                code = sign.code;
                operand1End = at;
                operand2Start = at + 1;
                break;
            }
        }
    }
    // No operator: nothing to test.
    if (code == 0)
        return false;
    return valid(container, text.Left(operand1End), text.Right(operand2Start), code);
}

bool CMC_Condition::valid(CMC_ObjectsContainer* container, const CXString& operand1, const CXString& operand2,
                          const CXString& operatorText)
{
    return valid(container, operand1, operand2, resolveInlineOperator(operatorText));
}

int CMC_Condition::resolveInlineOperator(const CXString& word)
{
    return codeOf(kInlineOperators, word);
}

bool CMC_Condition::valid(CMC_ObjectsContainer* container, const CXString& operand1Text, const CXString& operand2Text,
                          int operatorCode)
{
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "condition text");
    if (!guard.entered())
        return false;
    if (operatorCode == INSTANCEOF)
        return isInstanceOf(container, operand1Text, operand2Text);
    CMC_WatchedValue first(CMC_Behaviour::resolveParameter(container, nullptr, operand1Text, nullptr));
    CMC_Variable* operand2 = CMC_Behaviour::resolveParameter(container, nullptr, operand2Text, nullptr);
    CMC_Variable* operand1 = first.get();
    bool result = operand1 != nullptr && operand2 != nullptr && compareWith(operatorCode, operand1, operand2);
    CMC_Behaviour_Entry::releaseValue(operand1);
    if (operand2 != operand1)
        CMC_Behaviour_Entry::releaseValue(operand2);
    return result;
}

// The operand texts as written: the name of an object and a type word.
bool CMC_Condition::isInstanceOf(CMC_ObjectsContainer* container, const CXString& operand1, const CXString& operand2)
{
    if (container == nullptr)
        return false;
    CMC_Object* object = container->getObject(CMC_CodeText::trimmed(operand1));
    return object != nullptr && typeToString(object->getType()) == CMC_CodeText::trimmed(operand2);
}
