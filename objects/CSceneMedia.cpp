#include "objects/CSceneMedia.h"

#include "application/CMC_Scene.h"
#include "graphics/CAnimo6.h"
#include "graphics/CEngineHost.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Sound.h"
#include "script/CMC_TypeIds.h"

CMC_Scene* CSceneMedia::liveScene(CWindow* window)
{
    CEngineHost* host = window != nullptr ? window->GetApplicationInterface() : nullptr;
    auto* application = host != nullptr ? dynamic_cast<CMC_Scene*>(host->getApplicationObject()) : nullptr;
    CMC_Scene* child = application != nullptr ? application->getCurrentScene() : nullptr;
    return child != nullptr && child->getType() == script::TYPE_EPISODE ? child->getCurrentScene() : child;
}

CMC_Object* CSceneMedia::findOfType(CWindow* window, const CXString& name, int type)
{
    CMC_Scene* scene = liveScene(window);
    CMC_Object* found = scene != nullptr && name.IsString() ? scene->getObject(name) : nullptr;
    return found != nullptr && found->getType() == type ? found : nullptr;
}

CMC_Animo* CSceneMedia::asAnimo(CMC_Object* object)
{
    return object != nullptr && object->getType() == script::TYPE_ANIMO ? dynamic_cast<CMC_Animo*>(object) : nullptr;
}

CMC_Object* CSceneMedia::findAnimo(CWindow* window, const CXString& name)
{
    CMC_Object* found = findOfType(window, name, script::TYPE_ANIMO);
    return getAnimo(found) != nullptr ? found : nullptr;
}

CAnimo* CSceneMedia::getAnimo(CMC_Object* animo)
{
    CMC_Animo* object = asAnimo(animo);
    return object != nullptr ? object->getAnimo() : nullptr;
}

void CSceneMedia::addSeq(CMC_Object* animo, CPlayable* playable)
{
    if (CMC_Animo* object = asAnimo(animo))
        object->addSeq(playable);
}

void CSceneMedia::removeSeq(CMC_Object* animo, CPlayable* playable)
{
    if (CMC_Animo* object = asAnimo(animo))
        object->removeSeq(playable);
}

CSound4* CSceneMedia::findSound(CWindow* window, const CXString& name)
{
    auto* sound = dynamic_cast<CMC_Sound*>(findOfType(window, name, script::TYPE_SOUND));
    return sound != nullptr ? sound->getSound() : nullptr;
}
