#include "script/CMC_Behaviour_Entry.h"

#include "foundation/CXArray.h"
#include "foundation/CXVector.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Cast.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Expression.h"
#include "script/CMC_LineConstant.h"
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

#include <algorithm>

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

CXString withoutClosingSemicolon(const CXString& line)
{
    int length = line.getLength();
    if (line.lastChar() == ';')
        --length;
    return CXString::fromBytes(line.c_str(), length);
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

// One argument. A value known at parse time is owned by the line (an expression, the name of an
// anonymous behaviour, a value of the line's own for a missing &VARIABLE) or is a container's
// variable held weakly (&VARIABLE); a bare name or literal is a constant; anything else is a nested
// line, or a text filled with the run's parameters and read at run time.
struct CMC_Behaviour_Entry::Slot {
    enum class Kind : uint8_t { OWNED, BOUND, CONSTANT, NESTED, FILLED };

    Kind kind = Kind::OWNED;
    bool anonymousTakesParameters = false;
    bool ownedExpression = false;
    CMC_Owned<CMC_Variable> owned;
    CMC_Ref<CMC_Behaviour> anonymous;
    CMC_ObjectRef bound;
    std::unique_ptr<CMC_LineConstant> constant;
    std::unique_ptr<CMC_Behaviour_Entry> nested;
    // The variable's name (BOUND), the text to fill (FILLED) or the name of the anonymous behaviour
    // (OWNED).
    std::unique_ptr<CXString> text;

    bool evaluatedAtRun() const { return kind == Kind::CONSTANT || kind == Kind::NESTED || kind == Kind::FILLED; }
    // Whether the run keeps the slot's value watched: evaluated ones, and variables held weakly,
    // which a later slot may delete.
    bool watchesValue() const { return kind != Kind::OWNED; }

    CMC_Variable* boundValue(CMC_ObjectsContainer* container)
    {
        if (CMC_Object* alive = bound.get())
            return static_cast<CMC_Variable*>(alive);
        if (container == nullptr)
            return nullptr;
        // The variable was replaced or deleted since: take the one that holds the name now.
        CMC_Variable* variable = container->getVariable(*text);
        if (variable != nullptr && !variable->isTemporary())
            bound = variable;
        return variable;
    }
};

// The arguments of a call line: what the runner is given, one value per slot.
struct CMC_Behaviour_Entry::Arguments {
    // What a run hands the runner (one value per slot) and the values it watches. A line keeps one,
    // made by its first run (most lines of a large script never run); a run inside the line's own
    // call gets one of its own.
    struct Storage {
        explicit Storage(size_t count) : values(vectorCapacityFor(static_cast<int>(count)), 0.75f), watched(count)
        {
            for (size_t i = 0; i < count; ++i)
                values.add(static_cast<CXObject*>(nullptr));
        }
        CXVector values;
        std::vector<CMC_WatchedValue> watched;
    };

    // A vector holding `count` values without growing.
    static int vectorCapacityFor(int count)
    {
        // A vector doubles once its count passes three quarters of its capacity.
        return count + count / 3 + 2;
    }

    Storage& ownStorage()
    {
        if (storage == nullptr)
            storage = std::make_unique<Storage>(slots.size());
        return *storage;
    }

    std::vector<Slot> slots;
    // Whether evaluating a slot may run script (which may delete what earlier slots gave).
    bool runsScript = false;
    std::unique_ptr<Storage> storage;
    // The nested lines by slot, made when asked for.
    std::unique_ptr<CXVector> nestedView;
};

// What a value line ([expr], NAME, 12, "text") holds.
struct CMC_Behaviour_Entry::ValueForm {
    // The bare name or literal (any value line without "$").
    std::unique_ptr<CMC_LineConstant> constant;
    // An expression without "$", made once.
    CMC_Owned<CMC_Expression> expression;
    // The text filled with the run's parameters (lines with "$").
    std::unique_ptr<CXString> filled;
};

// The source of an indirect call's object name (*NAME^M, *[expr]^M).
struct CMC_Behaviour_Entry::Indirect {
    CMC_ObjectRef source;
    CMC_Owned<CMC_Expression> expression;
};

// Where one run keeps the argument values: the line's own slots, or for a line run again from
// inside its own call (recursion) storage of its own, so that the outer run keeps its values.
struct CMC_Behaviour_Entry::RunFrame {
    struct Made {
        int slot;
        CMC_Object* value;
        CMC_ObjectRef behaviour;
    };

    RunFrame(Arguments& arguments, bool nested) : slots(arguments.slots), nested(nested)
    {
        Arguments::Storage* storage = &arguments.ownStorage();
        if (nested) {
            own = std::make_unique<Arguments::Storage>(slots.size());
            storage = own.get();
        }
        values = &storage->values;
        watched = storage->watched.data();
    }

    void setValue(int slot, CMC_Variable* value) { values->store(slot, value); }

    const Made* madeFor(int slot) const
    {
        for (const Made& entry : made) {
            if (entry.slot == slot)
                return &entry;
        }
        return nullptr;
    }

    std::vector<Slot>& slots;
    const bool nested;
    std::unique_ptr<Arguments::Storage> own;
    CXVector* values = nullptr;
    CMC_WatchedValue* watched = nullptr;
    std::vector<Made> made;
};

int CMC_Behaviour_Entry::nextAnonymousNumber()
{
    int number = anonymousCounter;
    anonymousCounter = anonymousCounter == 0x7fffffff ? 0 : anonymousCounter + 1;
    return number;
}

// ---- parsing ----------------------------------------------------------------------------------

CMC_Behaviour_Entry::CMC_Behaviour_Entry(CMC_Behaviour* behaviour, const CXString& line)
    : CMC_Behaviour_Entry(behaviour != nullptr ? behaviour->getScene() : nullptr, behaviour, line)
{
}

CMC_Behaviour_Entry::CMC_Behaviour_Entry(CMC_ObjectsContainer* container, CMC_Behaviour* behaviour, const CXString& line)
    : text_(withoutClosingSemicolon(CMC_CodeText::trimmed(line))), behaviour_(behaviour), container_(container)
{
    const CXString parsed = text_.toString();
    CMC_NestingGuard guard(CMC_NestingGuard::PARSING, parsed.c_str());
    if (guard.entered())
        parse(parsed);
}

CMC_Behaviour_Entry::~CMC_Behaviour_Entry()
{
    CMC_ObjectsContainer* owner = container();
    if (arguments_ == nullptr)
        return;
    for (Slot& slot : arguments_->slots) {
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

CXVector* CMC_Behaviour_Entry::getParameters() const
{
    if (arguments_ == nullptr)
        return nullptr;
    if (arguments_->nestedView == nullptr) {
        auto view = std::make_unique<CXVector>(Arguments::vectorCapacityFor(static_cast<int>(arguments_->slots.size())), 0.75f);
        for (const Slot& slot : arguments_->slots)
            view->add(slot.nested.get());
        arguments_->nestedView = std::move(view);
    }
    return arguments_->nestedView.get();
}

void CMC_Behaviour_Entry::parse(const CXString& line)
{
    int open = line.Find('(');
    char first = line.getLength() > 0 ? line.GetAt(0) : '\0';
    if (first == '@')
        parseStatement(line, open);
    else if (first == '*')
        parseReference(line, open);
    else if (line.startsWith("THIS^"))
        parseThis(line, open);
    else if (first == '[')
        parseExpression(line);
    else if (first == '"' || !holds(line, '^'))
        parseValue(line);
    else
        parseCall(line, open);
}

void CMC_Behaviour_Entry::setNames(int objectStart, int objectEnd, int methodStart, int methodEnd)
{
    objectStart_ = objectStart;
    objectEnd_ = std::max(objectStart, objectEnd);
    methodStart_ = methodStart;
    methodEnd_ = std::max(methodStart, methodEnd);
    methodHasParameter_ = CMC_CodeText::hasParameterMark(methodName());
}

CXString CMC_Behaviour_Entry::objectName() const
{
    return text_.part(objectStart_, objectEnd_);
}

CXString CMC_Behaviour_Entry::methodName() const
{
    return text_.part(methodStart_, methodEnd_);
}

const CXString& CMC_Behaviour_Entry::runObjectName()
{
    if (runNames_ == nullptr)
        runNames_.reset(new CXString[2]{objectName(), methodName()});
    return runNames_[0];
}

const CXString& CMC_Behaviour_Entry::runMethodName()
{
    runObjectName();
    return runNames_[1];
}

void CMC_Behaviour_Entry::parseStatement(const CXString& line, int open)
{
    form_ = Form::STATEMENT;
    setNames(0, 0, 1, open < 0 ? line.getLength() : open);
    CMC_Behaviour* behaviour = behaviour_.get();
    object_ = behaviour;
    runner_ = CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
    if (runner_ == nullptr && behaviour != nullptr)
        runner_ = behaviour->getRunner();
    method_ = runner_ != nullptr ? runner_->resolveMethod(methodName()) : -1;
    parseArguments(line, open);
}

// *NAME^M(...) and *[expr]^M(...): the "^" is the first one after the first "]", so that an
// expression may itself hold calls.
void CMC_Behaviour_Entry::parseReference(const CXString& line, int)
{
    form_ = Form::REFERENCE;
    reference_ = true;
    int afterBracket = line.Find(']') + 1;
    int caret = line.Find('^', afterBracket);
    if (caret < 0)
        caret = line.Find('^');
    if (caret < 0)
        caret = line.getLength();
    int open = line.Find('(', caret);
    setNames(1, caret, std::min(caret + 1, line.getLength()), open < 0 ? line.getLength() : open);
    const CXString name = objectName();
    indirect_ = std::make_unique<Indirect>();
    if (name.startsWith("[")) {
        indirect_->expression.reset(new CMC_Expression(container(), CMC_CodeText::inner(name)));
    } else if (CMC_ObjectsContainer* owner = container()) {
        indirect_->source = owner->getObject(name);
    }
    parseArguments(line, open);
}

void CMC_Behaviour_Entry::parseThis(const CXString& line, int open)
{
    form_ = Form::THIS_OBJECT;
    this_ = true;
    setNames(0, 0, 5, open < 0 ? line.getLength() : open);
    parseArguments(line, open);
}

void CMC_Behaviour_Entry::parseExpression(const CXString& line)
{
    form_ = Form::EXPRESSION;
    value_ = std::make_unique<ValueForm>();
    CXString text = CMC_CodeText::inner(line);
    if (CMC_CodeText::hasParameterMark(text)) {
        constantLookup_ = ConstantLookup::FILLED_EXPRESSION;
        value_->filled = std::make_unique<CXString>(CXString("[") + text + "]");
        return;
    }
    value_->expression.reset(new CMC_Expression(container(), text));
}

void CMC_Behaviour_Entry::parseValue(const CXString& line)
{
    form_ = Form::VALUE;
    value_ = std::make_unique<ValueForm>();
    if (CMC_CodeText::hasParameterMark(line)) {
        constantLookup_ = ConstantLookup::FILLED_NAME;
        value_->filled = std::make_unique<CXString>(line);
        return;
    }
    constantLookup_ = holds(line, '|') ? ConstantLookup::FIELD : ConstantLookup::VARIABLE;
    value_->constant = std::make_unique<CMC_LineConstant>(container(), line);
}

void CMC_Behaviour_Entry::parseCall(const CXString& line, int open)
{
    form_ = Form::CALL;
    int caret = line.Find('^');
    setNames(0, caret, caret + 1, open < 0 ? line.getLength() : open);
    const CXString name = objectName();
    if (CMC_CodeText::hasParameterMark(name))
        lateObject_ = true;
    else
        bindObject(findNamed(container(), name));
    parseArguments(line, open);
}

void CMC_Behaviour_Entry::bindObject(CMC_Object* found)
{
    // Temporary objects go when their run ends: such a name is looked up at every run.
    if (found == nullptr || found->isTemporary())
        return;
    object_ = found;
    runner_ = CMC_RunnerFactory::getRunnerFor(found);
    method_ = runner_ != nullptr ? runner_->resolveMethod(methodName()) : -1;
}

void CMC_Behaviour_Entry::parseArguments(const CXString& line, int open)
{
    if (open < 0)
        return;
    const CXString argumentText = line.Mid(open + 1, line.getLength() - 1);
    if (argumentText.getLength() == 0)
        return;
    std::vector<CXString> pieces = CMC_CodeText::splitArguments(argumentText);
    std::erase_if(pieces, [](const CXString& piece) { return piece.getLength() == 0; });
    arguments_ = std::make_unique<Arguments>();
    arguments_->slots.reserve(pieces.size());
    for (const CXString& piece : pieces)
        parseArgument(piece);
}

void CMC_Behaviour_Entry::parseArgument(const CXString& piece)
{
    Slot slot;
    CMC_ObjectsContainer* owner = container();
    bool parameterMark = CMC_CodeText::hasParameterMark(piece);
    bool lineLike = piece.startsWith("@") || parameterMark || holds(piece, '^');
    if (piece.startsWith("[") && !parameterMark) {
        slot.owned.reset(new CMC_Expression(owner, CMC_CodeText::inner(piece)));
        slot.ownedExpression = true;
    } else if (lineLike && isQuotedOrPlainCode(piece) && owner != nullptr) {
        CMC_Behaviour* anonymous = makeAnonymousBehaviour(owner, "temp_", codeBetweenBraces(piece));
        slot.anonymous = anonymous;
        // The STRING passing the name is made by the first run.
        slot.text = std::make_unique<CXString>(anonymous != nullptr ? anonymous->getName() : CXString());
        slot.anonymousTakesParameters = parameterMark;
    } else if (lineLike && parameterMark) {
        slot.kind = Slot::Kind::FILLED;
        slot.text = std::make_unique<CXString>(piece);
    } else if (!lineLike && piece.startsWith("&")) {
        CXString name = piece.Right(1);
        CMC_Variable* variable = owner != nullptr ? owner->getVariable(name) : nullptr;
        if (variable != nullptr && !variable->isTemporary()) {
            slot.kind = Slot::Kind::BOUND;
            slot.bound = variable;
            slot.text = std::make_unique<CXString>(name);
        } else if (variable != nullptr) {
            // A variable of the current run only: looked up by name at each run, still itself.
            slot.kind = Slot::Kind::NESTED;
            slot.nested = std::make_unique<CMC_Behaviour_Entry>(owner, behaviour_.get(), name);
        } else {
            // No such variable: the callee gets a value of its own that lives with the line.
            slot.owned.reset(ownedLiteral(name));
        }
    } else {
        auto line = std::make_unique<CMC_Behaviour_Entry>(owner, behaviour_.get(), piece);
        if (auto constant = line->takeConstant()) {
            // A bare name or literal is passed through its constant: no line of its own is kept.
            slot.kind = Slot::Kind::CONSTANT;
            slot.constant = std::move(constant);
        } else {
            slot.kind = Slot::Kind::NESTED;
            slot.nested = std::move(line);
        }
    }
    if (slot.evaluatedAtRun() || slot.anonymousTakesParameters)
        constant_ = false;
    if (slot.kind == Slot::Kind::NESTED || slot.kind == Slot::Kind::FILLED || slot.anonymousTakesParameters)
        arguments_->runsScript = true;
    arguments_->slots.push_back(std::move(slot));
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
        return runCall(object, parameters, true);
    }
}

CMC_Variable* CMC_Behaviour_Entry::runForEffect(CMC_Object* object, CXArray* parameters)
{
    const bool callForm = form_ != Form::INERT && form_ != Form::VALUE && form_ != Form::EXPRESSION;
    CMC_Variable* result = callForm ? runCall(object, parameters, false) : run(object, parameters);
    if (script::isStopCode(result))
        return result;
    releaseValue(result);
    return nullptr;
}

CMC_Variable* CMC_Behaviour_Entry::runForReading(CMC_Object* object, CXArray* parameters)
{
    return isConstantLine() ? value_->constant->get(container()) : run(object, parameters);
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
    ValueForm& form = *value_;
    if (form.expression != nullptr)
        return form.expression.get();
    CMC_ObjectsContainer* owner = container();
    switch (constantLookup_) {
    case ConstantLookup::VARIABLE:
        return form.constant->getCopy(owner);
    case ConstantLookup::FIELD: {
        if (CMC_Variable* bound = form.constant->bound())
            return bound;
        CMC_Variable* field = CMC_Variable::from(findNamed(owner, form.constant->name()));
        return field != nullptr ? field : CMC_VariableFactory::copyVariable(form.constant->literal());
    }
    case ConstantLookup::FILLED_EXPRESSION:
        return runFilledExpression(CMC_CodeText::fillParams(*form.filled, parameters));
    case ConstantLookup::FILLED_NAME: {
        CXString filled = CMC_CodeText::fillParams(*form.filled, parameters);
        CMC_Variable* value = owner != nullptr ? owner->getVariable(filled) : nullptr;
        return value != nullptr ? value : literalCopy(filled);
    }
    }
    return nullptr;
}

std::unique_ptr<CMC_LineConstant> CMC_Behaviour_Entry::takeConstant()
{
    if (!isConstantLine())
        return nullptr;
    form_ = Form::INERT;
    return std::move(value_->constant);
}

bool CMC_Behaviour_Entry::isConstantLine() const
{
    return form_ == Form::VALUE && constantLookup_ == ConstantLookup::VARIABLE;
}

CMC_Variable* CMC_Behaviour_Entry::detachedResult(CMC_Variable* result, const RunFrame& frame)
{
    if (result == nullptr || script::isStopCode(result) || result->getId() != CMC_Variable::kLineConstantId)
        return result;
    for (size_t i = 0; i < frame.slots.size(); ++i) {
        const Slot& slot = frame.slots[i];
        if (slot.kind == Slot::Kind::CONSTANT && frame.watched[i].get() == result)
            return CMC_VariableFactory::copyVariable(result);
    }
    return result;
}

// A "[...$n...]" line: evaluated now, its result handed over, the expression gone.
CMC_Variable* CMC_Behaviour_Entry::runFilledExpression(const CXString& filled)
{
    CMC_Owned<CMC_Expression> expression(new CMC_Expression(container(), CMC_CodeText::inner(filled)));
    return expression->takeResult();
}

CMC_Variable* CMC_Behaviour_Entry::runCall(CMC_Object* object, CXArray* parameters, bool valueRead)
{
    if (arguments_ == nullptr)
        return call(object, parameters, nullptr, valueRead);
    // A line run again from inside its own call (recursion) must not overwrite the values of the
    // outer run: it gets storage of its own.
    RunFrame frame(*arguments_, running_ > 0);
    ++running_;
    evaluateArguments(frame, object, parameters);
    CMC_Variable* result = detachedResult(call(object, parameters, frame.values, valueRead), frame);
    releaseArguments(frame, result);
    --running_;
    return result;
}

CMC_Variable* CMC_Behaviour_Entry::call(CMC_Object* object, CXArray* parameters, CXVector* values, bool valueRead)
{
    CMC_Runner* runner = nullptr;
    bool byName = method_ == -1;
    CMC_Object* called = findCalled(object, parameters, runner, byName);
    if (called == nullptr || runner == nullptr)
        return nullptr;
    CMC_ObjectsContainer* owner = container();
    // A method named by a parameter is filled on every line form, not only on late objects.
    if (methodHasParameter_)
        return runner->run(CMC_CodeText::fillParams(runMethodName(), parameters), called, owner, values);
    if (byName)
        return runner->run(runMethodName(), called, owner, values);
    return valueRead ? runner->run(method_, called, owner, values) : runner->runForEffect(method_, called, owner, values);
}

void CMC_Behaviour_Entry::evaluateArguments(RunFrame& frame, CMC_Object* object, CXArray* parameters)
{
    CMC_ObjectsContainer* owner = container();
    // Slots that run script may delete the values of earlier slots: those are read once all have run.
    const bool deferred = arguments_->runsScript;
    CMC_WatchedValue* watched = frame.watched;
    int index = 0;
    for (Slot& slot : frame.slots) {
        CMC_WatchedValue& value = watched[index];
        switch (slot.kind) {
        case Slot::Kind::OWNED:
            if (slot.owned == nullptr && slot.text != nullptr)
                slot.owned.reset(new CMC_String(CXString("temp"), *slot.text));
            frame.setValue(index, slot.owned.get());
            if (slot.anonymousTakesParameters) {
                // From the original code on every run, so each run sees its own parameters.
                if (CMC_Behaviour* anonymous = slot.anonymous.get())
                    anonymous->setParams(parameters);
            }
            ++index;
            continue;
        case Slot::Kind::BOUND:
            value.set(slot.boundValue(owner));
            break;
        case Slot::Kind::CONSTANT:
            // A line run again inside its own call passes copies: the outer call holds the literal.
            value.set(frame.nested ? slot.constant->getCopy(owner) : slot.constant->get(owner));
            break;
        case Slot::Kind::NESTED:
            value.set(script::valueOnly(slot.nested->run(object, parameters)));
            break;
        case Slot::Kind::FILLED:
            value.set(evaluateFilled(frame, index, CMC_CodeText::fillParams(*slot.text, parameters), object, parameters));
            break;
        }
        if (!deferred)
            frame.setValue(index, value.get());
        ++index;
    }
    if (!deferred)
        return;
    // Only now, when every slot has run, can the values be trusted for the call.
    index = 0;
    for (const Slot& slot : frame.slots) {
        if (slot.watchesValue())
            frame.setValue(index, watched[index].get());
        ++index;
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
        CMC_Behaviour_Entry line(owner, behaviour_.get(), filled);
        return script::valueOnly(line.run(object, parameters));
    }
    CMC_Variable* variable = owner != nullptr ? owner->getVariable(filled) : nullptr;
    return variable != nullptr ? variable : literalCopy(filled);
}

void CMC_Behaviour_Entry::releaseArguments(RunFrame& frame, CMC_Variable* result)
{
    CMC_WatchedValue* watched = frame.watched;
    int index = 0;
    for (Slot& slot : frame.slots) {
        switch (slot.kind) {
        case Slot::Kind::OWNED:
            // Parse-time values stay; an expression the line owns forgets its last result, unless
            // that very value is what the call gave back.
            if (slot.ownedExpression) {
                auto* expression = static_cast<CMC_Expression*>(slot.owned.get());
                if (expression->getResult() != result)
                    expression->flush();
            }
            break;
        case Slot::Kind::BOUND:
            // The container's variable stays as it is.
            watched[index].reset();
            break;
        case Slot::Kind::CONSTANT: {
            CMC_Variable* value = watched[index].get();
            const bool literal = slot.constant->isLiteral(value);
            if (literal || isPlainDeclared(value)) {
                // Nothing to give back: the literal only takes back its parsed value.
                watched[index].reset();
                frame.setValue(index, nullptr);
                if (literal)
                    slot.constant->restore();
                break;
            }
            releaseRunValue(frame, index, result);
            break;
        }
        default:
            releaseRunValue(frame, index, result);
            break;
        }
        ++index;
    }
}

// A container's INTEGER, STRING, BOOL or DOUBLE that is not a clone: what releaseRunValue leaves
// as it is.
bool CMC_Behaviour_Entry::isPlainDeclared(const CMC_Variable* value)
{
    return value != nullptr && value->getId() < 0 && script::isPlainValueType(value->getType()) && !value->isClone();
}

// A value a slot got at run time, once the call is done with it.
void CMC_Behaviour_Entry::releaseRunValue(RunFrame& frame, int index, CMC_Variable* result)
{
    CMC_ObjectsContainer* owner = container();
    // Null when the call deleted it.
    CMC_Variable* value = frame.watched[index].get();
    frame.watched[index].reset();
    frame.setValue(index, nullptr);
    if (const RunFrame::Made* made = frame.madeFor(index)) {
        CMC_Object* behaviour = made->behaviour.get();
        if (behaviour != nullptr && owner != nullptr && owner->removeObject(behaviour))
            CMC_Object::destroy(behaviour);
        CMC_Object::destroy(made->value);
        return;
    }
    if (value == nullptr || value == result)
        return;
    // A clone nobody holds is the line's to delete; one its container holds is not.
    if (value->isClone() && (owner == nullptr || owner->getObject(value->getName()) != value))
        CMC_Object::destroy(value);
    else
        releaseValue(value);
}

CMC_Object* CMC_Behaviour_Entry::findIndirect()
{
    CMC_ObjectsContainer* owner = container();
    if (owner == nullptr)
        return nullptr;
    CMC_Object* source = indirect_->expression != nullptr ? indirect_->expression.get() : indirect_->source.get();
    if (source == nullptr)
        source = owner->getVariable(runObjectName());
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
        called = findNamed(owner, CMC_CodeText::fillParams(runObjectName(), parameters));
        runner = CMC_RunnerFactory::getRunnerFor(called);
        return called;
    }
    if (CMC_Object* bound = object_.get()) {
        runner = runner_;
        return bound;
    }
    // Not there at parse time, temporary, or deleted since: by name at every run.
    byName = true;
    called = findNamed(owner, runObjectName());
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
