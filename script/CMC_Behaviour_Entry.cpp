#include "script/CMC_Behaviour_Entry.h"

#include "foundation/CXArray.h"
#include "foundation/CXVector.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Cast.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Expression.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_String.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CMC_WatchedValue.h"
#include "script/OwnedValue.h"

namespace {

int anonymousCounter = 0;

bool holds(const CXString& text, char character)
{
    return text.Find(character) >= 0;
}

// Anonymous code in braces, optionally quoted: {code} or "{code}".
bool isQuotedOrPlainCode(const CXString& text)
{
    return text.startsWith("{") || text.startsWith("\"{");
}

CXString codeBetweenBraces(const CXString& text)
{
    int cut = text.startsWith("\"") ? 2 : 1;
    if (text.getLength() < 2 * cut)
        return CXString();
    return text.Mid(cut, text.getLength() - cut);
}

// The value of a literal as a variable the line owns; the pooled temporary goes back at once.
CMC_Variable* ownedLiteral(const CXString& text)
{
    CMC_Variable* literal = CMC_Variable::resolve(text);
    CMC_Variable* copy = script::ownedCopy(literal);
    CMC_Object::flush(literal);
    return copy;
}

CMC_Behaviour* makeAnonymousBehaviour(CMC_ObjectsContainer* container, const char* prefix, const CXString& code)
{
    CXString name(prefix);
    name += CMC_Behaviour_Entry::nextAnonymousNumber();
    auto* behaviour = new CMC_Behaviour(container, name, code);
    CMC_ObjectRef made(behaviour);
    behaviour->init();
    if (made.isAlive())
        container->addObject(behaviour);
    return static_cast<CMC_Behaviour*>(made.get());
}

} // namespace

// One argument: a value known at parse time (owned by the line, or a container's variable held
// weakly), or a nested line, or a text filled with the run's parameters and read at run time.
struct CMC_Behaviour_Entry::Slot {
    std::unique_ptr<CMC_Behaviour_Entry> nested;
    CXString filledText;
    bool filledAtRun = false;
    CMC_Owned<CMC_Variable> owned;
    CMC_ObjectRef bound;
    CXString boundName;
    CMC_Ref<CMC_Behaviour> anonymous;
    bool anonymousTakesParameters = false;
    // A literal argument: its line passes the literal itself.
    bool constant = false;

    bool evaluatedAtRun() const { return nested != nullptr || filledAtRun; }

    CMC_Variable* parseTimeValue(CMC_ObjectsContainer* container)
    {
        if (owned != nullptr)
            return owned.get();
        if (CMC_Object* alive = bound.get())
            return static_cast<CMC_Variable*>(alive);
        if (boundName.getLength() == 0 || container == nullptr)
            return nullptr;
        // The variable was replaced or deleted since: take the one that holds the name now.
        CMC_Variable* variable = container->getVariable(boundName);
        if (variable != nullptr && !variable->isTemporary())
            bound = variable;
        return variable;
    }
};

// What one run made: values it must delete after the call, by slot.
struct CMC_Behaviour_Entry::RunFrame {
    struct Made {
        int slot;
        CMC_Object* value;
        CMC_ObjectRef behaviour;
    };
    CXVector* values = nullptr;
    std::unique_ptr<CXVector> ownValues;
    // The values of the evaluated slots, which later slots and the call itself may delete.
    std::vector<CMC_WatchedValue>* watched = nullptr;
    std::vector<CMC_WatchedValue> ownWatched;
    std::vector<Made> made;

    const Made* madeFor(int slot) const
    {
        for (const Made& entry : made) {
            if (entry.slot == slot)
                return &entry;
        }
        return nullptr;
    }
};

int CMC_Behaviour_Entry::nextAnonymousNumber()
{
    int number = anonymousCounter;
    anonymousCounter = anonymousCounter == 0x7fffffff ? 0 : anonymousCounter + 1;
    return number;
}

