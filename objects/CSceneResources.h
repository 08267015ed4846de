#pragma once

#include "foundation/CResourcesManager.h"
#include "foundation/CXString.h"

class CMC_Object;
class CMC_Scene;

// What a script object shares with the others of its scene. Media come through the resources
// manager of the scenes' default unit, by file name with use counts, for objects whose container
// is a scene; objects of the application, an episode or a class share nothing and own their
// media. Collisions are watched by the object's scene.
class CSceneResources {
public:
    // The default unit's manager; null while there is no unit.
    static CResourcesManager* defaultManager();
    // The manager the object shares its media through; null when it shares none.
    static CResourcesManager* managerFor(CMC_Object* object);
    // The manager's medium of that file name when it is of the wanted kind, counting one use of
    // it; null when there is none. A medium of another kind under that name is given back.
    template <class Medium>
    static Medium* take(CResourcesManager* manager, const CXString& name)
    {
        CSharedMedium* found = manager != nullptr ? manager->get(name) : nullptr;
        auto* medium = dynamic_cast<Medium*>(found);
        if (found != nullptr && medium == nullptr)
            manager->remove(found);
        return medium;
    }
    // The scene (or episode, or application) that holds the object; null for any other holder.
    static CMC_Scene* sceneOf(CMC_Object* object);
};
