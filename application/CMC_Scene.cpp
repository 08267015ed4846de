#include "application/CMC_Scene.h"

#include "application/CButtonObjectMaker.h"
#include "application/CMC_DLLExModuleInterface.h"
#include "application/CMC_CompiledFile.h"
#include "application/CMC_StructureParser.h"
#include "application/CSequenceHolder.h"
#include "application/CPerTurnObject.h"
#include "application/CUnit6.h"
#include "application/CVirtualGraphicsObjectMaker.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CFolder.h"
#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CPath.h"
#include "foundation/CWindowLink.h"
#include "foundation/CXArchive.h"
#include "foundation/CXVector.h"
#include "graphics/CAnimoHolder.h"
#include "graphics/CButton.h"
#include "graphics/CCollisionInspector.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CMouseObjectLink.h"
#include "graphics/CPlayable.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Array.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_String.h"
#include "script/CMC_Timer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CRunnableBehaviour.h"

#include <algorithm>
#include <vector>

namespace {

CXVector* makeSceneList()
{
    return new CXVector(101, 0.75f);
}

std::vector<CMC_ObjectRef> snapshot(CXVector* objects)
{
    std::vector<CMC_ObjectRef> copy;
    copy.reserve(static_cast<size_t>(objects->getSize()));
    for (int i = 0; i < objects->getSize(); ++i)
        copy.emplace_back(static_cast<CMC_Object*>(objects->at(i)));
    return copy;
}

} // namespace

CUnit6* CMC_Scene::defaultUnit = nullptr;

CMC_Scene::CMC_Scene(CWindow* window, CMC_Scene* parent, CMElement* element, int type)
    : CMC_ObjectsContainer(window, nullptr, element, type), dlls_(element->getPropertyValue("DLLS")),
      description_(element->getPropertyValue("DESCRIPTION")), creationTime_(element->getPropertyValue("CREATIONTIME")),
      lastModifyTime_(element->getPropertyValue("LASTMODIFYTIME")), author_(element->getPropertyValue("AUTHOR")),
      coauthors_(element->getPropertyValue("COAUTHORS")), path_(element->getPropertyValue("PATH")),
      background_(element->getPropertyValue("BACKGROUND")), music_(element->getPropertyValue("MUSIC")),
      children_(makeSceneList()), history_(makeSceneList()), deamon_(element->getPropertyBoolValue("DEAMON"))
{
    if (parent != nullptr)
        setParent(parent);
    registerSelf(window);
}

CMC_Scene::CMC_Scene(CWindow* window, int type)
    : CMC_ObjectsContainer(window, nullptr, CXString(), type), children_(makeSceneList()), history_(makeSceneList()),
      binary_(true)
{
    registerSelf(window);
}

void CMC_Scene::registerSelf(CWindow* window)
{
    if (defaultUnit == nullptr)
        defaultUnit = new CUnit6(window, "Default");
    setScene(this);
    addObject(this);
}

CMC_Scene::~CMC_Scene()
{
    beginDestruction();
    unload(nullptr);
    // A container being destroyed keeps its objects through the unload: they go here, before the
    // modules that made some of them.
    deleteHeldObjects();
    doneDLLs();
    delete children_;
    delete history_;
    CCollisionInspector* inspector = collisionInspector();
    for (CGraphicsObject* object : monitored_) {
        if (inspector != nullptr)
            inspector->removeMonitoredObject(object);
    }
}

CXString** CMC_Scene::getBehavioursList()
{
    return makeSignalList(
        {"ONINIT", "ONDONE", "ONSIGNAL", "ONDOMODAL", "ONRESTART", "ONMUSICLOOPED", "ONACTIVATE", "ONDEACTIVATE"});
}

bool CMC_Scene::onSignal(const CXString& key)
{
    if (CMC_ObjectsContainer::onSignal(key))
        return true;
    return runOwnBehaviour("__" + key + "__", false);
}