// ---- parsing ----------------------------------------------------------------------------------

CMC_Behaviour_Entry::CMC_Behaviour_Entry(CMC_Behaviour* behaviour, const CXString& line)
    : CMC_Object(CXString("code"), kType), line_(CMC_CodeText::trimmed(line)), behaviour_(behaviour),
      container_(behaviour != nullptr ? behaviour->getScene() : nullptr)
{
    if (line_.lastChar() == ';')
        line_ = line_.Left(line_.getLength() - 1);
    CMC_NestingGuard guard(CMC_NestingGuard::PARSING, line_.c_str());
    if (guard.entered())
        parse();
}

CMC_Behaviour_Entry::~CMC_Behaviour_Entry()
{
    beginDestruction();
    CMC_ObjectsContainer* owner = container();
    for (Slot& slot : slots_) {
        CMC_Behaviour* anonymous = slot.anonymous.get();
        if (release_ && anonymous != nullptr && owner != nullptr && owner->removeObject(anonymous))
            CMC_Object::destroy(anonymous);
    }
}

std::vector<std::unique_ptr<CMC_Behaviour_Entry>> CMC_Behaviour_Entry::getCodeLines(CMC_Behaviour* behaviour, const CXString& code)
{
    std::vector<std::unique_ptr<CMC_Behaviour_Entry>> lines;
    for (const CXString& text : CMC_CodeText::splitLines(code))
        lines.push_back(std::make_unique<CMC_Behaviour_Entry>(behaviour, text));
    return lines;
}

CMC_ObjectsContainer* CMC_Behaviour_Entry::container() const
{
    return container_.get();
}

void CMC_Behaviour_Entry::parse()
{
    int open = line_.Find('(');
    char first = line_.getLength() > 0 ? line_.GetAt(0) : '\0';
    if (first == '@')
        parseStatement(open);
    else if (first == '*')
        parseReference(open);
    else if (line_.startsWith("THIS^"))
        parseThis(open);
    else if (first == '[')
        parseExpression();
    else if (first == '"' || !holds(line_, '^'))
        parseValue();
    else
        parseCall(open);
    constantLookup_ = lookupOf(constantName_);
}

// Settled once, so that a run does no text work on the name.
CMC_Behaviour_Entry::ConstantLookup CMC_Behaviour_Entry::lookupOf(const CXString& name)
{
    if (CMC_CodeText::hasParameterMark(name))
        return name.startsWith("[") ? ConstantLookup::FILLED_EXPRESSION : ConstantLookup::FILLED_NAME;
    return holds(name, '|') ? ConstantLookup::FIELD : ConstantLookup::VARIABLE;
}

void CMC_Behaviour_Entry::parseStatement(int open)
{
    form_ = Form::STATEMENT;
    methodName_ = line_.Mid(1, open < 0 ? line_.getLength() : open);
    CMC_Behaviour* behaviour = behaviour_.get();
    object_ = behaviour;
    runner_ = CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
    if (runner_ == nullptr && behaviour != nullptr)
        runner_ = behaviour->getRunner();
    method_ = runner_ != nullptr ? runner_->resolveMethod(methodName_) : -1;
    parseArguments(open);
}

// *NAME^M(...) and *[expr]^M(...): the "^" is the first one after the first "]", so that an
// expression may itself hold calls.
void CMC_Behaviour_Entry::parseReference(int)
{
    form_ = Form::REFERENCE;
    reference_ = true;
    int afterBracket = line_.Find(']') + 1;
    int caret = line_.Find('^', afterBracket);
    if (caret < 0)
        caret = line_.Find('^');
    if (caret < 0)
        caret = line_.getLength();
    int open = line_.Find('(', caret);
    objectName_ = line_.Mid(1, caret);
    methodName_ = line_.Mid(caret + 1, open < 0 ? line_.getLength() : open);
    if (objectName_.startsWith("[")) {
        ownSource_.reset(new CMC_Expression(container(), CMC_CodeText::inner(objectName_)));
    } else if (CMC_ObjectsContainer* owner = container()) {
        indirectSource_ = owner->getObject(objectName_);
    }
    parseArguments(open);
}

