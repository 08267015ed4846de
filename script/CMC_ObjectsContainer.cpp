#include "script/CMC_ObjectsContainer.h"

#include "foundation/CHashtable.h"
#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CStringHashCode.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_HandlerTable.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMemberList.h"
#include "script/CRunnableBehaviour.h"

#include <unordered_set>

namespace {

// Parents are walked by name lookups; a chain this deep can only be a cycle.
constexpr int kMaxParentDepth = 32;

const char kUnknownGraphics[] = "UNKNOWN";

enum DonePass { DONE_CLASSES, DONE_FIRST, DONE_REST };

CHashtable* makeNameTable()
{
    return new CHashtable(10001, 1.0, true);
}

} // namespace

uint64_t CMC_ObjectsContainer::namesEpoch_ = 1;

CMC_ObjectsContainer::CMC_ObjectsContainer(CWindow* window, CMC_ObjectsContainer* owner, CMElement* element, int type)
    : CMC_Object(owner, element, type), lookupKey_(new CStringHashCode(CXString("temp"))),
      objects_(1001), names_(makeNameTable()), window_(window)
{
}

CMC_ObjectsContainer::CMC_ObjectsContainer(CWindow* window, CMC_ObjectsContainer* owner, const CXString& name, int type)
    : CMC_Object(name, type), lookupKey_(new CStringHashCode(CXString("temp"))), objects_(1001), names_(makeNameTable()),
      window_(window)
{
    setScene(owner);
}

CMC_ObjectsContainer::~CMC_ObjectsContainer()
{
    beginDestruction();
    deleteHeldObjects();
    delete lookupKey_;
    delete names_;
}

// ---- holding ----------------------------------------------------------------------------------

std::vector<CMC_ObjectRef> CMC_ObjectsContainer::heldObjects() const
{
    CXVector* objects = objects_.view();
    std::vector<CMC_ObjectRef> held;
    held.reserve(static_cast<size_t>(objects->getSize()));
    for (int i = 0; i < objects->getSize(); ++i)
        held.emplace_back(static_cast<CMC_Object*>(objects->at(i)));
    return held;
}

bool CMC_ObjectsContainer::removeObject(CMC_Object* object)
{
    if (object == nullptr || !objects_.contains(object))
        return false;
    names_->remove(object);
    objects_.remove(object);
    object->noteReleasedBy(this);
    return true;
}

void CMC_ObjectsContainer::addObject(CMC_Object* object)
{
    if (object == nullptr)
        return;
    CXString name = object->getName();
    CMC_Object* existing = findOwn(name);
    if (existing == object)
        return;
    // Held under another name (renamed since): file it again under the new one.
    removeObject(object);
    if (existing != nullptr) {
        removeObject(existing);
        if (!script::isApplicationTreeType(existing->getType())) {
            // Its ONDONE handlers may delete anything, this container and the newcomer included.
            CMC_ObjectRef self(this);
            CMC_ObjectRef newcomer(object);
            destroy(existing);
            if (!self.isAlive() || !newcomer.isAlive())
                return;
        }
    }
    names_->put(new CStringHashCode(name), object);
    ++namesEpoch_;
    objects_.add(object);
    object->noteHeldBy(this);
}

CXVector* CMC_ObjectsContainer::getObjects()
{
    return objects_.view();
}

CMC_Object* CMC_ObjectsContainer::findOwn(const CXString& name)
{
    lookupKey_->set(name.c_str());
    return static_cast<CMC_Object*>(names_->get(lookupKey_));
}

CMC_Object* CMC_ObjectsContainer::getObject(const CXString& name)
{
    return findObject(name, 0);
}

CMC_Object* CMC_ObjectsContainer::findObject(const CXString& name, int depth)
{
    if (depth > kMaxParentDepth)
        return nullptr;
    if (CMC_Object* own = findOwn(name))
        return own;
    // NAME_0 stands for NAME itself, whose clones are NAME_1, NAME_2 ...
    if (name.endsWith("_0")) {
        if (CMC_Object* source = findObject(name.Left(name.getLength() - 2), depth))
            return source;
    }
    CMC_ObjectsContainer* parent = getParent();
    return parent != nullptr ? parent->findObject(name, depth + 1) : nullptr;
}

