#include "objects/CSceneResources.h"

#include "application/CMC_Scene.h"
#include "application/CUnit6.h"
#include "script/CMC_TypeIds.h"

CResourcesManager* CSceneResources::defaultManager()
{
    CUnit6* unit = CMC_Scene::getDefUnit();
    return unit != nullptr ? unit->getResourcesManager() : nullptr;
}

CResourcesManager* CSceneResources::managerFor(CMC_Object* object)
{
    CMC_ObjectsContainer* container = object != nullptr ? object->getScene() : nullptr;
    if (container == nullptr || container->getType() != script::TYPE_SCENE)
        return nullptr;
    return defaultManager();
}

CMC_Scene* CSceneResources::sceneOf(CMC_Object* object)
{
    return object != nullptr ? dynamic_cast<CMC_Scene*>(object->getScene()) : nullptr;
}
