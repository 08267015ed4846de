#include "player/CPlayer.h"

#include "application/CApplication.h"
#include "application/CMC_Application.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CFindData.h"
#include "foundation/CLanguageOSVer.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CPath.h"
#include "foundation/CXVersion.h"
#include "graphics/CIconFile.h"
#include "graphics/CWindow.h"
#include "network/CNetworkTypes.h"
#include "objects/CObjectTypes.h"
#include "platform/Clock.h"
#include "platform/ProgramLauncher.h"
#include "platform/SingleInstance.h"
#include "platform/TurnPacer.h"
#include "platform/WindowSystem.h"
#include "player/CPlayerMenu.h"
#include "player/CWebGameRun.h"
#include "player/MainWndProc.h"

#include <optional>

namespace {

const char kConfigFile[] = "Tamzora.ini";
const char kConfigSection[] = "MAIN";
const char kDefaultTitle[] = "Halvremont";
const char kDefinitionFile[] = "Dane\\Application.def";
const char kDemoElement[] = "DEMO";
const char kDataArchive[] = "data.bf";
const char kUpdater[] = "copy.exe";
const char kCdLauncher[] = "\\Autorun.exe";
const char kProduct[] = "Tamzora";
const char kWebProductSuffix[] = " WEB";
const char kNewerVersionText[] = "Aby uruchomic ten program wymagana jest nowsza wersja platformy ";
// Where the second window stands from the main one.
constexpr platform::ScreenPoint kSecondWindowOffset{1024, 0};
constexpr uint32_t kInactiveSleepMs = 100;

bool anyFileFits(const char* pattern)
{
    CFindData found;
    const int search = CFile::findFirst(pattern, &found);
    if (search < 0)
        return false;
    CFile::findClose(search);
    return true;
}

void showMessage(const CXString& caption, const CXString& text, platform::HostWindow* owner = nullptr)
{
    platform::windowSystem().showMessage(caption.c_str(), text.c_str(), owner);
}

} // namespace

CPlayer::CPlayer(const CXString& commandLineText) : commandLineText_(commandLineText) {}

CPlayer::~CPlayer()
{
    shutdown(EXIT_NORMAL);
}

bool CPlayer::IsUpdatePending()
{
    return anyFileFits("temp\\*.dll") || anyFileFits("temp\\*.exe");
}

int CPlayer::run()
{
    commandLine_ = std::make_unique<CCommandLine6>(commandLineText_);
    if (IsUpdatePending())
        handOverToUpdater();
    CWebGameRun::recordEngineVersion();
    if (commandLine_->isParameter("uninstall"))
        return shutdown(CWebGameRun::uninstall(*commandLine_));
    language_ = std::make_unique<CLanguageOSVer>();
    const CPath path(nullptr);
    startFolder_ = CFile::getCurrentDirectory();
    instance_ = std::make_unique<platform::SingleInstance>(kProduct);
    if (!instance_->isFirst())
        return shutdown(EXIT_REFUSED);
    if (path.isCD()) {
        handOverToCdLauncher();
        return shutdown(EXIT_REFUSED);
    }
    if (commandLine_->isGame()) {
        if (!CWebGameRun::install(*commandLine_, startFolder_))
            return shutdown(EXIT_REFUSED);
        if (commandLine_->isParameter("install")) {
            CWebGameRun::recordGameVersion(*commandLine_);
            return shutdown(EXIT_NORMAL);
        }
        enterWebGame();
    }
    readConfiguration(path);
    // A web game's data were installed on the disk: there is no CD to look for.
    const bool noCdSearch = isDemo() || commandLine_->isGame();
    if (!noCdSearch && !commandLine_->isHdd() && !CApplication::findCD(iniName_, true))
        return reportMissingCd();
    if (commandLine_->getDelay() > 0)
        secondWindow_ = CreateMainWindow(kSecondWindowOffset);
    mainWindow_ = CreateMainWindow(platform::ScreenPoint{});
    createWindowHost();
    createDisplay();
    // A window host that failed says why; the run cannot go on without a display.
    if (window_->LastError() != 0) {
        window_->ShowError(title_);
        return shutdown(EXIT_REFUSED);
    }
    createEngineHost(noCdSearch);
    CMC_Application* application = host_->getMCApplicationIfc();
    if (application != nullptr && engineIsRecentEnough(application))
        play(application);
    return shutdown(EXIT_NORMAL);
}

void CPlayer::enterWebGame()
{
    CFile::chDir(commandLine_->getPath());
    commandLine_->setAsHdd();
    commandLine_->setAsWindow();
    startTick_ = CWebGameRun::RecordTimesPlayed(*commandLine_);
}

void CPlayer::handOverToUpdater()
{
    platform::programLauncher().replaceProcess(kUpdater, {kUpdater, commandLineText_.c_str()});
}

void CPlayer::handOverToCdLauncher()
{
    // The drive's letter and colon, then the launcher's name from the root.
    const CXString program = startFolder_.Left(2) + kCdLauncher;
    platform::programLauncher().replaceProcess(program.c_str(), {kCdLauncher});
}

