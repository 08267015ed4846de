#include "graphics/CWindow.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CFile.h"
#include "foundation/CLanguageOSVer.h"
#include "foundation/CXRandom.h"
#include "foundation/CSharedMedium.h"
#include "foundation/CXTimer.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CCollisionInspector.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CDXMouse.h"
#include "graphics/CEngineHost.h"
#include "graphics/CHotSpot.h"
#include "graphics/CInputPoller.h"
#include "graphics/CKeyboard.h"
#include "graphics/CKeyListener.h"
#include "graphics/CMouseListener.h"
#include "graphics/CMouseObjectLink.h"
#include "graphics/CMusicPlayerIfc.h"
#include "graphics/CPublicTrash.h"
#include "graphics/CRefreshRegion.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CSecondaryDisplay.h"
#include "graphics/CSoundManagerLink.h"
#include "graphics/CSurface.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "graphics/CWindowLinks.h"
#include "graphics/CWindowSoundLink.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Input.h"
#include "platform/TimerService.h"
#include "platform/WindowSystem.h"
#include "script/CMC_Object.h"

#include <algorithm>

CXString CWindow::exePath;
CXString CWindow::rootPath;
CXString CWindow::cdPath;
bool CWindow::paused = false;

namespace {

template <class Item>
bool holds(const std::vector<Item*>& list, const Item* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

template <class Item>
void addOnce(std::vector<Item*>& list, Item* item)
{
    if (item != nullptr && !holds(list, item))
        list.push_back(item);
}

template <class Item>
void removeFrom(std::vector<Item*>& list, const Item* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Tells every item of the list in order. What an item does when told may change the list: the
// walk goes over a copy and skips the items gone meanwhile.
template <class Item, class Tell>
void tellEach(const std::vector<Item*>& list, Tell tell)
{
    const std::vector<Item*> items = list;
    for (Item* item : items) {
        if (holds(list, item))
            tell(item);
    }
}

} // namespace

CWindow::CWindow(platform::HostWindow* hostWindow, CCommandLine6* commandLine, CLanguageOSVer* language,
                 CXSize screenSize, platform::CursorShape mainCursor, const CXString& exePathText,
                 bool windowMessageMouse)
    : hostWindow_(hostWindow), language_(language), screenSize_(screenSize), commandLine_(commandLine),
      mainCursor_(mainCursor)
{
    exePath = exePathText;
    rootPath = CFile::getCurrentDirectory();
    CXRandom::seed(platform::clock().tickMs());
    if (language_ != nullptr)
        language_->setWindowIfc(this);
    if (commandLine_ != nullptr) {
        windowMode_ = commandLine_->isWindowMode();
        musicOn_ = commandLine_->isMusicEnabled();
        soundOn_ = commandLine_->isSoundEnabled();
        videoMemory_ = commandLine_->isVMem();
    }
    timers_ = std::make_unique<CXTimer>();
    trash_ = std::make_unique<CPublicTrash>(timers_.get());
    // What is made from here on may already reach the window's paths and timers through the links.
    links_ = std::make_unique<CWindowLinks>();
    SetCursor(mainCursor_);
    CWindowSoundLink::soundDeviceFor(this);
    musicPlayer_.reset(CWindowSoundLink::musicPlayerFor(this));
    // Both pollers register themselves.
    keyboard_ = std::make_unique<CKeyboard>(this);
    if (!windowMessageMouse)
        mouse_ = std::make_unique<CDXMouse>(this);
    collisions_ = std::make_unique<CCollisionInspector>();
    if (!windowMessageMouse)
        startPollerThread();
}

CWindow::~CWindow()
{
    stopPollerThread();
    // The trash goes first: objects it deletes may still reach the timers through the links.
    trash_.reset();
    releaseDisplay();
    musicPlayer_.reset();
    timers_.reset();
    keyboard_.reset();
    mouse_.reset();
    collisions_.reset();
    CWindowSoundLink::releaseSoundBuffers();
    links_.reset();
    CHotSpot::done();
}

int CWindow::Redraw(bool force)
{
    if (screen_ == nullptr || (!force && !isActive()))
        return 0;
    bool wholeScreen = false;
    if (screen_->Redraw(backSurface_.get(), display_.get(), &wholeScreen)) {
        // A flipped frame is drawn whole every time: the region is never emptied then.
        if (display_->IsFlippingEnabled())
            display_->Flip();
        else
            copyDirtyRectangles();
    }
    if (wholeScreen)
        Invalidate();
    display_->present(force);
    return 0;
}

void CWindow::copyDirtyRectangles()
{
    CRefreshRegion* region = screen_->getRefreshList();
    CXSize size = backSurface_->Size();
    for (int i = 0; i < region->getSize(); ++i) {
        CXRect* entry = region->rectAt(i);
        CXRect rect = entry != nullptr ? *entry : CXRect(0, 0, size.cx, size.cy);
        rect.right = std::min(rect.right, size.cx);
        rect.bottom = std::min(rect.bottom, size.cy);
        // The display's screen is the client area: its origin is the client origin.
        if (rect.Width() > 0 && rect.Height() > 0)
            display_->Blt(backSurface_.get(), rect.left, rect.top, &rect);
    }
    region->removeAll();
}

void CWindow::Invalidate()
{
    if (screen_ != nullptr)
        screen_->Invalidate(static_cast<CXRect*>(nullptr));
}

void CWindow::Invalidate(CXRect* rect)
{
    if (screen_ != nullptr)
        screen_->Invalidate(rect);
}

void CWindow::Invalidate(CGraphicsObject* object)
{
    if (screen_ != nullptr)
        screen_->Invalidate(object);
}

void CWindow::SetBackground(CGraphicsObject* object)
{
    if (screen_ != nullptr)
        screen_->SetBackground(object);
}

void CWindow::SetBackground(CColor* color)
{
    if (screen_ != nullptr)
        screen_->SetBackground(color);
}

void CWindow::SetBackground(const CXString& file)
{
    if (screen_ != nullptr)
        screen_->SetBackground(file);
}

void CWindow::removeFromScreen(CSharedMedium* medium)
{
    auto* picture = dynamic_cast<CGraphicsObject*>(medium);
    if (screen_ != nullptr && picture != nullptr)
        *screen_ >> picture;
}

int CWindow::CreateSurface(platform::HostWindow* mirrorWindow)
{
    releaseDisplay();
    display_ = std::make_unique<CSurface>(hostWindow_, screenSize_);
    setErrorCode(display_->LastError());
    if (LastError() == 0) {
        displayMade(screenSize_);
        if (mirrorWindow != nullptr) {
            const int delay = commandLine_ != nullptr ? commandLine_->getDelay() : 0;
            mirror_ = std::make_unique<CSecondaryDisplay>(mirrorWindow, this, delay);
            display_->setSecondaryDisplay(mirror_.get());
        }
    }
    return LastError();
}

int CWindow::SetDisplayMode(CXSize size, int bpp)
{
    if (size.cx == 0 || size.cy == 0)
        size = screenSize_;
    releaseDisplay();
    bool pageFlipping = commandLine_ != nullptr && commandLine_->isPageFlippingEnabled();
    display_ = std::make_unique<CSurface>(size, bpp, hostWindow_, pageFlipping);
    setErrorCode(display_->LastError());
    if (LastError() == 0)
        displayMade(size);
    else
        display_.reset();
    return LastError();
}

void CWindow::displayMade(CXSize size)
{
    // With page flipping the display's back buffer is drawn into; otherwise a surface of our own.
    backSurface_ = std::make_unique<CDirectDrawSurface>(this, display_->GetBackBufferInterface(), size, display_->GetBPP());
    screen_ = std::make_unique<CRefreshScreen>(this, false);
    if (display_->isWindowMode() && hostWindow_ != nullptr) {
        platform::ScreenPoint origin = hostWindow_->clientOrigin();
        screen_->SetPosition(origin.x, origin.y);
    }
}

void CWindow::releaseDisplay()
{
    screen_.reset();
    if (display_ != nullptr)
        display_->setSecondaryDisplay(nullptr);
    // The mirror's copies are surfaces of the display: they go before it.
    mirror_.reset();
    backSurface_.reset();
    display_.reset();
}

int CWindow::GetBpp() const
{
    return display_ != nullptr ? display_->GetBPP() : 0;
}

uint8_t* CWindow::GetScreenPtr() const
{
    return display_ != nullptr ? display_->GetScreenPtr() : nullptr;
}

CXSize CWindow::GetScreenSize() const
{
    return backSurface_ != nullptr ? backSurface_->Size() : screenSize_;
}

int CWindow::OnCreate()
{
    timers_->add(0, 1, static_cast<CWindowTimerTarget*>(this));
    return 0;
}

int CWindow::OnInitialUpdate()
{
    return 0;
}

int CWindow::OnTimer(int id)
{
    return 0;
}

int CWindow::OnActivateApp(bool active)
{
    if (active == isActive())
        return 0;
    // The poller thread reads the flag: it stops polling while the application is inactive.
    active_.store(active, std::memory_order_release);
    stopDraggingWindow();
    // Activation may come before there is any display.
    if (screen_ != nullptr) {
        if (active)
            screen_->onFocusOn();
        else
            screen_->onFocusOff();
    }
    if (active)
        CMouseObjectLink::restoreMouseObject(this);
    else
        CMouseObjectLink::resetMouseObject(this, false);
    return 0;
}

int CWindow::OnDestroy()
{
    stopPollerThread();
    platform::windowSystem().postQuit();
    return 0;
}

bool CWindow::OnExit()
{
    return host_ != nullptr ? host_->OnExit() : true;
}

int CWindow::OnMove(int x, int y)
{
    if (windowMode_ && screen_ != nullptr) {
        screen_->SetPosition(x, y);
        Invalidate();
    }
    return 0;
}

int CWindow::Tick()
{
    if (!isActive())
        return 0;
    Redraw(false);
    if (mirror_ != nullptr)
        mirror_->redraw();
    if (!hasPollerThread())
        tickPollers();
    timers_->domodal();
    if (CAnimationManager* animations = CAnimationManager::installed())
        animations->domodal();
    if (CSoundManagerLink* sounds = CSoundManagerLink::installed())
        sounds->domodal();
    collisions_->tick();
    deliverInput();
    return 0;
}

bool CWindow::domodal()
{
    Tick();
    const bool hostEnds = host_ != nullptr && host_->domodal();
    return hostEnds || quit_;
}

void CWindow::startPollerThread()
{
    pollerTimers_ = &platform::timers();
    pollerTimer_ = pollerTimers_->add(pollerPeriodMs, [this] { pollDevices(); });
}

void CWindow::stopPollerThread()
{
    if (pollerTimer_ == 0)
        return;
    pollerTimers_->remove(pollerTimer_);
    pollerTimer_ = 0;
}

void CWindow::pollDevices()
{
    // The main thread may hold the lock while it stops the poller, waiting for this very call to
    // end: never block on it.
    if (!isActive() || !lock_.tryEnter())
        return;
    tickPollers();
    lock_.leave();
}

void CWindow::tickPollers()
{
    tellEach(pollers_, [](CInputPoller* poller) { poller->tick(); });
}

void CWindow::deliverInput()
{
    // Without a poller thread nobody else takes the lock, so holding it costs nothing.
    platform::CriticalSection::Scoped hold(lock_);
    tellEach(pollers_, [](CInputPoller* poller) { poller->flushSignals(true); });
    tellEach(mcListeners_, [](CMC_Object* object) { object->flush(); });
}

int CWindow::offerToHotSpots(MouseEvent event, CXPoint point)
{
    return CHotSpot::OnMouseEvent(event, point, 0);
}

int CWindow::offerKeyDownToHotSpots(int key, int data)
{
    return CHotSpot::OnKeyDown(key, data);
}

int CWindow::offerKeyUpToHotSpots(int key, int data)
{
    return CHotSpot::OnKeyUp(key, data);
}

template <class Ask>
bool CWindow::offerToMouseListeners(Ask ask)
{
    // A listener may register or leave others while it answers: walk a copy, skip the ones gone.
    const std::vector<MouseListenerEntry> entries = mouseListeners_;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (findMouseListener(entry->listener) >= 0 && ask(entry->listener))
            return true;
    }
    return false;
}

int CWindow::OnMouseMove(CXPoint point, int flags)
{
    if (!acceptsMouse(flags))
        return 0;
    dragWindow(point);
    if (const int taken = offerToHotSpots(MOUSE_MOVE, point))
        return taken;
    return offerToMouseListeners([point](CMouseListener* listener) { return listener->onMouseMove(point); }) ? 1 : 0;
}

int CWindow::OnLButtonDown(CXPoint point, int flags)
{
    if (!acceptsMouse(flags))
        return 0;
    if (const int taken = offerToHotSpots(LBUTTON_DOWN, point))
        return taken;
    offerToMouseListeners(
        [point](CMouseListener* listener) { return listener->onClick(point) || listener->onClick(0, point); });
    return 0;
}

int CWindow::OnLButtonUp(CXPoint point, int flags)
{
    if (!acceptsMouse(flags))
        return 0;
    const int taken = offerToHotSpots(LBUTTON_UP, point);
    offerToMouseListeners(
        [point](CMouseListener* listener) { return listener->onRelease(point) || listener->onRelease(0, point); });
    return taken;
}

int CWindow::OnLButtonDblClk(CXPoint point, int flags)
{
    if (!mouseEnabled_)
        return 0;
    const int taken = offerToHotSpots(LBUTTON_DBLCLK, point);
    offerToMouseListeners([point](CMouseListener* listener) { return listener->onDblClick(point); });
    return taken;
}

int CWindow::OnMButtonDown(CXPoint point, int flags)
{
    return dispatchToBoth(MBUTTON_DOWN, point, flags, 1, true);
}

int CWindow::OnMButtonUp(CXPoint point, int flags)
{
    return dispatchToBoth(MBUTTON_UP, point, flags, 1, false);
}

int CWindow::OnRButtonDown(CXPoint point, int flags)
{
    return dispatchToBoth(RBUTTON_DOWN, point, flags, 2, true);
}

int CWindow::OnRButtonUp(CXPoint point, int flags)
{
    return dispatchToBoth(RBUTTON_UP, point, flags, 2, false);
}

int CWindow::dispatchToBoth(MouseEvent event, CXPoint point, int flags, int button, bool press)
{
    if (!acceptsMouse(flags))
        return 0;
    const int taken = offerToHotSpots(event, point);
    offerToMouseListeners([point, button, press](CMouseListener* listener) {
        return press ? listener->onClick(button, point) : listener->onRelease(button, point);
    });
    return taken;
}

int CWindow::OnKeyDown(int key, int data)
{
    if (host_ == nullptr)
        return 0;
    int result = host_->OnKeyDown(key, data);
    if (result == 0)
        result = offerKeyDownToHotSpots(key, data);
    tellEach(keyListeners_, [key](CKeyListener* listener) { listener->onKeyDown(key); });
    return result;
}

int CWindow::OnKeyUp(int key, int data)
{
    tellEach(keyListeners_, [key](CKeyListener* listener) { listener->onKeyUp(key); });
    return offerKeyUpToHotSpots(key, data);
}

int CWindow::OnChar(int ch, int data)
{
    tellEach(keyListeners_, [ch](CKeyListener* listener) { listener->onChar(static_cast<unsigned char>(ch)); });
    return 0;
}

void CWindow::registerMouseListener(CMouseListener* listener, int priority)
{
    if (listener == nullptr || findMouseListener(listener) >= 0)
        return;
    const auto place = std::upper_bound(mouseListeners_.begin(), mouseListeners_.end(), priority,
                                        [](int wanted, const MouseListenerEntry& entry) { return wanted < entry.priority; });
    mouseListeners_.insert(place, MouseListenerEntry{listener, priority});
}

void CWindow::removeMouseListener(CMouseListener* listener)
{
    const int index = findMouseListener(listener);
    if (index >= 0)
        mouseListeners_.erase(mouseListeners_.begin() + index);
}

void CWindow::setMouseCaption(CMouseListener* listener)
{
    if (listener == nullptr || mouseListeners_.empty() || mouseListeners_.back().listener == listener)
        return;
    mouseListeners_.back().listener->onLooseFocus();
    removeMouseListener(listener);
    listener->onSetFocus();
    registerMouseListener(listener, captionPriority);
}

int CWindow::findMouseListener(CMouseListener* listener) const
{
    for (size_t i = 0; i < mouseListeners_.size(); ++i) {
        if (mouseListeners_[i].listener == listener)
            return static_cast<int>(i);
    }
    return -1;
}

void CWindow::registerKeyListener(CKeyListener* listener)
{
    addOnce(keyListeners_, listener);
}

void CWindow::removeKeyListener(CKeyListener* listener)
{
    removeFrom(keyListeners_, listener);
}

void CWindow::registerMCListener(CMC_Object* object)
{
    addOnce(mcListeners_, object);
}

void CWindow::removeMCListener(CMC_Object* object)
{
    removeFrom(mcListeners_, object);
}

void CWindow::addIPoller(CInputPoller* poller)
{
    platform::CriticalSection::Scoped hold(lock_);
    addOnce(pollers_, poller);
}

void CWindow::removeIPoller(CInputPoller* poller)
{
    platform::CriticalSection::Scoped hold(lock_);
    removeFrom(pollers_, poller);
}

void CWindow::removeAllIPollers()
{
    platform::CriticalSection::Scoped hold(lock_);
    pollers_.clear();
}

void CWindow::SetTimer(int id, unsigned periodMs, CUnitTimerTarget* unit, bool onlyWhenActive)
{
    if (unit != nullptr)
        timers_->add(id, periodMs, unit, onlyWhenActive);
    else
        timers_->add(id, periodMs, static_cast<CWindowTimerTarget*>(this));
}

void CWindow::KillTimer(int id)
{
    timers_->remove(id);
}

void CWindow::StartMusic(const CXString& file, bool loop)
{
    if (musicPlayer_ == nullptr || !soundOn_ || !musicOn_)
        return;
    const CXString path = rootPath + file;
    // The piece already playing goes on, whatever the case of its name.
    if (musicPlayer_->isPlaying() && musicPlayer_->getFileName().equalsIgnoreCase(path))
        return;
    musicPlayer_->stop();
    musicPlayer_->play(path, loop);
}

void CWindow::StopMusic()
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->stop();
}

