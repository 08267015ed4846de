#include "script/CMC_Class.h"

#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CPath.h"
#include "foundation/CStringTokenizer.h"
#include "script/CMC_Class_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"

#include <memory>
#include <vector>

CMC_Class::CMC_Class(CMC_ObjectsContainer* scene, CMElement* definition)
    : CMC_ObjectsContainer(CMC_ObjectsContainer::windowOf(scene), scene, definition, script::TYPE_CLASS), definition_(scene)
{
    if (definition != nullptr) {
        def_ = definition->getPropertyValue("DEF");
        base_ = definition->getPropertyValue("BASE");
    }
}

CMC_Class::CMC_Class(CMC_ObjectsContainer* scene, CMC_Class* classObject, const CXString& name)
    : CMC_ObjectsContainer(CMC_ObjectsContainer::windowOf(scene), scene, name, script::TYPE_CLASS), definition_(classObject)
{
    if (classObject == nullptr)
        return;
    def_ = classObject->def_;
    base_ = classObject->base_;
    // An instance made from an instance belongs to the same class.
    CMC_Class* origin = classObject->getClass();
    setClass(origin != nullptr ? origin : classObject);
    CMC_ObjectRef self(this);
    import_base(base_);
    if (self.isAlive())
        import(def_);
}

CMC_Class::~CMC_Class()
{
    beginDestruction();
}

CMC_Class* CMC_Class::from(CMC_Object* object)
{
    return object != nullptr && object->getType() == script::TYPE_CLASS ? dynamic_cast<CMC_Class*>(object) : nullptr;
}

CXString CMC_Class::getClassPath(const CXString& file)
{
    return CPath::resolveFileName(getWindow(), CXString("$COMMON\\CLASSES\\") + file);
}

void CMC_Class::import(const CXString& file)
{
    std::unique_ptr<CMElements> elements(CMElementsLoader::load(getWindow(), getClassPath(file)));
    if (elements == nullptr)
        return;
    delete resolveObjects(elements.get());
}

void CMC_Class::import_base(const CXString& list)
{
    CStringTokenizer files(list, ",");
    CMC_ObjectRef self(this);
    while (files.hasMoreTokens() && self.isAlive())
        import(files.nextToken());
}

CMC_Class* CMC_Class::newInstance(const CXString& name)
{
    auto* instance = new CMC_Class(getScene(), this, name);
    instance->init();
    return instance;
}

void CMC_Class::addObject(CMC_Object* object)
{
    if (object == nullptr)
        return;
    CMC_Object* inherited = findOwn(object->getName());
    if (inherited != nullptr && inherited != object) {
        // The earlier file's object stays reachable under the prefix.
        removeObject(inherited);
        inherited->setName(CXString("SUPER_") + inherited->getName());
        addObject(inherited);
    }
    CMC_ObjectsContainer::addObject(object);
}

void CMC_Class::init()
{
    std::vector<CMC_ObjectRef> objects;
    for (int i = 0; i < getObjects()->getSize(); ++i)
        objects.emplace_back(getObject(i));
    CMC_ObjectRef self(this);
    for (const CMC_ObjectRef& object : objects) {
        if (CMC_Object* alive = object.get())
            alive->init();
        if (!self.isAlive())
            return;
    }
    CMC_ObjectsContainer::init();
}

bool CMC_Class::done(bool wholeContainer)
{
    CMC_ObjectRef self(this);
    if (auto* runner = dynamic_cast<CMC_Class_Runner*>(CMC_RunnerFactory::getRunner(script::TYPE_CLASS)))
        CMC_Object::flush(runner->runClass(this, getScene(), nullptr, CXString("DESTRUCTOR")));
    if (!self.isAlive())
        return true;
    unload();
    if (!self.isAlive())
        return true;
    return CMC_Object::done(wholeContainer);
}