void CPlayer::readConfiguration(const CPath& path)
{
    const CConfig config(path.GetFullPath("", kConfigFile));
    title_ = config.GetString(kConfigSection, "TITLE");
    const CXString iconFile = config.GetString(kConfigSection, "ICON");
    iniName_ = config.GetString(kConfigSection, "INI");
    const CXString subFolder = config.GetString(kConfigSection, "SUBDIR");
    if (!title_.IsString())
        title_ = kDefaultTitle;
    if (!iniName_.IsString())
        iniName_ = kConfigFile;
    if (iconFile.IsString())
        CIconFile::load(iconFile, icon_);
    if (subFolder.IsString() && !commandLine_->getPath().IsString())
        commandLine_->setPath(subFolder);
}

bool CPlayer::isDemo()
{
    std::unique_ptr<CMElements> elements(CMElementsLoader::load(nullptr, kDefinitionFile));
    return elements != nullptr && elements->contains(kDemoElement);
}

int CPlayer::reportMissingCd()
{
    showMessage(title_, language_->getTextLocale(commandLine_->isGame() ? 2 : 1));
    return shutdown(EXIT_REFUSED);
}

std::unique_ptr<platform::HostWindow> CPlayer::CreateMainWindow(platform::ScreenPoint offset)
{
    const CXSize size = commandLine_->getResolution();
    platform::WindowSettings settings;
    settings.title = title_.c_str();
    settings.clientSize = platform::ScreenSize{size.cx, size.cy};
    settings.framed = commandLine_->isWindowMode() && !commandLine_->isNoFrame();
    settings.visible = false;
    std::unique_ptr<platform::HostWindow> window = platform::windowSystem().openWindow(settings);
    if (window == nullptr)
        return nullptr;
    if (!icon_.pixels.empty())
        window->setIcon(icon_);
    if (settings.framed) {
        const platform::Menu menu = CPlayerMenu::mainMenu();
        window->setMenu(&menu);
    }
    // Opened centred on the desktop; the offset moves it from there.
    if (offset.x != 0 || offset.y != 0) {
        const platform::ScreenPoint centre = window->clientOrigin();
        window->moveClient(platform::ScreenPoint{centre.x + offset.x, centre.y + offset.y}, settings.clientSize);
    }
    return window;
}

void CPlayer::createWindowHost()
{
    window_ = std::make_unique<CWindow>(mainWindow_.get(), commandLine_.get(), language_.get(), commandLine_->getResolution(),
                                        platform::CursorShape::Arrow, startFolder_, false);
    window_->OnActivateApp(true);
    window_->SetActiveCursor(platform::CursorShape::Hand);
    window_->SetWaitCursor(platform::CursorShape::Wait);
}

void CPlayer::createDisplay()
{
    if (window_->LastError() != 0)
        return;
    if (commandLine_->isWindowMode()) {
        // The second window, when there is one, shows the screen again, late.
        window_->CreateSurface(secondWindow_.get());
        return;
    }
    const CXSize size = commandLine_->getResolution();
    if (window_->SetDisplayMode(size, 16) != 0)
        window_->SetDisplayMode(size, 15);
}

void CPlayer::createEngineHost(bool noCdSearch)
{
    // The engine host makes the runners and the scene's objects: every type must be known first.
    CObjectTypes::registerAll();
    CNetworkTypes::registerAll();
    host_ = std::make_unique<CApplication>(window_.get(), iniName_, kDataArchive, commandLine_.get());
    host_->preinitializeApplication(noCdSearch);
}

bool CPlayer::engineIsRecentEnough(CMC_Application* application)
{
    const CXVersion* required = application->getPlatformVersion();
    if (required == nullptr || CXVersion::getCurrentVersion().verify(*required))
        return true;
    CXString product = kProduct;
    if (required->getType() == CXVersion::TYPE_TAMZORA_WEB)
        product += kWebProductSuffix;
    showMessage(product, kNewerVersionText + product, mainWindow_.get());
    return false;
}

void CPlayer::play(CMC_Application* application)
{
    MainWndProc procedure(window_.get());
    if (mainWindow_ != nullptr) {
        const platform::Menu* current = mainWindow_->menu();
        std::optional<platform::Menu> menu = current != nullptr ? std::optional(*current) : std::nullopt;
        CPlayerMenu::BuildSceneMenu(menu ? &*menu : nullptr, application);
        mainWindow_->setMenu(menu ? &*menu : nullptr);
        mainWindow_->show();
    }
    // The window's first paint comes at once, as it is shown.
    procedure.onPaint();
    mainLoop(procedure);
}

void CPlayer::mainLoop(MainWndProc& procedure)
{
    if (window_->domodal())
        return;
    platform::TurnPacer pacer;
    while (platform::windowSystem().pumpEvents(&procedure)) {
        if (window_->isActive())
            pacer.waitForNextTurn();
        else
            platform::clock().sleepMs(kInactiveSleepMs);
        if (window_->domodal())
            return;
    }
}

int CPlayer::shutdown(int exitCode)
{
    if (startTick_) {
        CWebGameRun::RecordTotalTime(*commandLine_, *startTick_);
        startTick_.reset();
    }
    host_.reset();
    window_.reset();
    mainWindow_.reset();
    secondWindow_.reset();
    commandLine_.reset();
    instance_.reset();
    return exitCode;
}