bool CMC_Scene::runOwnBehaviour(const CXString& name, bool checkCondition)
{
    auto* behaviour = dynamic_cast<CRunnableBehaviour*>(findOwn(name));
    if (behaviour == nullptr)
        return false;
    behaviour->run(this, nullptr, checkCondition);
    return true;
}

bool CMC_Scene::hasHandler(const char* key)
{
    CXVector* entries = getBehaviour(key);
    return entries != nullptr && !entries->isEmpty();
}

void CMC_Scene::runInitBehaviour()
{
    runOwnBehaviour("__INIT__", true);
}

// ---- children ---------------------------------------------------------------------------------

void CMC_Scene::adoptChild(CMC_Scene* child)
{
    children_->add(child);
    child->setParent(this);
}

std::vector<CMC_Scene*> CMC_Scene::listed(CMC_StructureParser* parser, const CXString& names, int type)
{
    std::vector<CMC_Scene*> found;
    CStringTokenizer tokens(names, ", ");
    while (tokens.hasMoreTokens()) {
        CMC_Object* object = parser->get(tokens.nextToken());
        if (object != nullptr && object->getType() == type)
            found.push_back(static_cast<CMC_Scene*>(object));
    }
    return found;
}

CMC_Scene* CMC_Scene::startChild(const CXString& name)
{
    CMC_Scene* named = name.IsString() ? find(name) : nullptr;
    return named != nullptr ? named : childAt(0);
}

CMC_Scene* CMC_Scene::childAt(int index) const
{
    if (index < 0 || index >= children_->getSize())
        return nullptr;
    return static_cast<CMC_Scene*>(children_->at(index));
}

int CMC_Scene::getSubId(CMC_Scene* child) const
{
    return child != nullptr ? children_->find(child) : -1;
}

CMC_Scene* CMC_Scene::parentScene()
{
    return dynamic_cast<CMC_Scene*>(getParent());
}

void CMC_Scene::deleteChildren()
{
    // A name listed twice, or by two containers, is owned once: by the parent it has now. Once
    // this container's destruction began, its children see no parent.
    for (const CMC_ObjectRef& child : snapshot(children_)) {
        auto* scene = static_cast<CMC_Scene*>(child.get());
        CMC_ObjectsContainer* parent = scene != nullptr ? scene->getParent() : nullptr;
        if (scene != nullptr && (parent == this || parent == nullptr))
            destroySilently(scene);
    }
    children_->removeAll();
}

CMC_Scene* CMC_Scene::getScene(const CXString& name)
{
    if (getName() == name)
        return this;
    for (int i = 0; i < children_->getSize(); ++i) {
        if (CMC_Scene* found = childAt(i)->getScene(name))
            return found;
    }
    return nullptr;
}

CMC_Scene* CMC_Scene::find(const CXString& name)
{
    for (int i = 0; i < children_->getSize(); ++i) {
        if (childAt(i)->getName().equals(name))
            return childAt(i);
    }
    return nullptr;
}

CMC_Scene* CMC_Scene::getCurrentScene()
{
    return current_.get();
}

CMC_Application* CMC_Scene::getMCApplication()
{
    CMC_Scene* parent = parentScene();
    return parent != nullptr ? parent->getMCApplication() : nullptr;
}

// ---- changes of child -------------------------------------------------------------------------

void CMC_Scene::_goto(const CXString& name)
{
    pending_ = find(name);
}

void CMC_Scene::_goto(CMC_Scene* target, CMC_Scene* current)
{
    unload(target);
    current_ = target;
    target->initialize(current);
    history_->add(target);
}

void CMC_Scene::restart()
{
    if (children_->isEmpty())
        return;
    pending_ = childAt(0);
    if (hasHandler("ONRESTART"))
        onSignal("ONRESTART");
}

bool CMC_Scene::domodal()
{
    // Cleared first: a change requested while the target starts waits for the next turn.
    if (CMC_Scene* target = pending_.get()) {
        pending_ = nullptr;
        _goto(target, current_.get());
    }
    CMC_Scene* live = current_.get();
    bool answer = live != nullptr && live->domodal();
    for (CMC_Object* object : getPerFrameObjects()) {
        if (auto* perTurn = dynamic_cast<CPerTurnObject*>(object))
            perTurn->flushDownloadFinished();
    }
    return answer;
}

