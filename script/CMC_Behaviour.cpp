#include "script/CMC_Behaviour.h"

#include "foundation/CMElement.h"
#include "foundation/CXArray.h"
#include "foundation/CXTimer.h"
#include "foundation/CXVector.h"
#include "script/CMC_BasicCondition.h"
#include "script/CMC_Behaviour_Entry.h"
#include "script/CMC_Cast.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Condition.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Structure.h"
#include "script/CMC_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CWindowServices.h"

#include <unordered_set>

namespace {

// Run-time expressions of single-line runs until the next engine turn. The set keeps adding
// cheap when a loop makes thousands of them in one turn.
struct Trash {
    CXVector list{101, 0.75f};
    std::unordered_set<CMC_Object*> members;
};
Trash* globalTrash = nullptr;
// Deleting may run script (ONDONE) that trashes more; a few rounds, then the rest waits.
constexpr int kMaxFlushRounds = 8;

// Code written in braces is kept without them.
CXString withoutOuterBraces(const CXString& code)
{
    CXString text = CMC_CodeText::trimmed(code);
    if (text.startsWith("{"))
        text = text.Right(1);
    if (text.lastChar() == '}')
        text = text.Left(text.getLength() - 1);
    return CMC_CodeText::trimmed(text);
}

} // namespace

CMC_Behaviour::CMC_Behaviour(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_BEHAVIOUR)
{
    if (element != nullptr) {
        CXString code = element->getPropertyValue("CODE");
        setCode(code.getLength() > 0 ? withoutOuterBraces(code) : code);
        CXString condition = element->getPropertyValue("CONDITION");
        if (condition.getLength() > 0)
            conditionName_ = std::make_unique<CXString>(condition);
    }
    initializeBehaviours(container, element);
}

CMC_Behaviour::CMC_Behaviour(CMC_ObjectsContainer* container, const CXString& name, const CXString& code)
    : CMC_Object(name, script::TYPE_BEHAVIOUR)
{
    setScene(container);
    setCode(withoutOuterBraces(code));
}

CMC_Behaviour::CMC_Behaviour(CMC_ObjectsContainer* container) : CMC_Object(CXString(), script::TYPE_BEHAVIOUR)
{
    setScene(container);
}

CMC_Behaviour::~CMC_Behaviour()
{
    beginDestruction();
    discardLines(false);
    stopTimer();
    flushTempObjects();
}

void CMC_Behaviour::setCode(const CXString& code)
{
    code_ = code;
    originalCode_.reset();
}

// ---- lines ------------------------------------------------------------------------------------

void CMC_Behaviour::init()
{
    CMC_ObjectRef self(this);
    CMC_Object::init();
    if (!self.isAlive())
        return;
    if (code_.startsWith("{"))
        setCode(CMC_CodeText::inner(code_));
    parseLines();
}

void CMC_Behaviour::parseLines()
{
    discardLines(false);
    if (code_.getLength() == 0)
        return;
    auto lines = CMC_Shared<LineList>::make(CMC_Behaviour_Entry::getCodeLines(this, code_));
    if (!lines->empty())
        lines_ = std::move(lines);
}

void CMC_Behaviour::discardLines(bool wholeContainer)
{
    lineView_.clear();
    if (!lines_)
        return;
    for (const auto& line : *lines_)
        line->releaseTempBeh(!wholeContainer);
    // Runs under way keep their share; the lines go when the last of them has finished.
    lines_.reset();
}

bool CMC_Behaviour::done(bool wholeContainer)
{
    discardLines(wholeContainer);
    return CMC_Object::done(wholeContainer);
}

void CMC_Behaviour::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
}

CMC_Behaviour_Entry** CMC_Behaviour::getLines()
{
    if (!lines_)
        return nullptr;
    if (lineView_.empty()) {
        for (const auto& line : *lines_)
            lineView_.push_back(line.get());
        lineView_.push_back(nullptr);
    }
    return lineView_.data();
}