void CMC_Behaviour_Entry::parseThis(int open)
{
    form_ = Form::THIS_OBJECT;
    this_ = true;
    methodName_ = line_.Mid(5, open < 0 ? line_.getLength() : open);
    parseArguments(open);
}

void CMC_Behaviour_Entry::parseExpression()
{
    form_ = Form::EXPRESSION;
    CXString text = CMC_CodeText::inner(line_);
    if (CMC_CodeText::hasParameterMark(text)) {
        constantName_ = CXString("[") + text + "]";
        return;
    }
    constantName_ = "XXX";
    ownExpression_.reset(new CMC_Expression(container(), text));
}

void CMC_Behaviour_Entry::parseValue()
{
    form_ = Form::VALUE;
    constantName_ = line_;
    CMC_ObjectsContainer* owner = container();
    CMC_Object* found = owner != nullptr && !holds(line_, '$') ? owner->getObject(line_) : nullptr;
    // An object that is not a variable (an ANIMO, a behaviour ...) stands for its name: a STRING,
    // which is what the literal of the line gives.
    if (found != nullptr && !found->isTemporary() && dynamic_cast<CMC_Variable*>(found) != nullptr) {
        constantObject_ = found;
        constantName_ = found->getName();
    }
    if (!holds(line_, '$')) {
        literal_.reset(ownedLiteral(line_));
        if (literal_ != nullptr)
            literal_->markAsLineConstant();
    }
}

void CMC_Behaviour_Entry::parseCall(int open)
{
    form_ = Form::CALL;
    int caret = line_.Find('^');
    objectName_ = line_.Left(caret);
    methodName_ = line_.Mid(caret + 1, open < 0 ? line_.getLength() : open);
    if (CMC_CodeText::hasParameterMark(objectName_))
        lateObject_ = true;
    else
        bindObject(findNamed(container(), objectName_));
    parseArguments(open);
}

void CMC_Behaviour_Entry::bindObject(CMC_Object* found)
{
    // Temporary objects go when their run ends: such a name is looked up at every run.
    if (found == nullptr || found->isTemporary())
        return;
    object_ = found;
    runner_ = CMC_RunnerFactory::getRunnerFor(found);
    method_ = runner_ != nullptr ? runner_->resolveMethod(methodName_) : -1;
}

void CMC_Behaviour_Entry::parseArguments(int open)
{
    methodHasParameter_ = CMC_CodeText::hasParameterMark(methodName_);
    if (open < 0)
        return;
    const CXString argumentText = line_.Mid(open + 1, line_.getLength() - 1);
    if (argumentText.getLength() == 0)
        return;
    std::vector<CXString> pieces = CMC_CodeText::splitArguments(argumentText);
    std::erase_if(pieces, [](const CXString& piece) { return piece.getLength() == 0; });
    // Vectors that hold the arguments without growing: a code of many lines keeps one per line.
    const int capacity = vectorCapacityFor(static_cast<int>(pieces.size()));
    values_ = std::make_unique<CXVector>(capacity, 0.75f);
    nestedView_ = std::make_unique<CXVector>(capacity, 0.75f);
    slots_.reserve(pieces.size());
    watched_.reserve(pieces.size());
    for (const CXString& piece : pieces)
        parseArgument(piece);
}

int CMC_Behaviour_Entry::vectorCapacityFor(int count)
{
    // A vector doubles once its count passes three quarters of its capacity.
    return count + count / 3 + 2;
}