// ---- becoming live ----------------------------------------------------------------------------

void CMC_Scene::enterDataFolder(const CXString& root)
{
    CFile::chDir(root + CFolder::DATA_FOLDER);
    if (path_.IsString())
        CFile::chDir(path_);
}

void CMC_Scene::enterSceneFolder()
{
    CFile::chDir(CWindowLink::rootPath());
    CXString relative = CFolder::DATA_FOLDER + "\\" + path_;
    // Files missing from the game folder are taken from the data root (the CD).
    if (CFile::chDir(relative) != 0 || !CFile::fileExists(getName() + ".cnv")) {
        CFile::chDir(CWindowLink::cdPath());
        CFile::chDir(relative);
    }
}

bool CMC_Scene::initialize(CMC_Scene* previous)
{
    CWindow* window = getWindow();
    if (window != nullptr)
        window->BeginWaitCursor();
    unit_ = getDefUnit();
    if (dlls_.IsString())
        resolveDLLs(dlls_);
    enterSceneFolder();
    if (unit_ != nullptr) {
        previousUnitName_ = unit_->getUnitName();
        unit_->setUnitName(getName());
        loadCnv();
        unit_->setBackgroundFileName(background_);
        initializeUnit();
        onInit();
        runInitBehaviour();
        if (hasHandler("ONINIT"))
            onSignal("ONINIT");
        applyMusicRule(previous);
    }
    if (window != nullptr)
        window->EndWaitCursor();
    visiting_ = true;
    startTick_ = platform::clock().tickMs();
    return true;
}

void CMC_Scene::initializeUnit()
{
    unit_->initialize(this, defaultUnit);
    // Script calls on the episode and the application resolve their names in the live scene.
    if (CMC_ObjectsContainer* parent = getParent()) {
        parent->setScene(this);
        if (CMC_ObjectsContainer* grandparent = parent->getParent())
            grandparent->setScene(this);
    }
}

void CMC_Scene::onInit()
{
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        CMC_Object* object = held.get();
        if (object == nullptr)
            continue;
        bool treeObject = script::isApplicationTreeType(object->getType());
        if (!treeObject || (object == this && getType() != script::TYPE_SCENE))
            object->init();
    }
}

void CMC_Scene::applyMusicRule(CMC_Scene* previous)
{
    musicFlag_ = true;
    if (previous != nullptr && previous->getMusicFilename().equalsIgnoreCase(getMusicFilename()))
        musicFlag_ = false;
}

bool CMC_Scene::loadCnv()
{
    // The objects are this container's own, made with its own modules, whatever scene was live
    // below it last (the live scene becomes its parents' scene).
    setScene(this);
    if (binary_)
        return loadObjectFile();
    CXString file = getName() + ".cnv";
    if (!CFile::fileExists(file))
        return false;
    CMElements* elements = CMElementsLoader::load(getWindow(), file);
    if (elements == nullptr)
        return false;
    CMC_ObjectRef self(this);
    CMElements* resolving = unit_ != nullptr ? unit_->resolveObjects(this, elements) : elements;
    delete resolveObjects(resolving);
    if (self.isAlive()) {
        for (int i = 0; i < elements->getSize(); ++i) {
            CMElement* own = elements->getAt(i);
            if (own != nullptr && own->getName() == getName()) {
                initializeBehaviours(this, own);
                break;
            }
        }
    }
    delete elements;
    return false;
}

// ---- leaving ----------------------------------------------------------------------------------

void CMC_Scene::unload(CMC_Scene* next)
{
    if (CMC_ObjectsContainer* parent = getParent())
        parent->onSubSceneDone(this);
    saveStats();
    CMouseObjectLink::resetMouseObject(windowOf(this), true);
    flushBehList();
    unload();
    if (!isDestroying())
        doneDLLs();
    if (unit_ != nullptr) {
        unit_->done(this, next != nullptr ? defaultUnit : nullptr);
        unit_->flushEditBoxes();
        unit_->setUnitName(previousUnitName_);
    }
    if (next == nullptr || !next->getMusicFilename().equalsIgnoreCase(getMusicFilename()))
        stopMusic();
}

