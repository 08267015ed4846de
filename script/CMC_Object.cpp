#include "script/CMC_Object.h"

#include "foundation/CXArray.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Class.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_HandlerTable.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_TypeWords.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/CRunnableBehaviour.h"

#include <algorithm>

namespace {

constexpr int kSignalOnInit = 0;
constexpr int kSignalOnDone = 1;
// Signals raised from inside handlers nest; a script whose handlers raise each other without end
// stops here instead of exhausting the stack.
constexpr int kMaxSignalNesting = 100;
// CLONE takes its count from scripts; beyond this many copies a call makes no more.
constexpr int kMaxClonesPerCall = 65536;

int signalNesting = 0;

} // namespace

CMC_Object::CMC_Object(const CXString& name, int type) : name_(name), type_(type)
{
}

CMC_Object::~CMC_Object()
{
    beginDestruction();
}

int CMC_Object::getTypeId(const CXString& word)
{
    return script::typeIdOfWord(word);
}

CXString CMC_Object::typeToString(int type)
{
    return script::textOfTypeId(type);
}

CXString CMC_Object::toString() const
{
    return name_;
}

// ---- lifetime --------------------------------------------------------------------------------

void CMC_Object::makeLifeToken() const
{
    life_ = CMC_ObjectRef::makeToken(destroying_ ? nullptr : const_cast<CMC_Object*>(this));
}

void CMC_Object::beginDestruction()
{
    if (destroying_)
        return;
    destroying_ = true;
    deleting_ = true;
    std::vector<CMC_ObjectRef> holders;
    holders.swap(holders_);
    for (const CMC_ObjectRef& holder : holders) {
        if (auto* container = static_cast<CMC_ObjectsContainer*>(holder.get()))
            container->removeObject(this);
    }
    life_.endLife();
    if (!silentDestruction_ && isSignalHandled(kSignalOnDone))
        raise("ONDONE", nullptr, false);
}

void CMC_Object::destroy(CMC_Object* object)
{
    if (object == nullptr || object->deleting_)
        return;
    object->deleting_ = true;
    object->beginDestruction();
    delete object;
}

void CMC_Object::destroySilently(CMC_Object* object)
{
    if (object == nullptr)
        return;
    object->silentDestruction_ = true;
    destroy(object);
}

void CMC_Object::noteHeldBy(CMC_ObjectsContainer* container)
{
    for (const CMC_ObjectRef& holder : holders_) {
        if (holder.refersTo(container))
            return;
    }
    holders_.push_back(CMC_ObjectRef(container));
}

void CMC_Object::noteReleasedBy(CMC_ObjectsContainer* container)
{
    std::erase_if(holders_, [container](const CMC_ObjectRef& holder) { return !holder.isAlive() || holder.refersTo(container); });
}

// ---- object base ------------------------------------------------------------------------------

void CMC_Object::init()
{
    if (isSignalHandled(kSignalOnInit))
        onSignal("ONINIT");
}

bool CMC_Object::doneFirst()
{
    return false;
}

bool CMC_Object::done(bool)
{
    if (isSignalHandled(kSignalOnDone))
        onSignal("ONDONE");
    return true;
}

void CMC_Object::setScene(CMC_ObjectsContainer* scene)
{
    scene_ = scene;
}

CMC_ObjectsContainer* CMC_Object::getScene()
{
    return scene_.get();
}

int CMC_Object::getClonesNo()
{
    return cloneCounter_;
}

int CMC_Object::getCloneIdx()
{
    int position = name_.FindLast('_');
    if (position <= 0 || position == name_.getLength() - 1)
        return 0;
    return name_.Right(position + 1).toNumber();
}

CXString CMC_Object::getCloneName()
{
    cloneCounter_ = cloneCounter_ == 0x7fffffff ? 1 : cloneCounter_ + 1;
    CXString cloneName = name_;
    cloneName += "_";
    cloneName += cloneCounter_;
    return cloneName;
}