void CMC_Behaviour_Entry::parseArgument(const CXString& piece)
{
    Slot slot;
    CMC_ObjectsContainer* owner = container();
    bool parameterMark = CMC_CodeText::hasParameterMark(piece);
    bool lineLike = piece.startsWith("@") || parameterMark || holds(piece, '^');
    if (piece.startsWith("[") && !parameterMark) {
        slot.owned.reset(new CMC_Expression(owner, CMC_CodeText::inner(piece)));
    } else if (lineLike && isQuotedOrPlainCode(piece) && owner != nullptr) {
        CMC_Behaviour* anonymous = makeAnonymousBehaviour(owner, "temp_", codeBetweenBraces(piece));
        slot.anonymous = anonymous;
        slot.owned.reset(new CMC_String(CXString("temp"), anonymous != nullptr ? anonymous->getName() : CXString()));
        slot.anonymousTakesParameters = parameterMark;
    } else if (lineLike && parameterMark) {
        slot.filledText = piece;
        slot.filledAtRun = true;
    } else if (!lineLike && piece.startsWith("&")) {
        CXString name = piece.Right(1);
        CMC_Variable* variable = owner != nullptr ? owner->getVariable(name) : nullptr;
        if (variable != nullptr && !variable->isTemporary()) {
            slot.bound = variable;
            slot.boundName = name;
        } else if (variable != nullptr) {
            // A variable of the current run only: looked up by name at each run, still itself.
            slot.nested = std::make_unique<CMC_Behaviour_Entry>(behaviour_.get(), name);
        } else {
            // No such variable: the callee gets a value of its own that lives with the line.
            slot.owned.reset(ownedLiteral(name));
        }
    } else {
        slot.nested = std::make_unique<CMC_Behaviour_Entry>(behaviour_.get(), piece);
        slot.constant = slot.nested->isConstantLine();
    }
    if (slot.evaluatedAtRun() || slot.anonymousTakesParameters)
        constant_ = false;
    values_->add(slot.evaluatedAtRun() ? nullptr : slot.parseTimeValue(owner));
    watched_.emplace_back();
    nestedView_->add(slot.nested.get());
    slots_.push_back(std::move(slot));
}

// ---- running ----------------------------------------------------------------------------------

CMC_Variable* CMC_Behaviour_Entry::run(CMC_Object* object, CXArray* parameters)
{
    switch (form_) {
    case Form::INERT:
        return nullptr;
    case Form::VALUE:
    case Form::EXPRESSION:
        return runValue(parameters);
    default:
        return runCall(object, parameters);
    }
}

CMC_Variable* CMC_Behaviour_Entry::runForReading(CMC_Object* object, CXArray* parameters)
{
    return isConstantLine() ? constantArgument() : run(object, parameters);
}

CMC_Object* CMC_Behaviour_Entry::findNamed(CMC_ObjectsContainer* container, const CXString& name)
{
    if (container == nullptr)
        return nullptr;
    int bar = name.Find('|');
    if (bar < 0)
        return container->getObject(name);
    CMC_Structure* structure = CMC_Structure::from(container->getObject(name.Left(bar)));
    return structure != nullptr ? structure->getField(name.Right(bar + 1)) : nullptr;
}

CMC_Variable* CMC_Behaviour_Entry::literalCopy(const CXString& text)
{
    return CMC_Variable::resolve(text);
}

CMC_Variable* CMC_Behaviour_Entry::runValue(CXArray* parameters)
{
    if (ownExpression_ != nullptr)
        return ownExpression_.get();
    if (CMC_Object* bound = constantObject_.get())
        return static_cast<CMC_Variable*>(bound);
    CMC_ObjectsContainer* owner = container();
    CMC_Variable* value = nullptr;
    switch (constantLookup_) {
    case ConstantLookup::VARIABLE:
        value = variableNamed(owner);
        break;
    case ConstantLookup::FIELD:
        value = CMC_Variable::from(findNamed(owner, constantName_));
        break;
    case ConstantLookup::FILLED_EXPRESSION:
        return runFilledExpression(CMC_CodeText::fillParams(constantName_, parameters));
    case ConstantLookup::FILLED_NAME: {
        CXString filled = CMC_CodeText::fillParams(constantName_, parameters);
        value = owner != nullptr ? owner->getVariable(filled) : nullptr;
        if (value == nullptr)
            value = literalCopy(filled);
        break;
    }
    }
    if (value == nullptr)
        value = literal_ != nullptr ? CMC_VariableFactory::copyVariable(literal_.get()) : literalCopy(line_);
    return value;
}