void CMC_Scene::unload()
{
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        CMC_Object* object = held.get();
        if (object != nullptr && script::isApplicationTreeType(object->getType()))
            removeObject(object);
    }
    CMC_ObjectsContainer::unload();
}

void CMC_Scene::saveStats()
{
    // A scene that was not live has nothing to add: writing its values back unchanged would cost
    // a file write for every scene at every teardown.
    bool visited = visiting_;
    visiting_ = false;
    CConfig* config = CGameConfigLink::configOf(getWindow());
    if (config == nullptr || !visited)
        return;
    // Whole seconds of the tick count, as the tick count itself wraps.
    uint32_t elapsed = platform::clock().tickMs() - startTick_;
    int seconds = static_cast<int>((startTick_ % 1000 + elapsed) / 1000);
    config->PutInt(getName(), "Time", config->GetInt(getName(), "Time") + seconds);
    config->PutInt(getName(), "Played", config->GetInt(getName(), "Played") + 1);
}

// ---- plug-in modules -------------------------------------------------------------------------

void CMC_Scene::resolveDLLs(const CXString& list)
{
    doneDLLs();
    CStringTokenizer names(list, ",");
    while (names.hasMoreTokens()) {
        CXString name = names.nextToken();
        name.AllTrim(' ');
        if (name.IsString())
            modules_.push_back(std::make_unique<CMC_DLLExModuleInterface>(name, this));
    }
}

void CMC_Scene::doneDLLs()
{
    // In list order; the vector is emptied only after, as a module's teardown may look at it.
    for (std::unique_ptr<CMC_DLLExModuleInterface>& module : modules_)
        module.reset();
    modules_.clear();
}

CMC_Object* CMC_Scene::firstMadeByModules(const std::function<CMC_Object*(CMC_DLLExModuleInterface&)>& make)
{
    for (const std::unique_ptr<CMC_DLLExModuleInterface>& module : modules_) {
        if (CMC_Object* made = make(*module))
            return made;
    }
    return nullptr;
}

CMC_Object* CMC_Scene::resolveEx(CMElement* element)
{
    return firstMadeByModules([&](CMC_DLLExModuleInterface& module) { return module.resolve(this, element); });
}

CMC_Object* CMC_Scene::serializeEx(CXArchive* archive, int typeId)
{
    return firstMadeByModules([&](CMC_DLLExModuleInterface& module) { return module.serialize(typeId, archive); });
}

// ---- compiled form ----------------------------------------------------------------------------

bool CMC_Scene::isBinary()
{
    return binary_;
}

bool CMC_Scene::isLive()
{
    CMC_Scene* parent = parentScene();
    if (parent == nullptr)
        return getType() == script::TYPE_APPLICATION;
    return parent->getCurrentScene() == this && parent->isLive();
}

void CMC_Scene::serialize(CXArchive* archive)
{
    if (archive == nullptr)
        return;
    if (!archive->isStoring()) {
        readRecord(archive);
        return;
    }
    CMC_Object::serialize(archive);
    *archive << path_;
    storeObjectFile();
}

void CMC_Scene::readRecord(CXArchive* archive)
{
    CFile* file = archive->GetFileHandle();
    int start = file->Tell();
    CMC_Object::serialize(archive);
    int end = file->Tell();
    storedRecord_.assign(static_cast<size_t>(std::max(end - start, 0)), '\0');
    file->Seek(start, 0);
    file->Read(storedRecord_.data(), static_cast<int>(storedRecord_.size()));
    file->Seek(end, 0);
    *archive >> &path_;
    // Filed again under the name just read.
    addObject(this);
}