CMC_Object* CMC_ObjectsContainer::getObject(int index)
{
    return static_cast<CMC_Object*>((*objects_.view())[index]);
}

int CMC_ObjectsContainer::getElementsNo()
{
    return names_->getSize();
}

CMC_Variable* CMC_ObjectsContainer::getVariable(const CXString& name)
{
    CMC_Object* object = getObject(name);
    if (object == nullptr || !script::isPlainValueType(object->getType()))
        return nullptr;
    return static_cast<CMC_Variable*>(object);
}

int CMC_ObjectsContainer::getObjectId(const CXString& name)
{
    CXVector* objects = objects_.view();
    for (int i = 0; i < objects->getSize(); ++i) {
        if (static_cast<CMC_Object*>(objects->at(i))->getName() == name)
            return i;
    }
    return -1;
}

CXVector* CMC_ObjectsContainer::getObjectsOfType(int type)
{
    auto* found = new CXVector(101, 0.75f);
    CXVector* values = names_->getElements();
    for (int i = 0; i < values->getSize(); ++i) {
        auto* object = static_cast<CMC_Object*>(values->at(i));
        if (object->getType() == type)
            found->add(object);
    }
    return found;
}

void CMC_ObjectsContainer::getObjects(const CXString& typeWord, CMemberList* group)
{
    if (group == nullptr)
        return;
    group->removeAll();
    CXVector* ofType = getObjectsOfType(getTypeId(typeWord));
    for (int i = 0; i < ofType->getSize(); ++i)
        group->add(static_cast<CMC_Object*>(ofType->at(i)));
    delete ofType;
}

std::vector<CMC_Object*> CMC_ObjectsContainer::getPerFrameObjects()
{
    std::erase_if(perFrameObjects_, [](const CMC_ObjectRef& object) { return !object.isAlive(); });
    std::vector<CMC_Object*> alive;
    for (const CMC_ObjectRef& object : perFrameObjects_)
        alive.push_back(object.get());
    return alive;
}

// ---- parents ----------------------------------------------------------------------------------

CMC_ObjectsContainer* CMC_ObjectsContainer::getParent()
{
    return parent_.get();
}

void CMC_ObjectsContainer::setParent(CMC_ObjectsContainer* parent)
{
    if (CMC_ObjectsContainer* old = getParent()) {
        if (CMC_ObjectsContainer* grandparent = old->getParent())
            removeObject(grandparent);
        removeObject(old);
    }
    parent_ = parent;
    ++namesEpoch_;
    if (parent != nullptr) {
        if (CMC_ObjectsContainer* grandparent = parent->getParent())
            addObject(grandparent);
        addObject(parent);
    }
}

void CMC_ObjectsContainer::onSubSceneDone(CMC_ObjectsContainer* container)
{
    CMC_ObjectRef self(this);
    for (const CMC_ObjectRef& object : heldObjects()) {
        if (CMC_Object* alive = object.get())
            alive->onSceneDone(container);
    }
    CMC_ObjectsContainer* parent = self.isAlive() ? getParent() : nullptr;
    if (parent != nullptr && parent != this)
        parent->onSubSceneDone(container);
}

// ---- unloading --------------------------------------------------------------------------------

void CMC_ObjectsContainer::doneWhere(const std::vector<CMC_ObjectRef>& objects, int pass)
{
    for (const CMC_ObjectRef& object : objects) {
        CMC_Object* alive = object.get();
        if (alive == nullptr)
            continue;
        bool isClass = alive->getType() == script::TYPE_CLASS;
        bool wanted = pass == DONE_CLASSES ? isClass : !isClass && alive->doneFirst() == (pass == DONE_FIRST);
        if (wanted)
            alive->done(true);
    }
}

