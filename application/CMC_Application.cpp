#include "application/CMC_Application.h"

#include "application/CMC_Episode.h"
#include "application/CMC_CompiledFile.h"
#include "application/CMC_System.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CFile.h"
#include "foundation/CFolder.h"
#include "foundation/CMElement.h"
#include "foundation/CPath.h"
#include "foundation/CWindowLink.h"
#include "foundation/CXArchive.h"
#include "foundation/CXVector.h"
#include "foundation/CXVersion.h"
#include "graphics/CWindow.h"
#include "platform/Registry.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_CNVLoader.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "sound/CSoundCodec_ADPCM.h"

#include <algorithm>
#include <vector>

namespace {

const char kEngineKey[] = "Software\\Halvremont\\TamzoraWeb";

// An episode's part of the tree file: its object record, PATH, scene count and start index.
constexpr int kSmallestEpisodeRecord = CMC_CompiledFile::kSmallestObjectRecord + 12;

} // namespace

const char CMC_Application::kTreeFile[] = "application.bin";

CMC_Application::CMC_Application(CWindow* window, CMC_StructureParser* parser, CMElement* element, CCommandLine6* commandLine)
    : CMC_Scene(window, nullptr, element, script::TYPE_APPLICATION), window_(window), commandLine_(commandLine),
      requiredVersion_(std::make_unique<CXVersion>(element->getPropertyValue("TAMZORA_VERSION")))
{
    recordVersion(element->getPropertyValue("VERSION"));
    CSoundCodec_ADPCM::initialize(window);
    CMC_Behaviour::initTrash();
    for (CMC_Scene* episode : listed(parser, element->getPropertyValue("EPISODES"), script::TYPE_EPISODE))
        adoptEpisode(episode);
    for (CMC_Scene* scene : listed(parser, element->getPropertyValue("SCENES"), script::TYPE_SCENE)) {
        adoptChild(scene);
        addObject(scene);
    }
    startChild_ = startChild(element->getPropertyValue("STARTWITH"));
    enterDataFolder(CWindowLink::cdPath());
    loadCnv();
}

CMC_Application::CMC_Application(CWindow* window) : CMC_Scene(window, script::TYPE_APPLICATION), window_(window)
{
    CSoundCodec_ADPCM::initialize(window);
    CMC_Behaviour::initTrash();
    CMC_CompiledFile tree(window, kTreeFile, false);
    if (!tree.isOpen()) {
        setErrorCode(CFile::NOT_FOUND);
        return;
    }
    serialize(tree.archive());
    if (tree.archive()->LastError() != 0) {
        setErrorCode(tree.archive()->LastError());
        return;
    }
    loadCnv();
}

CMC_Application::~CMC_Application()
{
    beginDestruction();
    requiredVersion_.reset();
    CSoundCodec_ADPCM::done();
    unload(nullptr);
    CMC_Scene::unload();
    deleteChildren();
    doneDefUnit();
    setUnit(nullptr);
    // Last: the teardown above runs script that may still hand expressions to the trash.
    CMC_Behaviour::doneTrash();
}

void CMC_Application::adoptEpisode(CMC_Scene* episode)
{
    adoptChild(episode);
    // Every scene of every episode is found by name from the application.
    CXVector* scenes = episode->getSubScenes();
    for (int i = 0; i < scenes->getSize(); ++i)
        addObject(static_cast<CMC_Scene*>(scenes->at(i)));
}

void CMC_Application::serialize(CXArchive* archive)
{
    if (archive == nullptr)
        return;
    CMC_Scene::serialize(archive);
    if (archive->isStoring())
        storeEpisodes(archive);
    else
        readEpisodes(archive);
}

void CMC_Application::readEpisodes(CXArchive* archive)
{
    int count = 0;
    int start = -1;
    *archive >> &count >> &start;
    count = CMC_CompiledFile::checkedCount(archive, count, kSmallestEpisodeRecord);
    for (int i = 0; i < count && archive->LastError() == 0; ++i) {
        auto* episode = new CMC_Episode(window_);
        episode->serialize(archive);
        // Held as the definition's road holds them: the episode's scenes by name.
        adoptEpisode(episode);
    }
    startChild_ = childAt(start);
}