void CMC_Scene::restoreOwnHandlers()
{
    if (storedRecord_.empty())
        return;
    CFile_Stream record(storedRecord_.data(), static_cast<int>(storedRecord_.size()));
    CXArchive archive(&record, false);
    CMC_Object::serialize(&archive);
}

CXString CMC_Scene::objectFilePath()
{
    return CPath::getFullPath(CWindowLink::rootPath() + CFolder::DATA_FOLDER, path_, getName() + ".bin");
}

void CMC_Scene::storeObjectFile()
{
    CMC_CompiledFile file(getWindow(), objectFilePath(), true);
    if (!file.isOpen()) {
        log((CXString("Compiled objects not written: ") + objectFilePath()).c_str(), false);
        return;
    }
    *file.archive() << dlls_ << background_ << music_;
    file.writeRecords(this);
}

bool CMC_Scene::loadObjectFile()
{
    enterDataFolder(CWindowLink::rootPath());
    CMC_CompiledFile file(getWindow(), getName() + ".bin", false);
    if (!file.isOpen())
        return true;
    *file.archive() >> &dlls_ >> &background_ >> &music_;
    // The modules make their objects' records too; the application loads none.
    if (dlls_.IsString() && modules_.empty() && getType() != script::TYPE_APPLICATION)
        resolveDLLs(dlls_);
    restoreOwnHandlers();
    CMC_ObjectRef self(this);
    std::vector<CMC_ObjectRef> read = file.readRecords(this);
    if (!self.isAlive())
        return true;
    // Handlers are bound by name once every object of the file exists.
    initializeBehaviours(this, nullptr);
    for (const CMC_ObjectRef& held : read) {
        if (CMC_Object* object = held.get())
            object->initializeBehaviours(this, nullptr);
    }
    return true;
}

void CMC_Scene::storeCompiled(CXArchive* archive)
{
    bool loadHere = !isLive();
    bool hadModules = !modules_.empty();
    if (loadHere) {
        enterDataFolder(CWindowLink::cdPath());
        if (dlls_.IsString() && !hadModules)
            resolveDLLs(dlls_);
        loadCnv();
    }
    serialize(archive);
    if (!loadHere)
        return;
    CMC_Scene::unload();
    if (!hadModules)
        doneDLLs();
}

// ---- music ------------------------------------------------------------------------------------

CXString CMC_Scene::getMusicFilename()
{
    if (music_.IsString())
        return music_;
    CMC_Scene* parent = parentScene();
    return parent != nullptr ? parent->getMusicFilename() : CXString();
}

bool CMC_Scene::shouldMusicBeStarted()
{
    return musicFlag_;
}

void CMC_Scene::startMusic(const char* name, bool force)
{
    if (unit_ == nullptr)
        return;
    if (name != nullptr && !getMusicFilename().equalsIgnoreCase(name)) {
        music_ = name;
        musicFlag_ = true;
    }
    unit_->startMusic(name, force);
}

void CMC_Scene::stopMusic()
{
    if (unit_ != nullptr)
        unit_->stopMusic();
    musicFlag_ = true;
}

// ---- queries ----------------------------------------------------------------------------------

void CMC_Scene::getRunningTimers(CMC_Groupped* group)
{
    if (group == nullptr)
        return;
    group->removeAll();
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        auto* timer = dynamic_cast<CMC_Timer*>(held.get());
        if (timer != nullptr && timer->isEnabled())
            group->add(timer);
    }
}

void CMC_Scene::getPlayingAnimo(CMC_Groupped* group)
{
    if (group == nullptr)
        return;
    group->removeAll();
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        auto* animo = dynamic_cast<CAnimoHolder*>(held.get());
        CPlayable* playable = animo != nullptr ? animo->getAnimoPlayable() : nullptr;
        if (playable != nullptr && playable->isPlaying())
            group->add(held.get());
    }
}

void CMC_Scene::getPlayingSeq(CMC_Array* array)
{
    if (array == nullptr)
        return;
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        auto* sequence = dynamic_cast<CSequenceHolder*>(held.get());
        CPlayable* playable = sequence != nullptr ? sequence->getSequencePlayable() : nullptr;
        if (playable == nullptr || !playable->isPlaying())
            continue;
        CMC_String* name = CMC_VariableFactory::makeString(held.get()->getName());
        array->add(name);
        CMC_Object::flush(name);
    }
}

