#include "application/CApplication.h"

#include "application/CMC_Application.h"
#include "application/CMC_Application_Runner.h"
#include "application/CMC_Episode_Runner.h"
#include "application/CMC_Scene_Runner.h"
#include "application/CMC_StructureParser.h"
#include "application/CMC_System_Runner.h"
#include "application/CNetworkTurnLink.h"
#include "application/CUnit6.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CFolder.h"
#include "foundation/CPath.h"
#include "foundation/CResourcesManager.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CHotSpot.h"
#include "graphics/CWindow.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "sound/CSoundCodec.h"
#include "sound/CSoundManager.h"

namespace {

const char kDefinitionFile[] = "application.def";
const char kSoundFolder[] = "Wavs";
constexpr int kNoApplication = 3000;

// The method tables of the application tree and of SYSTEM, made with the others when the tree is
// built.
void registerApplicationRunners()
{
    CMC_RunnerFactory::registerRunner(script::TYPE_APPLICATION, [] { return new CMC_Application_Runner(); });
    CMC_RunnerFactory::registerRunner(script::TYPE_EPISODE, [] { return new CMC_Episode_Runner(); });
    CMC_RunnerFactory::registerRunner(script::TYPE_SCENE, [] { return new CMC_Scene_Runner(); });
    CMC_RunnerFactory::registerRunner(script::TYPE_SYSTEM, [] { return new CMC_System_Runner(); });
}

} // namespace

CApplication::CApplication(CWindow* window, const CXString& iniName, const CXString& dataArchiveName, CCommandLine6* commandLine)
    : window_(window), animationManager_(std::make_unique<CAnimationManager>()),
      soundManager_(std::make_unique<CSoundManager>()), commandLine_(commandLine), iniName_(iniName),
      dataArchiveName_(dataArchiveName)
{
    CAnimationManager::install(animationManager_.get());
    CSoundManager::install(soundManager_.get());
    CSoundCodec::init_codecs();
    registerApplicationRunners();
    if (dataArchiveName_.IsString())
        CFile::openBigFile(dataArchiveName_);
    if (window_ != nullptr)
        window_->SetApplicationInterface(this);
    if (iniName_.IsString())
        config_ = std::make_unique<CConfig>(CWindow::rootPath + iniName_);
    CGameConfigLink::install(this);
    CCommandLineSource::install(this);
    CMusicLoopLink::install(this);
    CScreenUnitLink::install(this);
}

CApplication::~CApplication()
{
    deleteTree();
    config_.reset();
    resources_.reset();
    CAnimationManager::install(nullptr);
    animationManager_.reset();
    CSoundCodec::done_codecs();
    CSoundManager::install(nullptr);
    soundManager_.reset();
    CFile::closeBigFile();
    CHotSpot::done();
    CScreenUnitLink::install(nullptr);
    CMusicLoopLink::install(nullptr);
    CCommandLineSource::install(nullptr);
    CGameConfigLink::install(nullptr);
    if (window_ != nullptr && window_->GetApplicationInterface() == this)
        window_->SetApplicationInterface(nullptr);
}

bool CApplication::findCD(const CXString& fileName, bool keepFolder)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (platform::drives().typeOf(letter) != platform::DriveType::CdRom)
            continue;
        CXString root = "x:\\";
        root.getBuffer()[0] = letter;
        if (!platform::files().fileExists((root + fileName).c_str()))
            continue;
        if (!keepFolder)
            CFile::chDir(root);
        return true;
    }
    return false;
}

