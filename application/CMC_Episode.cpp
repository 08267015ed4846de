#include "application/CMC_Episode.h"

#include "application/CMC_CompiledFile.h"
#include "foundation/CMElement.h"
#include "foundation/CWindowLink.h"
#include "foundation/CXArchive.h"
#include "foundation/CXVector.h"
#include "script/CMC_TypeIds.h"

namespace {

// A scene's record in the tree file: its object record and PATH.
constexpr int kSmallestSceneRecord = CMC_CompiledFile::kSmallestObjectRecord + 4;

} // namespace

CMC_Episode::CMC_Episode(CWindow* window, CMC_StructureParser* parser, CMElement* element)
    : CMC_Scene(window, nullptr, element, script::TYPE_EPISODE)
{
    for (CMC_Scene* scene : listed(parser, element->getPropertyValue("SCENES"), script::TYPE_SCENE)) {
        adoptChild(scene);
        addObject(scene);
    }
    startScene_ = startChild(element->getPropertyValue("STARTWITH"));
}

CMC_Episode::CMC_Episode(CWindow* window) : CMC_Scene(window, script::TYPE_EPISODE)
{
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
    if (getDlls().IsString())
        resolveDLLs(getDlls());
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

void CMC_Episode::serialize(CXArchive* archive)
{
    if (archive == nullptr)
        return;
    CMC_Scene::serialize(archive);
    if (!archive->isStoring()) {
        readScenes(archive);
        return;
    }
    CXVector* scenes = getSubScenes();
    *archive << scenes->getSize() << getSubId(startScene_);
    for (int i = 0; i < scenes->getSize(); ++i)
        childAt(i)->storeCompiled(archive);
}

void CMC_Episode::readScenes(CXArchive* archive)
{
    int count = 0;
    int start = -1;
    *archive >> &count >> &start;
    count = CMC_CompiledFile::checkedCount(archive, count, kSmallestSceneRecord);
    for (int i = 0; i < count && archive->LastError() == 0; ++i) {
        auto* scene = new CMC_Scene(getWindow(), script::TYPE_SCENE);
        scene->serialize(archive);
        adoptChild(scene);
        addObject(scene);
    }
    startScene_ = childAt(start);
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