void CMC_Scene::resumeExcept(CMC_Array* array)
{
    if (array == nullptr)
        return;
    for (const CMC_ObjectRef& held : snapshot(getObjects())) {
        auto* sequence = dynamic_cast<CSequenceHolder*>(held.get());
        CPlayable* playable = sequence != nullptr ? sequence->getSequencePlayable() : nullptr;
        if (playable != nullptr && playable->isPaused() && array->getElements()->containsString(held.get()->getName()))
            playable->resume();
    }
}

// ---- objects made by scripts ------------------------------------------------------------------

CMC_Object* CMC_Scene::createObject(const CXString& type, const CXString& name)
{
    CMC_Object* made = nullptr;
    if (type == "BUTTON")
        made = makeButtonObject(name);
    else if (type == "VGO")
        made = makeVirtualGraphicsObject(name);
    if (made == nullptr)
        return nullptr;
    CMC_ObjectRef alive(made);
    made->initializeBehaviours(this, nullptr);
    if (!alive.isAlive())
        return nullptr;
    addObject(made);
    return made;
}

CMC_Object* CMC_Scene::makeButtonObject(const CXString& name)
{
    CWindow* window = getWindow();
    if (window == nullptr || !CButtonObjectMaker::hasMaker())
        return nullptr;
    auto* button = new CButton(window, CXRect(), 0, nullptr);
    if (unit_ != nullptr)
        button->addNotifier(unit_);
    button->Enable(true);
    button->setUnit(getDefUnit());
    CMC_Object* made = CButtonObjectMaker::make(this, button, name);
    if (made == nullptr)
        delete button;
    return made;
}

CMC_Object* CMC_Scene::makeVirtualGraphicsObject(const CXString& name)
{
    CWindow* window = getWindow();
    if (window == nullptr || !CVirtualGraphicsObjectMaker::hasMaker())
        return nullptr;
    auto* made = new CVirtualGraphicsObject(window);
    made->Visible(true);
    if (CRefreshScreen* screen = window->GetRefreshScreenInterface())
        screen->put(made, 0);
    CMC_Object* wrapped = CVirtualGraphicsObjectMaker::make(this, made, name);
    if (wrapped == nullptr)
        delete made;
    return wrapped;
}

// ---- collisions ------------------------------------------------------------------------------

CCollisionInspector* CMC_Scene::collisionInspector()
{
    CWindow* window = getWindow();
    return window != nullptr ? window->getCollisionInspectorInterface() : nullptr;
}

void CMC_Scene::monitorCollisions(CGraphicsObject* object, bool alphaTest, CCollisionObserver* observer)
{
    CCollisionInspector* inspector = collisionInspector();
    if (object == nullptr || inspector == nullptr || std::find(monitored_.begin(), monitored_.end(), object) != monitored_.end())
        return;
    inspector->addNotifier(observer);
    inspector->addMonitoredObject(object, alphaTest);
    // Watched by boxes or by alpha, its moves must reach the inspector either way.
    object->setMonitorCollisions(true);
    monitored_.push_back(object);
}

void CMC_Scene::removeMonitorCollisions(CGraphicsObject* object, CCollisionObserver* observer)
{
    if (CCollisionInspector* inspector = collisionInspector()) {
        inspector->removeNotifier(observer);
        inspector->removeMonitoredObject(object);
    }
    std::erase(monitored_, object);
}

CXString CMC_Scene::getPath()
{
    return path_;
}

bool CMC_Scene::isDeamon()
{
    return deamon_;
}

// ---- the default unit -------------------------------------------------------------------------

CUnit6* CMC_Scene::getDefUnit()
{
    return defaultUnit;
}

void CMC_Scene::doneDefUnit()
{
    delete defaultUnit;
    defaultUnit = nullptr;
}