void CMC_Application::storeEpisodes(CXArchive* archive)
{
    // The reader takes every child for an episode.
    std::vector<CMC_Scene*> episodes;
    CXVector* children = getSubScenes();
    for (int i = 0; i < children->getSize(); ++i) {
        auto* child = static_cast<CMC_Scene*>(children->at(i));
        if (child->getType() == script::TYPE_EPISODE)
            episodes.push_back(child);
        else
            log((CXString("A scene under the application is left out of the compiled form: ") + child->getName()).c_str(), false);
    }
    auto start = std::find(episodes.begin(), episodes.end(), startChild_);
    *archive << static_cast<int>(episodes.size()) << (start != episodes.end() ? static_cast<int>(start - episodes.begin()) : -1);
    for (CMC_Scene* episode : episodes)
        episode->storeCompiled(archive);
}

void CMC_Application::storeBinary()
{
    CXString saved = CFile::getCurrentDirectory();
    CXString path = CPath::getFullPath(CWindowLink::rootPath() + CFolder::DATA_FOLDER, kTreeFile);
    {
        CMC_CompiledFile tree(window_, path, true);
        if (tree.isOpen())
            serialize(tree.archive());
        if (!tree.isOpen() || tree.archive()->LastError() != 0)
            log((CXString("The compiled form was not written whole: ") + path).c_str(), false);
    }
    CFile::chDir(saved);
}

void CMC_Application::recordVersion(const CXString& version)
{
    if (CXVersion::getCurrentVersion().getType() != CXVersion::TYPE_TAMZORA_WEB)
        return;
    // Without a game folder the key would be the engine's own, whose "Version" is the engine's.
    // The web installation's records lie above this layer; its write is the store's plain one.
    CXString game = commandLine_ != nullptr ? commandLine_->getPath() : CXString();
    if (game.IsString())
        platform::registry().setValue(platform::RegistryRoot::CurrentUser, (CXString(kEngineKey) + "\\" + game).c_str(), "Version", version.c_str());
}

CXString** CMC_Application::getBehavioursList()
{
    // ONEXIT last, so that the signals before it keep their places.
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONDOMODAL", "ONRESTART", "ONMUSICLOOPED", "ONACTIVATE",
                           "ONDEACTIVATE", "ONUPGRADE", "ONEXIT"});
}

void CMC_Application::addEngineObjects()
{
    auto* random = new CMC_Object("RANDOM", script::TYPE_RANDOM);
    random->setScene(this);
    addObject(random);
    addObject(new CMC_System(this));
    addObject(new CMC_CNVLoader(window_, this));
}

bool CMC_Application::initialize(CMC_Scene*)
{
    setUnit(getDefUnit());
    addEngineObjects();
    onInit();
    runInitBehaviour();
    if (startChild_ == nullptr)
        return false;
    _goto(startChild_, nullptr);
    return true;
}

bool CMC_Application::domodal()
{
    CMC_VariableFactory::clearPool();
    CMC_Behaviour::flushTrash();
    CMC_Scene::domodal();
    return nextGame_.IsString();
}

CMC_Application* CMC_Application::getMCApplication()
{
    return this;
}

void CMC_Application::restart()
{
    if (startChild_ == nullptr)
        return;
    CMC_Scene* live = getCurrentScene();
    if (live == startChild_) {
        live->restart();
        return;
    }
    // The leaving child's music is compared with the start child's, which is its own previous.
    unload(startChild_);
    setCurrentScene(startChild_);
    startChild_->initialize(startChild_);
}

void CMC_Application::unload(CMC_Scene* next)
{
    CMC_Scene* live = getCurrentScene();
    if (live == nullptr)
        return;
    onSignal("ONDONE");
    live->unload(next);
    setCurrentScene(nullptr);
}

void CMC_Application::exit()
{
    if (window_ != nullptr)
        window_->quit();
    onSignal("ONEXIT");
}

CXString CMC_Application::getNextGame()
{
    return nextGame_;
}

void CMC_Application::setNextGame(const CXString& folder)
{
    nextGame_ = folder;
}