void CWindow::PauseMusic()
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->pause();
}

void CWindow::ResumeMusic()
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->resume();
}

bool CWindow::isMusicPlaying()
{
    return musicPlayer_ != nullptr && musicPlayer_->isPlaying();
}

int CWindow::getMusicVolume()
{
    // Without a player the music is as loud as it gets: 0 hundredths of a decibel down.
    return musicPlayer_ != nullptr ? musicPlayer_->getVolume() : 0;
}

void CWindow::setMusicVolume(int volume)
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->setVolume(volume);
}

void CWindow::setMusicPan(int pan)
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->setPan(pan);
}

void CWindow::setMusicFreq(int frequency)
{
    if (musicPlayer_ != nullptr)
        musicPlayer_->setFreq(frequency);
}

void CWindow::SetCursor(platform::CursorShape cursor)
{
    if (!cursorLocked_ && hostWindow_ != nullptr)
        hostWindow_->setCursor(cursor);
}

void CWindow::BeginActiveCursor()
{
    if (activeCursor_ != platform::CursorShape::None && !activeCursorLocked_)
        SetCursor(activeCursor_);
}

void CWindow::BeginWaitCursor()
{
    if (waitCursor_ != platform::CursorShape::None)
        SetCursor(waitCursor_);
}

void CWindow::EndActiveCursor()
{
    if (mainCursor_ != platform::CursorShape::None)
        SetCursor(mainCursor_);
}