void CApplication::preinitializeApplication(bool skipCdSearch)
{
    bool onHardDisk = commandLine_ != nullptr && commandLine_->isHdd();
    if (!skipCdSearch && !onHardDisk && !findCD(iniName_, false))
        return;
    resources_ = std::make_unique<CResourcesManager>(window_);
    CXString path = commandLine_ != nullptr ? commandLine_->getPath() : CXString();
    if (path.IsString())
        CFile::chDir(path);
    enterGameFolder();
    bool compiled = (commandLine_ == nullptr || !commandLine_->isForceCNV()) && CFile::fileExists(CMC_Application::kTreeFile);
    if (compiled)
        loadCompiled();
    else
        loadDefinition();
    if (application_ == nullptr)
        return;
    // Writing the compiled form is a tool's run: no scene is entered.
    if (commandLine_ != nullptr && commandLine_->is2Bin()) {
        application_->storeBinary();
        return;
    }
    application_->initialize(nullptr);
}

void CApplication::enterGameFolder()
{
    CPath current(window_);
    CWindow::setCDPath(current.GetFullPath(""));
    if (window_ != nullptr)
        window_->SetSoundFXPath(current.GetFullPath(kSoundFolder));
    CFile::chDir(CFolder::DATA_FOLDER);
}

void CApplication::loadDefinition()
{
    parser_ = std::make_unique<CMC_StructureParser>(window_, kDefinitionFile);
    application_ = parser_->getMCApplication();
    if (application_ == nullptr)
        setErrorCode(kNoApplication);
}

void CApplication::loadCompiled()
{
    // What the parser does for a tree it builds.
    CMC_VariableFactory::initialize();
    CMC_RunnerFactory::initialize();
    compiledFactories_ = true;
    application_ = new CMC_Application(window_);
    if (application_->LastError() == 0)
        return;
    CMC_Object::destroySilently(application_);
    application_ = nullptr;
    setErrorCode(kNoApplication);
}

void CApplication::deleteTree()
{
    CMC_Object::destroySilently(application_);
    application_ = nullptr;
    // After the application: the parser ends the factories its teardown still used.
    parser_.reset();
    if (compiledFactories_) {
        CMC_VariableFactory::done();
        CMC_RunnerFactory::done();
        compiledFactories_ = false;
    }
}

bool CApplication::domodal()
{
    // Received messages first, so the scene's turn sees what they changed.
    if (CNetworkTurnLink* network = CNetworkTurnLink::installed())
        network->domodal();
    if (application_ != nullptr && application_->domodal())
        switchToGame(application_->getNextGame());
    return false;
}

void CApplication::switchToGame(const CXString& folder)
{
    // A name that is no folder of the program's changes nothing, not even the current folder,
    // and is seen again at the next turn.
    CXString gameFolder = CPath::getFullPath(CWindow::exePath, folder);
    if (!CFile::dirExists(gameFolder))
        return;
    if (window_ != nullptr)
        window_->BeginWaitCursor();
    CFile::chDir(gameFolder);
    deleteTree();
    enterGameFolder();
    loadDefinition();
    if (application_ != nullptr)
        application_->initialize(nullptr);
    if (window_ != nullptr)
        window_->EndWaitCursor();
}

bool CApplication::OnExit()
{
    return true;
}

void CApplication::OnWindowCommand(int)
{
}

int CApplication::OnKeyDown(int, int)
{
    return 0;
}

CXString CApplication::getWAVPath(const CXString& name)
{
    return window_ != nullptr ? window_->GetSoundFXFullPath(name) : name;
}

CMC_Object* CApplication::getApplicationObject()
{
    return application_;
}

CConfig* CApplication::getGameConfig(CWindow*)
{
    return config_.get();
}

CCommandLine6* CApplication::getCommandLine() const
{
    return commandLine_;
}

CScreenUnit* CApplication::getDefUnit()
{
    CUnit6* unit = CMC_Scene::getDefUnit();
    return unit != nullptr && unit->getScene() != nullptr ? unit : nullptr;
}

void CApplication::onMusicLooped()
{
    CMC_Scene* scene = application_;
    while (scene != nullptr && scene->getCurrentScene() != nullptr)
        scene = scene->getCurrentScene();
    if (scene != nullptr)
        scene->onSignal("ONMUSICLOOPED");
}