void CMC_ObjectsContainer::unload()
{
    CMC_ObjectRef self(this);
    std::vector<CMC_ObjectRef> objects = heldObjects();
    for (int pass : {DONE_CLASSES, DONE_FIRST, DONE_REST}) {
        doneWhere(objects, pass);
        if (!self.isAlive())
            return;
    }
    // In insertion order; each object leaves the name table as it dies, so nothing can find a
    // deleted object by name while the others' ONDONE handlers run.
    for (const CMC_ObjectRef& object : heldObjects()) {
        CMC_Object* alive = object.get();
        if (alive != nullptr && !script::isApplicationTreeType(alive->getType()))
            destroy(alive);
        if (!self.isAlive())
            return;
    }
    // Objects made by those handlers meanwhile go too, quietly, so the unload ends.
    deleteHeldObjects();
    for (const CMC_ObjectRef& object : heldObjects())
        object.get()->noteReleasedBy(this);
    names_->clear();
    objects_.clear();
    // Then its own ONDONE, as any object's done raises it.
    CMC_Object::done(true);
}

void CMC_ObjectsContainer::deleteHeldObjects()
{
    // Silent deletion raises nothing, so a round or two empties the container; the bound only
    // guards against destructors that keep adding objects.
    for (int round = 0; round < 8; ++round) {
        bool deletedAny = false;
        for (const CMC_ObjectRef& object : heldObjects()) {
            CMC_Object* alive = object.get();
            if (alive != nullptr && !script::isApplicationTreeType(alive->getType())) {
                removeObject(alive);
                destroySilently(alive);
                deletedAny = true;
            }
        }
        if (!deletedAny)
            return;
    }
}

// ---- making objects ---------------------------------------------------------------------------

CMC_ObjectsContainer* CMC_ObjectsContainer::sceneOrThis()
{
    CMC_ObjectsContainer* scene = getScene();
    return scene != nullptr ? scene : this;
}

CMC_Object* CMC_ObjectsContainer::resolveEx(CMElement*)
{
    return nullptr;
}

CMC_Object* CMC_ObjectsContainer::makeNew(const CXString& word, CMElement* element, bool sceneInsteadOfThis)
{
    if (!CMC_CreationChain::isKnownWord(word))
        return sceneOrThis()->resolveEx(element);
    CMC_Object* object = CMC_CreationChain::create(word, sceneInsteadOfThis ? sceneOrThis() : this, element);
    if (object != nullptr && CMC_CreationChain::isPerFrame(word))
        perFrameObjects_.emplace_back(object);
    return object;
}

CMC_Object* CMC_ObjectsContainer::makeForPass(const CXString& word, CMElement* element, bool& madeObject)
{
    madeObject = false;
    // MOUSE, KEYBOARD and CANVASOBSERVER exist once: a further element binds its handlers to the
    // existing object (a MOUSE element only when it is named MOUSE itself).
    const char* singleton = nullptr;
    if (word == "MOUSE" && element->getName() == "MOUSE")
        singleton = "MOUSE";
    else if (word == "KEYBOARD")
        singleton = "KEYBOARD";
    else if (word == "CANVAS_OBSERVER")
        singleton = "CANVASOBSERVER";
    if (singleton != nullptr) {
        if (CMC_Object* existing = getObject(singleton)) {
            existing->initializeBehaviours(this, element);
            return nullptr;
        }
    }
    CMC_Object* object = makeNew(word, element, CMC_CreationChain::madeWithSceneInPasses(word));
    madeObject = object != nullptr;
    return object;
}

void CMC_ObjectsContainer::resolveBehaviourConditions()
{
    CXVector* values = names_->getElements();
    std::vector<CMC_ObjectRef> behaviours;
    for (int i = 0; i < values->getSize(); ++i) {
        auto* object = static_cast<CMC_Object*>(values->at(i));
        if (object->getType() == script::TYPE_BEHAVIOUR)
            behaviours.emplace_back(object);
    }
    for (const CMC_ObjectRef& behaviour : behaviours) {
        if (auto* runnable = dynamic_cast<CRunnableBehaviour*>(behaviour.get()))
            runnable->resolveCondition();
    }
}