void CMC_Object::clone(CMC_Object* copy)
{
    if (copy == nullptr || copy == this)
        return;
    copy->markAsClone();
    CMC_ObjectsContainer* scene = getScene();
    copy->setScene(scene);
    copy->setName(getCloneName());
    copy->signalList_ = signalList_;
    if (!handledFlags_.empty())
        copy->handledFlags_ = handledFlags_;
    if (handlers_ != nullptr && !handlers_->isEmpty()) {
        copy->handlers_.reset(handlers_->copyExcept("ONINIT"));
        if (copy->handlers_ != nullptr) {
            for (const CXString& key : copy->handlers_->keys())
                copy->verifyBehaviour(key);
        }
    }
    if (scene != nullptr)
        scene->addObject(copy);
    else
        destroy(copy);
}

void CMC_Object::clone(int count)
{
    if (count > kMaxClonesPerCall)
        count = kMaxClonesPerCall;
    CMC_ObjectRef self(this);
    for (int i = 0; i < count && self.isAlive(); ++i) {
        CXObject* copy = clone();
        if (copy == nullptr)
            return;
        auto* scriptCopy = dynamic_cast<CMC_Object*>(copy);
        if (scriptCopy == nullptr) {
            delete copy;
            return;
        }
        clone(scriptCopy);
    }
}

void CMC_Object::resetClones()
{
    cloneCounter_ = 0;
}

void CMC_Object::flush()
{
}

CMC_Runner* CMC_Object::getRunner()
{
    return nullptr;
}

CMC_Class* CMC_Object::getClass()
{
    return class_.get();
}

void CMC_Object::setClass(CMC_Class* scriptClass)
{
    class_ = scriptClass;
}

void CMC_Object::flush(CMC_Variable* value, bool)
{
    // A behaviour line's stop code may arrive where a value was expected: it holds nothing.
    if (value != nullptr && !script::isStopCode(value) && value->getId() >= 0)
        CMC_VariableFactory::free(value);
}

// ---- signal list and flags --------------------------------------------------------------------

CXString** CMC_Object::getBehavioursList()
{
    return nullptr;
}

CXString** CMC_Object::makeSignalList(std::initializer_list<const char*> names)
{
    return makeSignalList(names.begin(), names.size());
}

CXString** CMC_Object::makeSignalList(const char* const* names, size_t count)
{
    auto** list = new CXString*[count + 1];
    for (size_t i = 0; i < count; ++i)
        list[i] = new CXString(names[i]);
    list[count] = nullptr;
    return list;
}

void CMC_Object::freeSignalList(CXString** list)
{
    if (list == nullptr)
        return;
    for (CXString** name = list; *name != nullptr; ++name)
        delete *name;
    delete[] list;
}

bool CMC_Object::ensureSignalList()
{
    if (signalList_ == nullptr) {
        CXString** list = getBehavioursList();
        if (list == nullptr)
            return false;
        signalList_ = SignalList(list, freeSignalList);
    }
    if (handledFlags_.empty())
        handledFlags_.assign(static_cast<size_t>(listedSignalCount()), 0);
    return true;
}

int CMC_Object::listedSignalCount() const
{
    int count = 0;
    if (signalList_ != nullptr) {
        while (signalList_.get()[count] != nullptr)
            ++count;
    }
    return count;
}

void CMC_Object::flushBehList()
{
    signalList_.reset();
    handledFlags_.clear();
}

void CMC_Object::setFlag(int index)
{
    if (index >= 0 && index < static_cast<int>(handledFlags_.size()))
        handledFlags_[static_cast<size_t>(index)] = 1;
}

int CMC_Object::getBehaviourIndex(const CXString& signal)
{
    int count = listedSignalCount();
    for (int i = 0; i < count; ++i) {
        if (signal.startsWith(*signalList_.get()[i]))
            return i;
    }
    return -1;
}

int CMC_Object::getSignalIndex(const CXString& key)
{
    int caret = key.Find('^');
    CXString signal = caret < 0 ? key : key.Left(caret);
    int count = listedSignalCount();
    for (int i = 0; i < count; ++i) {
        if (signal == *signalList_.get()[i])
            return i;
    }
    return -1;
}