bool CMC_Behaviour_Entry::isConstantLine() const
{
    return form_ == Form::VALUE && literal_ != nullptr && constantLookup_ == ConstantLookup::VARIABLE;
}

// The same choice as runValue's, without the copy of the literal.
CMC_Variable* CMC_Behaviour_Entry::constantArgument()
{
    if (CMC_Object* bound = constantObject_.get())
        return static_cast<CMC_Variable*>(bound);
    if (CMC_Variable* named = variableNamed(container()))
        return named;
    // The parsed value is kept for putting it back only once the literal is handed out: most lines
    // of a large script never run.
    if (pristine_ == nullptr)
        pristine_.reset(script::ownedCopy(literal_.get()));
    return literal_.get();
}

void CMC_Behaviour_Entry::restoreConstant()
{
    if (pristine_ != nullptr && !literal_->equals(pristine_.get()))
        literal_->set(pristine_.get());
}

CMC_Variable* CMC_Behaviour_Entry::detachedResult(CMC_Variable* result, const RunFrame& frame)
{
    if (result == nullptr || script::isStopCode(result) || result->getId() != CMC_Variable::kLineConstantId)
        return result;
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].constant && (*frame.watched)[i].get() == result)
            return CMC_VariableFactory::copyVariable(result);
    }
    return result;
}

// The container's variable of the constant name. Most such names are literals (a number, TRUE)
// that never name anything: a miss is remembered until a container files a name again.
CMC_Variable* CMC_Behaviour_Entry::variableNamed(CMC_ObjectsContainer* owner)
{
    if (owner == nullptr || missingSince_ == CMC_ObjectsContainer::namesEpoch())
        return nullptr;
    CMC_Variable* variable = owner->getVariable(constantName_);
    missingSince_ = variable == nullptr ? CMC_ObjectsContainer::namesEpoch() : 0;
    return variable;
}

// A "[...$n...]" line: evaluated now, its result handed over, the expression gone.
CMC_Variable* CMC_Behaviour_Entry::runFilledExpression(const CXString& filled)
{
    CMC_Owned<CMC_Expression> expression(new CMC_Expression(container(), CMC_CodeText::inner(filled)));
    return expression->takeResult();
}

CMC_Variable* CMC_Behaviour_Entry::runCall(CMC_Object* object, CXArray* parameters)
{
    RunFrame frame;
    // A line run again from inside its own call (recursion) must not overwrite the values of the
    // outer run: it gets a vector of its own.
    if (running_ > 0 && values_ != nullptr) {
        frame.ownValues = std::make_unique<CXVector>(vectorCapacityFor(values_->getSize()), 0.75f);
        for (int i = 0; i < values_->getSize(); ++i)
            frame.ownValues->add(static_cast<CXObject*>(nullptr));
        frame.values = frame.ownValues.get();
        frame.ownWatched.resize(slots_.size());
        frame.watched = &frame.ownWatched;
    } else {
        frame.values = values_.get();
        frame.watched = &watched_;
    }
    ++running_;
    refreshBoundValues(frame.values);
    if (!constant_)
        evaluateArguments(frame, object, parameters);

    CMC_Runner* runner = nullptr;
    bool byName = method_ == -1;
    CMC_Object* called = findCalled(object, parameters, runner, byName);
    CMC_Variable* result = nullptr;
    if (called != nullptr && runner != nullptr) {
        CMC_ObjectsContainer* owner = container();
        if (methodHasParameter_) {
            // A method named by a parameter is filled on every line form, not only on late objects.
            result = runner->run(CMC_CodeText::fillParams(methodName_, parameters), called, owner, frame.values);
        } else {
            result = byName ? runner->run(methodName_, called, owner, frame.values) : runner->run(method_, called, owner, frame.values);
        }
    }
    result = detachedResult(result, frame);
    releaseArguments(frame, result);
    --running_;
    return result;
}