CMElements* CMC_ObjectsContainer::resolveObjects(CMElements* elements)
{
    auto* answer = new CMElements(false);
    if (elements == nullptr)
        return answer;
    // The answer is the elements given that made no object, in their order.
    std::vector<CMElement*> given;
    for (int i = 0; i < elements->getSize(); ++i)
        given.push_back(elements->getAt(i));
    std::unordered_set<CMElement*> made;
    auto answerTheRest = [&]() {
        for (CMElement* element : given) {
            if (made.count(element) == 0)
                answer->add(element);
        }
        return answer;
    };

    CMC_ObjectRef self(this);
    for (int pass = 1; pass <= 6; ++pass) {
        for (int i = 0; i < elements->getSize(); ++i) {
            CMElement* element = elements->getAt(i);
            if (element == nullptr || !element->isPropertyAvailable("TYPE"))
                continue;
            CXString word = element->getPropertyValue("TYPE");
            if (CMC_CreationChain::passOf(word) != pass)
                continue;
            bool madeObject = false;
            CMC_Object* object = makeForPass(word, element, madeObject);
            if (!self.isAlive())
                return answerTheRest();
            if (madeObject) {
                made.insert(element);
                addObject(object);
            }
        }
        if (pass == 4)
            resolveBehaviourConditions();
    }
    return answerTheRest();
}

void CMC_ObjectsContainer::addInlineBehavioursToGroup(CMC_Object* object, CMemberList* group)
{
    CXString** names = object->getBehavioursList();
    for (CXString** name = names; name != nullptr && *name != nullptr; ++name) {
        CXVector* entries = object->getBehaviour(**name);
        for (int i = 0; entries != nullptr && i < entries->getSize(); ++i) {
            CMC_Object* behaviour = CMC_HandlerTable::entryAt(entries, i)->getBehaviour();
            if (behaviour != nullptr && behaviour->getName().startsWith("beh_"))
                group->add(behaviour);
        }
    }
    freeSignalList(names);
}

CXVector* CMC_ObjectsContainer::resolve(CMElement* element, CMemberList* group)
{
    auto* made = new CXVector(101, 0.75f);
    if (element == nullptr)
        return made;
    CXString word = element->getPropertyValue("TYPE");
    CMC_Object* object = makeNew(word, element, CMC_CreationChain::madeWithSceneInResolve(word));
    if (object == nullptr)
        return made;
    made->add(object);
    if (group != nullptr)
        addInlineBehavioursToGroup(object, group);
    return made;
}

// ---- graphics ---------------------------------------------------------------------------------

CGraphicsObject* CMC_ObjectsContainer::getGraphicsObject(const CXString& name)
{
    if (name.getLength() == 0)
        return nullptr;
    int bang = name.Find('!');
    CXString objectName = bang < 0 ? name : name.Left(bang);
    CXString part = bang < 0 ? CXString() : name.Right(bang + 1);
    return CMC_CreationChain::graphicsOf(getObject(objectName), this, bang < 0 ? nullptr : &part);
}

CXString CMC_ObjectsContainer::getGraphicsObjectName(CGraphicsObject* graphics, bool searchParents)
{
    if (graphics != nullptr) {
        CXVector* values = names_->getElements();
        for (int i = 0; i < values->getSize(); ++i) {
            auto* object = static_cast<CMC_Object*>(values->at(i));
            if (object->getType() == script::TYPE_CLASS) {
                auto* scriptClass = dynamic_cast<CMC_ObjectsContainer*>(object);
                if (scriptClass != nullptr && scriptClass->getGraphicsObjectName(graphics, false) != kUnknownGraphics)
                    return object->getName();
            } else if (object->getType() != script::TYPE_CANVASOBSERVER &&
                       CMC_CreationChain::graphicsOf(object, this, nullptr) == graphics) {
                return object->getName();
            }
        }
    }
    CMC_ObjectsContainer* parent = getParent();
    if (searchParents && parent != nullptr && parent != this)
        return parent->getGraphicsObjectName(graphics, true);
    return CXString(kUnknownGraphics);
}