// ---- handlers ---------------------------------------------------------------------------------

bool CMC_Object::verifyBehaviour(const CXString&)
{
    return true;
}

void CMC_Object::addBehaviour(const CXString& key, CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container)
{
    if (!verifyBehaviour(key))
        return;
    // An object that never bound a definition (CREATE, an empty object) takes its list now, so the
    // signal's flag is set.
    ensureSignalList();
    if (overrideSignals_)
        removeBehaviourForce(key);
    if (handlers_ == nullptr)
        handlers_ = std::make_unique<CMC_HandlerTable>(101);
    int index = getSignalIndex(key);
    if (index >= 0)
        setFlag(index);
    handlers_->getOrMake(key)->add(new CMC_HandlerEntry(behaviour, arguments, container));
}

void CMC_Object::removeBehaviour(const CXString& key, CMC_ObjectsContainer* container)
{
    if (handlers_ != nullptr)
        handlers_->removeWhere(key, [container](const CMC_HandlerEntry* entry) { return entry->isBoundIn(container); });
}

void CMC_Object::removeBehaviourForce(const CXString& key)
{
    if (handlers_ != nullptr)
        handlers_->removeWhere(key, [](const CMC_HandlerEntry*) { return true; });
}

void CMC_Object::removeAllBehaviours()
{
    signalList_.reset();
    handlers_.reset();
    inlineBehaviours_.clear();
    std::fill(handledFlags_.begin(), handledFlags_.end(), 0);
}

CXVector* CMC_Object::getBehaviour(const CXString& key)
{
    return handlers_ != nullptr ? handlers_->get(key) : nullptr;
}

CMC_HandlerEntry* CMC_Object::getSingleBehaviour(const CXString& key, int index)
{
    CXVector* entries = getBehaviour(key);
    if (entries == nullptr || index < 0 || index >= entries->getSize())
        return nullptr;
    return CMC_HandlerTable::entryAt(entries, index);
}

CXVector* CMC_Object::getTmpBehList()
{
    if (inlineBehaviourView_ == nullptr)
        inlineBehaviourView_ = std::make_unique<CXVector>(101, 0.75f);
    inlineBehaviourView_->removeAll();
    for (const CMC_ObjectRef& behaviour : inlineBehaviours_) {
        if (behaviour.isAlive())
            inlineBehaviourView_->add(behaviour.get());
    }
    return inlineBehaviourView_.get();
}

void CMC_Object::onSceneDone(CMC_ObjectsContainer* container)
{
    if (handlers_ != nullptr)
        handlers_->dropBoundIn(container);
}

// ---- raising ----------------------------------------------------------------------------------

bool CMC_Object::onSignal(const CXString& key, CXArray* arguments)
{
    return raise(key, arguments, true);
}

bool CMC_Object::onSignal(const CXString& key)
{
    return raise(key, nullptr, false);
}

bool CMC_Object::raise(const CXString& key, CXArray* arguments, bool givenArguments)
{
    CXVector* entries = getBehaviour(key);
    if (entries == nullptr || entries->isEmpty())
        return false;
    if (signalNesting >= kMaxSignalNesting)
        return true;

    // Handlers may attach, remove or delete handlers, behaviours and this very object: walk a
    // snapshot and run an entry only while it is still bound and its behaviour still exists.
    struct Pending {
        CMC_HandlerEntry* entry;
        uint64_t serial;
        CMC_ObjectRef behaviour;
        std::shared_ptr<CXArray> ownArguments;
    };
    std::vector<Pending> pending;
    pending.reserve(static_cast<size_t>(entries->getSize()));
    for (int i = 0; i < entries->getSize(); ++i) {
        CMC_HandlerEntry* entry = CMC_HandlerTable::entryAt(entries, i);
        pending.push_back(Pending{entry, entry->getSerial(), CMC_ObjectRef(entry->getBehaviour()), entry->sharedArguments()});
    }

    // While this object is being destroyed its memory stays valid until the raise returns.
    bool guarded = !destroying_;
    CMC_ObjectRef self(guarded ? this : nullptr);
    ++signalNesting;
    for (const Pending& handler : pending) {
        if (guarded && !self.isAlive())
            break;
        CXVector* current = getBehaviour(key);
        if (current == nullptr || current->find(handler.entry) < 0 || handler.entry->getSerial() != handler.serial)
            continue;
        auto* behaviour = dynamic_cast<CRunnableBehaviour*>(handler.behaviour.get());
        if (behaviour == nullptr)
            continue;
        behaviour->run(this, givenArguments ? arguments : handler.ownArguments.get(), true);
    }
    --signalNesting;
    return true;
}