void CMC_Behaviour_Entry::refreshBoundValues(CXVector* values)
{
    CMC_ObjectsContainer* owner = container();
    for (size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        if (!slot.evaluatedAtRun())
            values->setAt(static_cast<int>(i), slot.parseTimeValue(owner));
    }
}

void CMC_Behaviour_Entry::evaluateArguments(RunFrame& frame, CMC_Object* object, CXArray* parameters)
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        int index = static_cast<int>(i);
        if (slot.constant && frame.ownValues == nullptr) {
            // A line run again inside its own call passes copies: the outer call holds the literal.
            (*frame.watched)[i].set(slot.nested->constantArgument());
        } else if (slot.nested != nullptr) {
            (*frame.watched)[i].set(script::valueOnly(slot.nested->run(object, parameters)));
        } else if (slot.filledAtRun) {
            CXString filled = CMC_CodeText::fillParams(slot.filledText, parameters);
            (*frame.watched)[i].set(evaluateFilled(frame, index, filled, object, parameters));
        } else if (slot.anonymousTakesParameters) {
            // From the original code on every run, so each run sees its own parameters.
            if (CMC_Behaviour* anonymous = slot.anonymous.get())
                anonymous->setParams(parameters);
        }
    }
    // Only now, when every slot has run, can the values be trusted for the call.
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].evaluatedAtRun())
            frame.values->setAt(static_cast<int>(i), (*frame.watched)[i].get());
    }
}

// An argument that held "$n", read again once filled.
CMC_Variable* CMC_Behaviour_Entry::evaluateFilled(RunFrame& frame, int slot, const CXString& filled, CMC_Object* object,
                                                  CXArray* parameters)
{
    CMC_ObjectsContainer* owner = container();
    if (filled.startsWith("[")) {
        auto* expression = new CMC_Expression(owner, CMC_CodeText::inner(filled));
        frame.made.push_back(RunFrame::Made{slot, expression, CMC_ObjectRef()});
        return expression;
    }
    if (filled.startsWith("@") || holds(filled, '$') || holds(filled, '^')) {
        if (isQuotedOrPlainCode(filled) && owner != nullptr) {
            CMC_Behaviour* anonymous = makeAnonymousBehaviour(owner, "xtemp_", codeBetweenBraces(filled));
            auto* name = new CMC_String(CXString("xtemp"), anonymous != nullptr ? anonymous->getName() : CXString());
            frame.made.push_back(RunFrame::Made{slot, name, CMC_ObjectRef(anonymous)});
            return name;
        }
        CMC_Behaviour_Entry line(behaviour_.get(), filled);
        return script::valueOnly(line.run(object, parameters));
    }
    CMC_Variable* variable = owner != nullptr ? owner->getVariable(filled) : nullptr;
    return variable != nullptr ? variable : literalCopy(filled);
}