int CMC_Behaviour::getLineCount() const
{
    return lines_ ? static_cast<int>(lines_->size()) : 0;
}

void CMC_Behaviour::setParams(CXArray* parameters)
{
    CXString filled = CMC_CodeText::fillParams(originalCode_ != nullptr ? *originalCode_ : code_, parameters);
    if (filled == code_ && lines_)
        return;
    if (originalCode_ == nullptr)
        originalCode_ = std::make_unique<CXString>(code_);
    code_ = filled;
    parseLines();
}

// ---- running ----------------------------------------------------------------------------------

void CMC_Behaviour::resolveCondition()
{
    CMC_ObjectsContainer* container = getScene();
    if (conditionName_ != nullptr && container != nullptr)
        condition_ = container->getObject(*conditionName_);
}

bool CMC_Behaviour::conditionHolds()
{
    auto* condition = script::castUsually<CMC_BasicCondition, CMC_Condition>(condition_.get());
    return condition == nullptr || condition->valid(true);
}

bool CMC_Behaviour::run(CMC_Object* object, CXArray* parameters, bool checkCondition)
{
    if (!enabled_ || !lines_)
        return false;
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "behaviour");
    if (!guard.entered())
        return false;
    CMC_ObjectRef self(this);
    if (checkCondition && !conditionHolds())
        return false;
    if (!self.isAlive() || !lines_)
        return false;

    // The lines may be replaced or this behaviour deleted by what they call: keep them for the run.
    CMC_Shared<LineList> lines = lines_;
    CMC_ObjectRef owner(object);
    int stop = 0;
    for (const auto& line : *lines) {
        stop = script::stopCodeOf(line->runForEffect(owner.get(), parameters));
        if (stop != 0 || !self.isAlive() || CMC_NestingGuard::unwinding())
            break;
    }
    if (self.isAlive())
        flushTempObjects();
    return stop == script::STOP_BREAK;
}

void CMC_Behaviour::addTempObject(CMC_Object* object)
{
    if (object != nullptr)
        tempObjects_.emplace_back(object);
}

void CMC_Behaviour::flushTempObjects()
{
    if (tempObjects_.empty())
        return;
    std::vector<CMC_ObjectRef> objects;
    objects.swap(tempObjects_);
    CMC_ObjectsContainer* container = getScene();
    for (const CMC_ObjectRef& object : objects) {
        CMC_Object* alive = object.get();
        if (alive == nullptr)
            continue;
        if (container != nullptr)
            container->removeObject(alive);
        CMC_Object::destroy(alive);
    }
}

// ---- timer-driven runs ------------------------------------------------------------------------

void CMC_Behaviour::runOnTimer(int period, int count, CXArray* parameters, CMC_Behaviour* followUp)
{
    stopTimer();
    tickLimit_ = count;
    tickCounter_ = 0;
    timerArguments_ = std::shared_ptr<CXArray>(parameters != nullptr ? parameters : new CXArray(1, 0.75f), CXString::releaseToVector);
    if (timerArguments_->getSize() == 0)
        timerArguments_->add(new CXString("0"));
    followUp_ = followUp;
    CWindow* window = CMC_ObjectsContainer::windowOf(getScene());
    timers_ = CWindowServices::timersOf(window);
    if (timers_ != nullptr) {
        timerId_ = timers_->newId();
        timers_->add(timerId_, static_cast<unsigned>(period > 0 ? period : 0), static_cast<CTimerNotificator*>(this));
    }
    // The trash deletes it once the run has ended; the container may delete it before that.
    if (!handedToTrash_)
        handedToTrash_ = CWindowServices::toPublicTrash(window, this);
}