bool CMC_Object::raiseSpecificOrPlain(const CXString& signal, const CXString& parameter)
{
    return raiseFirstOf({signal + "^" + parameter}, signal);
}

bool CMC_Object::raiseFirstOf(std::initializer_list<CXString> specificForms, const CXString& plain, CXArray* arguments)
{
    bool guarded = !destroying_;
    CMC_ObjectRef self(guarded ? this : nullptr);
    for (const CXString& specific : specificForms) {
        if (onSignal(specific))
            return true;
        if (guarded && !self.isAlive())
            return false;
    }
    return arguments != nullptr ? onSignal(plain, arguments) : onSignal(plain);
}

// ---- binding from definitions -----------------------------------------------------------------

CMC_Object::CMC_Object(CMC_ObjectsContainer* container, CMElement* element, int type)
    : name_(element != nullptr ? element->getName() : CXString()), type_(type), scene_(container)
{
}

void CMC_Object::initializeBehaviours(CMC_ObjectsContainer* container, CMElement* element)
{
    inlineBehaviours_.clear();
    if (!ensureSignalList())
        return;
    if (element == nullptr) {
        rebindPlaceholders(container);
        return;
    }
    // A handler may drop the list meanwhile (REMOVEALLBEHAVIOURS): keep this one for the walk.
    SignalList signals = signalList_;
    CMC_ObjectRef self(this);
    CMProperties* properties = element->getProperties();
    for (int i = 0; i < properties->getSize(); ++i) {
        CMProperty* property = properties->getAt(i);
        for (int s = 0; signals.get()[s] != nullptr; ++s) {
            if (!property->name().startsWith(*signals.get()[s]))
                continue;
            bindProperty(container, property->getName(), property->getValue(), s);
            if (!self.isAlive())
                return;
        }
    }
}

void CMC_Object::bindProperty(CMC_ObjectsContainer* container, const CXString& propertyName, const CXString& value, int signalIndex)
{
    if (container == nullptr || value.getLength() == 0)
        return;
    CXString text = value;
    text.AllTrim(' ');
    CMC_Object* behaviour = nullptr;
    CXArray* arguments = nullptr;
    if (text.startsWith("{")) {
        behaviour = makeInlineBehaviour(container, propertyName, text);
    } else {
        CXString behaviourName = text;
        int open = text.Find('(');
        if (open >= 0) {
            behaviourName = text.Left(open);
            behaviourName.AllTrim(' ');
            // An unclosed list runs to the end of the value.
            int close = text.Find(')', open + 1);
            CXString argumentText = text.Mid(open + 1, close < 0 ? text.getLength() : close);
            argumentText.AllTrim(' ');
            arguments = argumentText.toVector();
        }
        behaviour = container->getObject(behaviourName);
    }
    if (behaviour == nullptr) {
        CXString::releaseToVector(arguments);
        return;
    }
    attachOrRelease(propertyName, behaviour, arguments, container);
    setFlag(signalIndex);
}

void CMC_Object::attachOrRelease(const CXString& key, CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container)
{
    CMC_ObjectRef self(this);
    addBehaviour(key, behaviour, arguments, container);
    if (arguments != nullptr && self.isAlive() && !lastHandlerHolds(key, arguments))
        CXString::releaseToVector(arguments);
}

