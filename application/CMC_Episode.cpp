#include "application/CMC_Episode.h"

#include "foundation/CMElement.h"
#include "foundation/CWindowLink.h"
#include "foundation/CXVector.h"
#include "script/CMC_TypeIds.h"

CMC_Episode::CMC_Episode(CWindow* window, CMC_StructureParser* parser, CMElement* element)
    : CMC_Scene(window, nullptr, element, script::TYPE_EPISODE)
{
    for (CMC_Scene* scene : listed(parser, element->getPropertyValue("SCENES"), script::TYPE_SCENE)) {
        adoptChild(scene);
        addObject(scene);
    }
    startScene_ = startChild(element->getPropertyValue("STARTWITH"));
}

CMC_Episode::~CMC_Episode()
{
    beginDestruction();
    if (getCurrentScene() != nullptr)
        unload(nullptr);
    CMC_Scene::unload();
    deleteChildren();
}

bool CMC_Episode::initialize(CMC_Scene*)
{
    enterDataFolder(CWindowLink::cdPath());
    loadCnv();
    onInit();
    runInitBehaviour();
    if (startScene_ == nullptr) {
        setCurrentScene(nullptr);
        return false;
    }
    _goto(startScene_, nullptr);
    return true;
}

void CMC_Episode::unload(CMC_Scene* next)
{
    CMC_Scene* live = getCurrentScene();
    if (live == nullptr)
        return;
    if (hasHandler("ONDONE"))
        onSignal("ONDONE");
    live->unload(next);
    latestScene_ = live->getName();
    setCurrentScene(nullptr);
}

void CMC_Episode::step(int offset)
{
    int index = getSubId(getCurrentScene());
    int target = index + offset;
    if (target >= 0 && target < getSubScenes()->getSize())
        setPendingScene(childAt(target));
}

void CMC_Episode::next()
{
    step(1);
}

void CMC_Episode::prev()
{
    step(-1);
}

void CMC_Episode::back()
{
    CXVector* history = getHistory();
    int count = history->getSize();
    if (count < 2)
        return;
    setPendingScene(static_cast<CMC_Scene*>(history->at(count - 2)));
    history->removeAt(count - 1);
}
