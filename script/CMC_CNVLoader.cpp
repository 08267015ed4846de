#include "script/CMC_CNVLoader.h"

#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CXVector.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>
#include <memory>

CMC_CNVLoader::CMC_CNVLoader(CWindow* window, CMC_ObjectsContainer* container)
    : CMC_Object(CXString("CNVLOADER"), script::TYPE_CNVLOADER), window_(window)
{
    setScene(container);
}

CMC_CNVLoader::~CMC_CNVLoader()
{
    beginDestruction();
}

void CMC_CNVLoader::load(const CXString& file)
{
    CMC_ObjectsContainer* container = getScene();
    // An object that loads its own file while it is initialised would load it without end.
    if (container == nullptr || std::find(loading_.begin(), loading_.end(), file) != loading_.end())
        return;
    std::unique_ptr<CMElements> elements(CMElementsLoader::load(window_, file));
    if (elements == nullptr || elements->getSize() == 0 || container->getObject(file) != nullptr)
        return;
    CMC_ObjectRef loader(this);
    loading_.push_back(file);
    auto* group = new CMC_Groupped(file, container);
    CMC_ObjectRef groupRef(group);
    bool containerAlive = build(container, elements.get(), group);
    if (loader.isAlive())
        loading_.erase(std::find(loading_.begin(), loading_.end(), file));
    if (containerAlive)
        container->addObject(group);
    else
        destroy(groupRef.get());
}

bool CMC_CNVLoader::build(CMC_ObjectsContainer* container, CMElements* elements, CMC_Groupped* group)
{
    CMC_ObjectRef containerRef(container);
    for (int i = 0; i < elements->getSize(); ++i) {
        std::unique_ptr<CXVector> made(container->resolve(elements->getAt(i), group));
        std::vector<CMC_ObjectRef> objects;
        for (int j = 0; j < made->getSize(); ++j)
            objects.emplace_back(static_cast<CMC_Object*>(made->at(j)));
        for (const CMC_ObjectRef& object : objects) {
            // Initialised before it is added: its ONINIT finds what earlier elements made.
            if (CMC_Object* alive = object.get())
                alive->init();
            CMC_Object* alive = object.get();
            if (!containerRef.isAlive()) {
                // Nobody would own what is left.
                for (const CMC_ObjectRef& pending : objects)
                    destroy(pending.get());
                return false;
            }
            if (alive == nullptr)
                continue;
            container->addObject(alive);
            group->add(alive);
            CXVector* inlineBehaviours = alive->getTmpBehList();
            for (int k = 0; k < inlineBehaviours->getSize(); ++k)
                group->add(static_cast<CMC_Object*>(inlineBehaviours->at(k)));
        }
    }
    return true;
}

bool CMC_CNVLoader::isReleasable(CMC_Object* object, CMC_ObjectsContainer* container, CMC_Object* group)
{
    return object != nullptr && object != container && object != this && object != group &&
           !script::isApplicationTreeType(object->getType());
}

void CMC_CNVLoader::removeAndDelete(CMC_Object* object, CMC_ObjectsContainer* container, CMC_Object* group)
{
    if (!isReleasable(object, container, group))
        return;
    CMC_ObjectRef target(object);
    container->removeObject(object);
    object->done(false);
    destroy(target.get());
}

void CMC_CNVLoader::release(const CXString& file)
{
    CMC_ObjectsContainer* container = getScene();
    CMC_Groupped* group = container != nullptr ? CMC_Groupped::from(container->getObject(file)) : nullptr;
    if (group == nullptr)
        return;
    CMC_ObjectRef groupRef(group);
    CMC_ObjectRef containerRef(container);
    std::vector<CMC_ObjectRef> members;
    for (CMC_Object* member : group->getMembers())
        members.emplace_back(member);

    for (const CMC_ObjectRef& member : members) {
        CMC_Object* alive = member.get();
        if (alive != nullptr && alive->getType() == script::TYPE_BEHAVIOUR && containerRef.isAlive())
            removeAndDelete(alive, container, groupRef.get());
    }
    for (const CMC_ObjectRef& member : members) {
        CMC_Object* alive = member.get();
        if (alive == nullptr || !containerRef.isAlive() || !isReleasable(alive, container, groupRef.get()))
            continue;
        CXString name = alive->getName();
        int clones = alive->getClonesNo();
        for (int j = 1; j <= clones && containerRef.isAlive(); ++j) {
            CXString cloneName = name + "_";
            cloneName += j;
            removeAndDelete(container->getObject(cloneName), container, groupRef.get());
        }
        if (containerRef.isAlive())
            removeAndDelete(member.get(), container, groupRef.get());
    }
    if (containerRef.isAlive() && groupRef.isAlive())
        container->removeObject(groupRef.get());
    destroy(groupRef.get());
}