void CWindow::lockActiveCursor(bool locked)
{
    EndActiveCursor();
    activeCursorLocked_ = locked;
}

void CWindow::ShowCursor()
{
    if (hostWindow_ != nullptr)
        hostWindow_->showCursor(true);
}

void CWindow::HideCursor()
{
    if (hostWindow_ != nullptr)
        hostWindow_->showCursor(false);
}

void CWindow::enableMouse(bool enabled)
{
    mouseEnabled_ = enabled;
    if (enabled)
        EndActiveCursor();
    else
        BeginWaitCursor();
}

CXPoint CWindow::GetCursorPos() const
{
    const platform::InputPoint pointer = platform::input().pointer();
    return CXPoint(pointer.x, pointer.y);
}

void CWindow::SetCursorPos(CXPoint clientPoint)
{
    if (hostWindow_ != nullptr)
        hostWindow_->warpCursor(platform::ScreenPoint{clientPoint.x, clientPoint.y});
}

void CWindow::ClipCursor(const CXRect* desktopRect)
{
    if (hostWindow_ == nullptr)
        return;
    if (desktopRect == nullptr) {
        hostWindow_->confineCursor(nullptr);
        return;
    }
    // The desktop's rectangle into the client area's.
    const platform::ScreenPoint origin = hostWindow_->clientOrigin();
    const CXRect rect = *desktopRect - CXPoint(origin.x, origin.y);
    const platform::ScreenRect client{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
                                      std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
    hostWindow_->confineCursor(&client);
}

bool CWindow::isMouseButtonDown(int button)
{
    return platform::input().buttonHeld(button);
}

void CWindow::startDraggingWindow(CXPoint catchPoint)
{
    catchPoint_ = catchPoint;
    windowDragged_ = true;
}

void CWindow::dragWindow(CXPoint point)
{
    if (!isActive() || !windowMode_ || !windowDragged_ || hostWindow_ == nullptr)
        return;
    const platform::ScreenPoint origin = hostWindow_->clientOrigin();
    const CXPoint moved = CXPoint(origin.x, origin.y) + (point - catchPoint_);
    // The window may go off the left and top edges, but never wholly past the right and bottom.
    const platform::ScreenSize desktop = hostWindow_->usableDesktop();
    if (moved.y < desktop.height && moved.x < desktop.width)
        hostWindow_->moveClient(platform::ScreenPoint{moved.x, moved.y},
                                platform::ScreenSize{screenSize_.cx, screenSize_.cy});
}

void CWindow::languageChanged()
{
    keyboard_->initLanguage();
}

CXString CWindow::GetSoundFXFullPath(const CXString& name) const
{
    return soundFXPath_.IsString() ? soundFXPath_ + "\\" + name : name;
}

void CWindow::ShowError(const CXString& caption)
{
    const char* text;
    switch (LastError()) {
    case 0:
        return;
    // The display's own failures are the graphics card's too.
    case ERROR_GRAPHICS:
    case platform::DisplayResult::ModeRefused:
    case platform::DisplayResult::NoDisplay:
    case platform::DisplayResult::OutOfMemory:
    case platform::DisplayResult::NotOpen:
        text = "Nieprawid\xB3owe dzia\xB3" "anie karty graficznej.";
        break;
    case ERROR_SOUND:
        text = "Nieprawid\xB3owe dzia\xB3" "anie karty d\x9Fwi\xEAkowej.";
        break;
    case ERROR_NO_CD:
        text = "Brak p\xB3yty CD.";
        break;
    default:
        text = "Nieznany b\xB3\xB9" "d krytyczny.";
        break;
    }
    platform::windowSystem().showMessage(caption.c_str(), text, hostWindow_);
}

int CWindow::tranlateToChar(int key)
{
    // Keyboard key codes run along the rows of the keyboard.
    static constexpr struct {
        int firstKey;
        const char* characters;
    } rows[] = {{0x02, "1234567890"}, {0x10, "QWERTYUIOP"}, {0x1E, "ASDFGHJKL"}, {0x2C, "ZXCVBNM"}, {0x39, " "}};
    for (const auto& row : rows) {
        const int index = key - row.firstKey;
        if (index >= 0 && index < static_cast<int>(std::char_traits<char>::length(row.characters)))
            return row.characters[index];
    }
    return 0;
}

int CWindow::__get_virtualkey_code(int virtualKey, int data)
{
    switch (virtualKey) {
    case 0x0D: // return
        return -50;
    case 0x20: // space
        return -39;
    case 0x21: // page up
        return -52;
    case 0x22: // page down
        return -51;
    case 0x23: // end
        return -53;
    case 0x24: // home
        return -54;
    case 0x25: // left
        return -43;
    case 0x26: // up
        return -41;
    case 0x27: // right
        return -42;
    case 0x28: // down
        return -40;
    case 0x2D: // insert
        return -56;
    case 0x2E: // delete
        return -55;
    case 0x10: // shift
        return data == 0x1D0001 ? -45 : -44;
    case 0x11: // control
        return data == 0x2A0001 ? -48 : -47;
    default:
        return virtualKey;
    }
}

void CWindow::resetStatics()
{
    exePath = CXString();
    rootPath = CXString();
    cdPath = CXString();
    paused = false;
    CXTimer::enable(true);
    CDXMouse::resetStatics();
    CKeyboard::resetStatics();
    CHotSpot::resetStatics();
    CVirtualGraphicsObject::resetStatics();
}

void OnWindowCommand(CWindow* window, int command)
{
    if (command == COMMAND_EXIT) {
        platform::windowSystem().postQuit();
    } else if (command == COMMAND_REDRAW && window != nullptr) {
        window->Invalidate();
        window->Redraw(false);
    }
}