void CMC_Behaviour_Entry::releaseArguments(RunFrame& frame, CMC_Variable* result)
{
    CMC_ObjectsContainer* owner = container();
    for (size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        int index = static_cast<int>(i);
        if (!slot.evaluatedAtRun()) {
            // Parse-time values stay; an expression the line owns forgets its last result, unless
            // that very value is what the call gave back.
            CMC_Variable* owned = slot.owned.get();
            if (owned != nullptr && owned->getType() == script::TYPE_EXPRESSION) {
                auto* expression = static_cast<CMC_Expression*>(owned);
                if (expression->getResult() != result)
                    expression->flush();
            }
            continue;
        }
        // Null when the call deleted it.
        CMC_Variable* value = (*frame.watched)[i].get();
        (*frame.watched)[i].reset();
        frame.values->setAt(index, nullptr);
        if (slot.constant && value != nullptr && value->getId() == CMC_Variable::kLineConstantId) {
            slot.nested->restoreConstant();
            continue;
        }
        if (const RunFrame::Made* made = frame.madeFor(index)) {
            CMC_Object* behaviour = made->behaviour.get();
            if (behaviour != nullptr && owner != nullptr && owner->removeObject(behaviour))
                CMC_Object::destroy(behaviour);
            CMC_Object::destroy(made->value);
            continue;
        }
        if (value == nullptr || value == result)
            continue;
        // A clone nobody holds is the line's to delete; one its container holds is not.
        if (value->isClone() && (owner == nullptr || owner->getObject(value->getName()) != value))
            CMC_Object::destroy(value);
        else
            releaseValue(value);
    }
}

CMC_Object* CMC_Behaviour_Entry::findIndirect()
{
    CMC_ObjectsContainer* owner = container();
    if (owner == nullptr)
        return nullptr;
    CMC_Object* source = ownSource_ != nullptr ? ownSource_.get() : indirectSource_.get();
    if (source == nullptr)
        source = owner->getVariable(objectName_);
    if (source == nullptr)
        return nullptr;
    return owner->getObject(getStringValue(source));
}

CMC_Object* CMC_Behaviour_Entry::findCalled(CMC_Object* object, CXArray* parameters, CMC_Runner*& runner, bool& byName)
{
    CMC_ObjectsContainer* owner = container();
    CMC_Object* called = nullptr;
    switch (form_) {
    case Form::STATEMENT:
        called = behaviour_.get();
        runner = runner_ != nullptr ? runner_ : CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
        byName = runner != runner_ || method_ == -1;
        return called;
    case Form::THIS_OBJECT:
        byName = true;
        if (owner != nullptr && owner->getType() == script::TYPE_CLASS) {
            runner = CMC_RunnerFactory::getRunner(script::TYPE_CLASS);
            return owner;
        }
        runner = CMC_RunnerFactory::getRunnerFor(object);
        return object;
    case Form::REFERENCE:
        byName = true;
        called = findIndirect();
        runner = CMC_RunnerFactory::getRunnerFor(called);
        return called;
    default:
        break;
    }
    if (lateObject_) {
        called = findNamed(owner, CMC_CodeText::fillParams(objectName_, parameters));
        runner = CMC_RunnerFactory::getRunnerFor(called);
        return called;
    }
    if (CMC_Object* bound = object_.get()) {
        runner = runner_;
        return bound;
    }
    // Not there at parse time, temporary, or deleted since: by name at every run.
    byName = true;
    called = findNamed(owner, objectName_);
    runner = CMC_RunnerFactory::getRunnerFor(called);
    return called;
}

// ---- values -----------------------------------------------------------------------------------

CXString CMC_Behaviour_Entry::getStringValue(CMC_Object* value)
{
    CMC_Variable* variable = CMC_Variable::from(value);
    if (variable == nullptr)
        return CXString();
    if (variable->getType() == script::TYPE_STRING)
        return static_cast<CMC_String*>(variable)->getValue();
    CMC_Variable* text = variable->convert(script::TYPE_STRING);
    CXString result = text != nullptr && text->getType() == script::TYPE_STRING ? static_cast<CMC_String*>(text)->getValue() : CXString();
    if (text != variable)
        CMC_Object::flush(text);
    return result;
}

void CMC_Behaviour_Entry::releaseValue(CMC_Variable* value)
{
    if (value == nullptr || script::isStopCode(value))
        return;
    CMC_Object::flush(value);
    if (value->getType() == script::TYPE_EXPRESSION) {
        if (auto* expression = script::castUsually<CMC_Expression>(value))
            expression->flush();
    }
}