void CMC_Behaviour::onTimer(int id)
{
    if (id != timerId_ || timerId_ == 0)
        return;
    CMC_ObjectRef self(this);
    // _break or a new runOnTimer during the run must not take the texts from under it.
    std::shared_ptr<CXArray> arguments = timerArguments_;
    tickCounter_ = tickCounter_ == 0x7fffffff ? 1 : tickCounter_ + 1;
    if (CXString* pass = arguments->stringAt(0))
        *pass = tickCounter_;
    bool ended = run(this, arguments.get(), false);
    if (!self.isAlive() || id != timerId_)
        return;
    if (ended || (tickLimit_ > 0 && tickCounter_ >= tickLimit_))
        endTimerRun(arguments);
}

void CMC_Behaviour::endTimerRun(std::shared_ptr<CXArray> arguments)
{
    stopTimer();
    CMC_ObjectRef self(this);
    if (auto* followUp = dynamic_cast<CMC_Behaviour*>(followUp_.get())) {
        CMC_ObjectRef follow(followUp);
        followUp->run(this, arguments.get(), true);
        CMC_ObjectsContainer* container = self.isAlive() ? getScene() : nullptr;
        if (follow.isAlive() && followUp->getName() == "temp") {
            if (container != nullptr)
                container->removeObject(followUp);
            CMC_Object::destroy(followUp);
        }
    }
    if (!self.isAlive())
        return;
    _break();
}

void CMC_Behaviour::_break()
{
    stopTimer();
    followUp_.reset();
    setToDelete();
    if (CMC_ObjectsContainer* container = getScene())
        container->removeObject(this);
    timerArguments_.reset();
}

void CMC_Behaviour::stopTimer()
{
    if (timers_ != nullptr && timerId_ != 0)
        timers_->remove(timerId_);
    timerId_ = 0;
}

// ---- the trash --------------------------------------------------------------------------------

void CMC_Behaviour::initTrash()
{
    if (globalTrash == nullptr)
        globalTrash = new Trash();
}

void CMC_Behaviour::doneTrash()
{
    flushTrash();
    if (globalTrash == nullptr)
        return;
    for (int i = 0; i < globalTrash->list.getSize(); ++i)
        CMC_Object::destroySilently(static_cast<CMC_Object*>(globalTrash->list.at(i)));
    delete globalTrash;
    globalTrash = nullptr;
}

void CMC_Behaviour::addToTrash(CMC_Object* object)
{
    if (object == nullptr)
        return;
    initTrash();
    if (globalTrash->members.insert(object).second)
        globalTrash->list.add(object);
}

void CMC_Behaviour::flushTrash()
{
    for (int round = 0; round < kMaxFlushRounds && globalTrash != nullptr && !globalTrash->list.isEmpty(); ++round) {
        std::vector<CMC_Object*> objects;
        for (int i = 0; i < globalTrash->list.getSize(); ++i)
            objects.push_back(static_cast<CMC_Object*>(globalTrash->list.at(i)));
        globalTrash->list.removeAll();
        globalTrash->members.clear();
        for (CMC_Object* object : objects)
            CMC_Object::destroy(object);
    }
}

int CMC_Behaviour::trashSize()
{
    return globalTrash != nullptr ? globalTrash->list.getSize() : 0;
}

// ---- single lines -----------------------------------------------------------------------------