bool CMC_Object::lastHandlerHolds(const CXString& key, const CXArray* arguments)
{
    CXVector* entries = getBehaviour(key);
    return entries != nullptr && !entries->isEmpty() &&
           CMC_HandlerTable::entryAt(entries, entries->getSize() - 1)->getArguments() == arguments;
}

CMC_Object* CMC_Object::makeInlineBehaviour(CMC_ObjectsContainer* container, const CXString& propertyName, const CXString& code)
{
    CXString behaviourName("beh_");
    if (container->getType() == script::TYPE_CLASS) {
        behaviourName += container->getName();
        behaviourName += "_";
    }
    behaviourName += name_;
    behaviourName += "_";
    behaviourName += propertyName;
    CMC_Object* behaviour = CMC_CreationChain::makeInlineBehaviour(container, behaviourName, code);
    if (behaviour == nullptr)
        return nullptr;
    CMC_ObjectRef made(behaviour);
    behaviour->init();
    if (!made.isAlive())
        return nullptr;
    inlineBehaviours_.emplace_back(behaviour);
    container->addObject(behaviour);
    return made.get();
}

void CMC_Object::rebindPlaceholders(CMC_ObjectsContainer* container)
{
    if (handlers_ == nullptr || container == nullptr)
        return;
    for (const CXString& key : handlers_->keys()) {
        CXVector* entries = handlers_->get(key);
        int index = getBehaviourIndex(key);
        for (int i = 0; entries != nullptr && i < entries->getSize(); ++i) {
            CMC_HandlerEntry* entry = CMC_HandlerTable::entryAt(entries, i);
            if (!entry->hasPlaceholder())
                continue;
            CMC_Object* behaviour = container->getObject(entry->getBehaviourName());
            if (index != -1 && behaviour != nullptr) {
                entry->setBehaviour(behaviour);
                setFlag(index);
            }
        }
    }
}

// ---- stored form ------------------------------------------------------------------------------

void CMC_Object::serialize(CXArchive* archive)
{
    if (archive == nullptr)
        return;
    if (archive->isStoring())
        storeHandlers(archive);
    else
        loadHandlers(archive);
}

void CMC_Object::storeHandlers(CXArchive* archive)
{
    *archive << name_;
    *archive << (handlers_ != nullptr ? handlers_->entryCount() : 0);
    if (handlers_ == nullptr)
        return;
    for (const CXString& key : handlers_->keys()) {
        CXVector* entries = handlers_->get(key);
        for (int i = 0; i < entries->getSize(); ++i) {
            CMC_HandlerEntry* entry = CMC_HandlerTable::entryAt(entries, i);
            CXArray* arguments = entry->getArguments();
            int count = arguments != nullptr ? arguments->getSize() : 0;
            *archive << key << entry->getBehaviourName() << count;
            for (int a = 0; a < count; ++a)
                *archive << *arguments->stringAt(a);
        }
    }
}

void CMC_Object::loadHandlers(CXArchive* archive)
{
    int count = 0;
    *archive >> &name_ >> &count;
    if (count <= 0 || archive->LastError() != 0)
        return;
    handlers_ = std::make_unique<CMC_HandlerTable>(101);
    // Counts come from the file: read records only while the data lasts.
    for (int i = 0; i < count; ++i) {
        CXString key;
        CXString behaviourName;
        int argumentCount = 0;
        *archive >> &key >> &behaviourName >> &argumentCount;
        if (archive->LastError() != 0)
            return;
        CXArray* arguments = nullptr;
        if (argumentCount > 0) {
            arguments = new CXArray(std::min(argumentCount, 64), 0.75f);
            for (int a = 0; a < argumentCount && archive->LastError() == 0; ++a) {
                auto* text = new CXString();
                *archive >> text;
                arguments->add(text);
            }
        }
        // The type prepares for the signal as for any handler attached (a button starts listening).
        if (!verifyBehaviour(key)) {
            CXString::releaseToVector(arguments);
            continue;
        }
        handlers_->getOrMake(key)->add(CMC_HandlerEntry::makePlaceholder(behaviourName, arguments));
    }
}