CMC_Variable* CMC_Behaviour::runLine(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& line,
                                     CMC_Behaviour* behaviour)
{
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, line.c_str());
    if (!guard.entered())
        return nullptr;
    int open = line.Find('(');
    CXString head = open < 0 ? line : line.Left(open);
    CMC_Object* target = nullptr;
    CMC_Runner* runner = nullptr;
    CXString method;
    if (line.startsWith("@")) {
        target = behaviour;
        runner = CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
        method = head.Right(1);
    } else if (line.startsWith("*")) {
        auto* source = dynamic_cast<CMC_Variable*>(resolveObject(container, object, head.Right(1), &method, behaviour));
        if (source == nullptr || container == nullptr)
            return nullptr;
        target = container->getObject(CMC_Behaviour_Entry::getStringValue(source));
        runner = CMC_RunnerFactory::getRunnerFor(target);
    } else {
        target = resolveObject(container, object, head, &method, behaviour);
        if (target != nullptr) {
            runner = CMC_RunnerFactory::getRunnerFor(target);
        } else {
            // A statement's name without "@" runs the statement.
            target = behaviour;
            runner = CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
            method = head;
        }
    }
    if (runner == nullptr)
        return nullptr;

    CXString argumentText = open < 0 ? CXString() : CMC_CodeText::trimmed(line.Right(open + 1));
    if (argumentText.startsWith("("))
        argumentText = argumentText.Right(1);
    if (argumentText.lastChar() == ')')
        argumentText = argumentText.Left(argumentText.getLength() - 1);
    CXVector* arguments = resolveParameters(container, object, CMC_CodeText::trimmed(argumentText), behaviour);
    CMC_Variable* result = nullptr;
    if (method.startsWith("#") && method.getLength() >= 2)
        result = runner->run(method.GetAt(1) & 0x7f, target, container, arguments);
    else
        result = runner->run(method, target, container, arguments);
    for (int i = 0; arguments != nullptr && i < arguments->getSize(); ++i) {
        auto* argument = static_cast<CMC_Variable*>(arguments->at(i));
        if (argument != result)
            CMC_Behaviour_Entry::releaseValue(argument);
    }
    delete arguments;
    return result;
}

CMC_Object* CMC_Behaviour::resolveObject(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                         CXString* method, CMC_Behaviour* behaviour)
{
    int caret = text.Find('^');
    CXString name = caret < 0 ? CXString() : text.Left(caret);
    if (method != nullptr)
        *method = text.Right(text.FindLast('^') + 1);
    if (name == "THIS")
        return object;
    if (container == nullptr)
        return nullptr;
    if (name.startsWith("#"))
        return name.getLength() >= 3 ? container->getObject(static_cast<int>(name.GetAt(2) & 0x7f)) : nullptr;
    if (name.startsWith("*")) {
        CMC_Variable* value = resolveParameter(container, object, name.Right(1), behaviour);
        CXString named = CMC_Behaviour_Entry::getStringValue(value);
        CMC_Behaviour_Entry::releaseValue(value);
        return container->getObject(named);
    }
    return container->getObject(name);
}

CXVector* CMC_Behaviour::resolveParameters(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                           CMC_Behaviour* behaviour)
{
    if (text.getLength() == 0)
        return nullptr;
    auto* values = new CXVector(101, 0.75f);
    for (const CXString& piece : CMC_CodeText::splitArguments(text)) {
        if (piece.getLength() == 0)
            continue;
        if (CMC_Variable* value = resolveParameter(container, object, piece, behaviour))
            values->add(value);
    }
    return values;
}

CMC_Variable* CMC_Behaviour::resolveParameter(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                              CMC_Behaviour* behaviour)
{
    CXString argument = CMC_CodeText::trimmed(text);
    if (argument.startsWith("[")) {
        auto* expression = new CMC_Expression(container, CMC_CodeText::trimmed(CMC_CodeText::inner(argument)));
        addToTrash(expression);
        return expression;
    }
    if (argument.startsWith("CONV"))
        return script::valueOnly(runLine(container, object, CXString("@") + argument, behaviour));
    if (argument.Find('^') >= 0 && !argument.startsWith("\""))
        return script::valueOnly(runLine(container, object, argument, behaviour));
    char first = argument.getLength() > 0 ? argument.GetAt(0) : '\0';
    bool numeric = first == '-' || (first >= '0' && first <= '9');
    if (!numeric && argument.getLength() > 0 && container != nullptr) {
        int bar = argument.Find('|');
        if (bar >= 0) {
            CMC_Structure* structure = CMC_Structure::from(container->getObject(argument.Left(bar)));
            return structure != nullptr ? structure->getField(argument.Right(bar + 1)) : nullptr;
        }
        CMC_Object* named = container->getObject(argument);
        if (named != nullptr && script::isPlainValueType(named->getType()))
            return static_cast<CMC_Variable*>(named);
    }
    return CMC_Variable::resolve(argument);
}
