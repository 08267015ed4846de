#pragma once

#include "foundation/CMediaScreen.h"
#include "foundation/CWindowTimerTarget.h"
#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXSize.h"
#include "foundation/CXString.h"
#include "platform/CriticalSection.h"
#include "platform/HostWindow.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CCollisionInspector;
class CCommandLine6;
class CColor;
class CDirectDrawSurface;
class CDXMouse;
class CEngineHost;
class CGraphicsObject;
class CInputPoller;
class CKeyboard;
class CKeyListener;
class CLanguageOSVer;
class CMC_Object;
class CMouseListener;
class CMusicPlayerIfc;
class CPublicTrash;
class CRefreshScreen;
class CSecondaryDisplay;
class CSurface;
class CUnitTimerTarget;
class CWindowLinks;
class CXTimer;
namespace platform {
class TimerService;
}

// The host of the engine on its one desktop window. The player makes one, and every turn of its
// main loop calls domodal(): one engine turn (Tick) and then the engine host's turn. Everything
// that reaches the screen, the speakers or the input devices goes through the window: software
// timers, the managers' turns, input pollers and the listener lists through which mouse and key
// events reach script objects, the music player, cursors and the deferred-deletion trash.
//
// Everything runs on the main thread except the input poller, which only drains the pollers'
// devices into their queues under the window's lock; the queued events are delivered in the main
// thread's next turn. The poller runs on the platform's timers: on their thread in a real run, on
// demand under the manual timers of a headless one, so a headless run takes input at the same
// turns every time.
class CWindow : public CXObject, public CWindowTimerTarget, public CMediaScreen {
public:
    // Mouse event codes shared with the hot spots.
    enum MouseEvent {
        MOUSE_MOVE = 1,
        LBUTTON_DOWN = 2,
        LBUTTON_UP = 4,
        RBUTTON_DOWN = 8,
        RBUTTON_UP = 16,
        MBUTTON_DOWN = 32,
        MBUTTON_UP = 64,
        LBUTTON_DBLCLK = 65,
    };
    // Error codes the window shows (ShowError).
    enum {
        ERROR_GRAPHICS = -998,
        ERROR_SOUND = -997,
        ERROR_NO_CD = 3000,
    };
    // The priority at which a listener that captures the mouse is registered again.
    static constexpr int captionPriority = 1000000;
    // How often the input poller reads the devices.
    static constexpr uint32_t pollerPeriodMs = 16;

    // The host window may be null (nothing to move or show a cursor on). With
    // `windowMessageMouse` the mouse comes from window messages: no mouse poller and no input
    // poller apart from the turn, so each turn ticks the pollers itself.
    CWindow(platform::HostWindow* hostWindow, CCommandLine6* commandLine, CLanguageOSVer* language,
            CXSize screenSize, platform::CursorShape mainCursor, const CXString& exePath,
            bool windowMessageMouse);
    ~CWindow() override;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // Draws what the last turn invalidated; `force` draws even while inactive.
    virtual int Redraw(bool force);
    // Adds timer 0, every millisecond, calling OnTimer.
    virtual int OnCreate();
    virtual int OnInitialUpdate();
    int OnTimer(int id) override;
    // Nothing when the state does not change. Losing the focus stops input polling and the
    // window's drag and frees the script's mouse; gaining it does the reverse.
    virtual int OnActivateApp(bool active);
    // Ends the input-poller thread and posts the quit message; harmless twice.
    virtual int OnDestroy();
    // The engine host's answer; true without a host.
    virtual bool OnExit();
    // The client area now starts at (x, y) on the desktop.
    virtual int OnMove(int x, int y);

    // The display: windowed in the host window, or full screen at bpp bits (a zero size takes the
    // window's). The answer is the display's, kept as the window's error code too; a full screen
    // that fails leaves no display, so the caller can try 15 bits after 16. A windowed display
    // given a second window shows the screen there too, as late as the command line's "delay".
    int CreateSurface(platform::HostWindow* mirrorWindow = nullptr);
    int SetDisplayMode(CXSize size, int bpp);
    CSurface* GetSurface() const { return display_.get(); }
    // The mirror of the windowed display; null without one.
    CSecondaryDisplay* getSecondaryDisplay() const { return mirror_.get(); }
    // The off-screen surface of the screen's size that frames are drawn into.
    CDirectDrawSurface* getBackSurface() const { return backSurface_.get(); }
    // The display's bits per pixel; 0 without a display.
    int GetBpp() const;
    uint8_t* GetScreenPtr() const;
    // The back surface's size; the window's screen size before there is one.
    CXSize GetScreenSize() const;
    // The screen, made with every display; null before the first.
    CRefreshScreen* GetRefreshScreenInterface() const { return screen_.get(); }

    // Shortcuts to the screen (nothing without one): the whole screen, a rectangle or an object's
    // box becomes dirty; the background becomes a picture or a colour.
    void Invalidate();
    void Invalidate(CXRect* rect);
    void Invalidate(CGraphicsObject* object);
    void SetBackground(CGraphicsObject* object);
    void SetBackground(CColor* color);
    void SetBackground(const CXString& file);
    // A shared medium about to be deleted leaves the screen.
    void removeFromScreen(CSharedMedium* medium) override;

    // One engine turn, only while active; always 0.
    int Tick();
    // Tick, then the engine host's turn (active or not); true when the program should end.
    bool domodal();
    void quit() { quit_ = true; }

    // Input, from the pollers on the main thread.
    int OnMouseMove(CXPoint point, int flags);
    int OnLButtonDown(CXPoint point, int flags);
    int OnLButtonUp(CXPoint point, int flags);
    // Taken whatever the flags: window messages carry the button state in them.
    int OnLButtonDblClk(CXPoint point, int flags);
    int OnMButtonDown(CXPoint point, int flags);
    int OnMButtonUp(CXPoint point, int flags);
    int OnRButtonDown(CXPoint point, int flags);
    int OnRButtonUp(CXPoint point, int flags);
    int OnKeyDown(int key, int data);
    int OnKeyUp(int key, int data);
    int OnChar(int ch, int data);

    // Listener lists; none owns what it holds. Registering twice changes nothing (a mouse
    // listener keeps its first priority); removing what is not there changes nothing.
    void registerMouseListener(CMouseListener* listener, int priority);
    void removeMouseListener(CMouseListener* listener);
    // Gives the mouse to the listener: it goes above every other one.
    void setMouseCaption(CMouseListener* listener);
    void registerKeyListener(CKeyListener* listener);
    void removeKeyListener(CKeyListener* listener);
    // Script objects told flush() once per active turn, under the window's lock.
    void registerMCListener(CMC_Object* object);
    void removeMCListener(CMC_Object* object);
    void addIPoller(CInputPoller* poller);
    void removeIPoller(CInputPoller* poller);
    void removeAllIPollers();
    platform::CriticalSection* getCriticalSectionHandle() { return &lock_; }

    // With a unit, the unit is told (onlyWhenActive as the unit's timers take it); without one,
    // OnTimer is.
    void SetTimer(int id, unsigned periodMs, CUnitTimerTarget* unit, bool onlyWhenActive);
    void KillTimer(int id);

    // Music, through the music player when there is one.
    void StartMusic(const CXString& file, bool loop);
    void StopMusic();
    // The pause of a scene: the music holds and goes on from where it held.
    void PauseMusic();
    void ResumeMusic();
    bool isMusicPlaying();
    int getMusicVolume();
    void setMusicVolume(int volume);
    void setMusicPan(int pan);
    void setMusicFreq(int frequency);

    // Cursors. The cursor lock holds the cursor as it is; the active-cursor lock holds off the
    // active (hand) cursor.
    void SetCursor(platform::CursorShape cursor);
    void BeginActiveCursor();
    void BeginWaitCursor();
    void EndActiveCursor();
    void EndWaitCursor() { EndActiveCursor(); }
    void SetMainCursor() { EndActiveCursor(); }
    void SetActiveCursor(platform::CursorShape cursor) { activeCursor_ = cursor; }
    void SetWaitCursor(platform::CursorShape cursor) { waitCursor_ = cursor; }
    platform::CursorShape GetMainCursor() const { return mainCursor_; }
    void lockActiveCursor(bool locked);
    void LockCursor() { cursorLocked_ = true; }
    void UnLockCursor() { cursorLocked_ = false; }
    void ShowCursor();
    void HideCursor();
    // While off, every mouse handler answers 0 at once and the wait cursor shows.
    void enableMouse(bool enabled);
    bool isMouseEnabled() const { return mouseEnabled_; }
    // The pointer in client coordinates, as last seen.
    CXPoint GetCursorPos() const;
    // Puts the pointer at a point of the client area.
    void SetCursorPos(CXPoint clientPoint);
    // Keeps the pointer within a rectangle of the desktop (where the screen stands on it, as the
    // screen's position says); null frees it.
    void ClipCursor(const CXRect* desktopRect);
    // Whether a mouse button (0 left, 1 right, 2 middle) is held now.
    static bool isMouseButtonDown(int button);

    // Window dragging in window mode: mouse moves carry the window while dragged.
    void startDraggingWindow(CXPoint catchPoint);
    void stopDraggingWindow() { windowDragged_ = false; }
    bool isWindowDragged() const { return windowDragged_; }
    CXPoint getCatchPoint() const { return catchPoint_; }

    void SetApplicationInterface(CEngineHost* host) { host_ = host; }
    CEngineHost* GetApplicationInterface() const { return host_; }
    platform::HostWindow* GetHwnd() const { return hostWindow_; }
    CLanguageOSVer* getLangIfc() const { return language_; }
    // The language changed: the keyboard follows it.
    void languageChanged();
    CCommandLine6* getCommandLineIfc() const { return commandLine_; }
    CXTimer* GetTimerInterface() const { return timers_.get(); }
    CKeyboard* getKeyboardInterface() const { return keyboard_.get(); }
    CDXMouse* getDXMouseInterface() const { return mouse_.get(); }
    CPublicTrash* getPublicTrashInterface() const { return trash_.get(); }
    // Lives as long as the window; never null.
    CCollisionInspector* getCollisionInspectorInterface() const { return collisions_.get(); }
    bool isActive() const { return active_.load(std::memory_order_acquire); }
    // Whether the devices are read by the input poller on the platform's timers rather than by
    // each turn.
    bool hasPollerThread() const { return pollerTimer_ != 0; }
    bool isVMem() const { return videoMemory_; }
    bool isWindowMode() const { return windowMode_; }
    bool IsSoundOn() const { return soundOn_; }
    void SoundOn(bool on) { soundOn_ = on; }
    bool IsMusicOn() const { return musicOn_; }
    void MusicOn(bool on) { musicOn_ = on; }

    void SetSoundFXPath(const CXString& folder) { soundFXPath_ = folder; }
    CXString GetSoundFXPath() const { return soundFXPath_; }
    // The folder, a backslash and the name; the name alone while no folder is set.
    CXString GetSoundFXFullPath(const CXString& name) const;

    // A message box for a non-zero error code of the window.
    void ShowError(const CXString& caption);
    // The window's log has no output.
    static void toLog(const CXString& text, bool flag) {}

    // The letter, digit or space of a keyboard key code; 0 for any other key.
    static int tranlateToChar(int key);
    // The engine's negative code of a desktop virtual key; other keys unchanged.
    static int __get_virtualkey_code(int virtualKey, int data);

    // Process-wide paths and the pause of a scene. The root path is the current folder when the
    // window was made; the CD path the data root the engine host found.
    static CXString exePath;
    static CXString rootPath;
    static void setCDPath(const CXString& path) { cdPath = path; }
    static CXString getCDPath() { return cdPath; }
    static void pause() { paused = true; }
    static void resume() { paused = false; }
    static bool isPaused() { return paused; }
    // Back to the state of a fresh process (tests).
    static void resetStatics();

private:
    struct MouseListenerEntry {
        CMouseListener* listener;
        int priority;
    };

    void startPollerThread();
    void stopPollerThread();
    // One period of the input poller: the devices read under the lock, unless the window is
    // inactive or the main thread holds the lock (the next period reads them then).
    void pollDevices();
    // Every registered poller's tick; the caller holds the lock when the poller runs.
    void tickPollers();
    // Delivery of what the pollers queued, and the script listeners' flush.
    void deliverInput();

    // The hot spots' answer to a mouse or key event; non-zero takes it.
    int offerToHotSpots(MouseEvent event, CXPoint point);
    int offerKeyDownToHotSpots(int key, int data);
    int offerKeyUpToHotSpots(int key, int data);
    // Asks the mouse listeners from the highest priority down until one takes the event.
    template <class Ask>
    bool offerToMouseListeners(Ask ask);
    // A mouse press or release that reaches the listeners whether or not a hot spot took it.
    int dispatchToBoth(MouseEvent event, CXPoint point, int flags, int button, bool press);
    bool acceptsMouse(int flags) const { return mouseEnabled_ && flags == 0; }
    void dragWindow(CXPoint point);
    // What every display gets: the back surface it is drawn through and the screen.
    void displayMade(CXSize size);
    void releaseDisplay();
    // The screen's dirty rectangles from the back surface to the display.
    void copyDirtyRectangles();
    int findMouseListener(CMouseListener* listener) const;

    platform::HostWindow* hostWindow_;
    CLanguageOSVer* language_;
    CEngineHost* host_ = nullptr;
    CXSize screenSize_;
    bool quit_ = false;
    bool videoMemory_ = false;
    bool mouseEnabled_ = true;
    // The timers the input poller runs on and its timer there; 0 without one.
    platform::TimerService* pollerTimers_ = nullptr;
    uint32_t pollerTimer_ = 0;
    platform::CriticalSection lock_;
    CCommandLine6* commandLine_;
    bool cursorLocked_ = false;
    platform::CursorShape mainCursor_;
    platform::CursorShape activeCursor_ = platform::CursorShape::None;
    platform::CursorShape waitCursor_ = platform::CursorShape::None;
    bool activeCursorLocked_ = false;
    bool soundOn_ = true;
    bool musicOn_ = true;
    bool windowMode_ = false;
    std::unique_ptr<CMusicPlayerIfc> musicPlayer_;
    std::unique_ptr<CXTimer> timers_;
    std::unique_ptr<CKeyboard> keyboard_;
    // Null when the mouse comes from window messages.
    std::unique_ptr<CDXMouse> mouse_;
    CXString soundFXPath_;
    std::vector<CKeyListener*> keyListeners_;
    // Ascending priority, equal priorities in registration order.
    std::vector<MouseListenerEntry> mouseListeners_;
    std::vector<CMC_Object*> mcListeners_;
    // Read by the input poller under the lock.
    std::vector<CInputPoller*> pollers_;
    bool windowDragged_ = false;
    CXPoint catchPoint_;
    std::atomic<bool> active_{false};
    std::unique_ptr<CPublicTrash> trash_;
    std::unique_ptr<CCollisionInspector> collisions_;
    std::unique_ptr<CWindowLinks> links_;
    std::unique_ptr<CSurface> display_;
    std::unique_ptr<CDirectDrawSurface> backSurface_;
    std::unique_ptr<CRefreshScreen> screen_;
    std::unique_ptr<CSecondaryDisplay> mirror_;

    static CXString cdPath;
    static bool paused;
};

// The player's menu commands, by their identifiers: Exit (40001) posts the quit message, Redraw
// (40004) draws the window's whole screen again; others do nothing.
enum WindowCommand { COMMAND_EXIT = 40001, COMMAND_REDRAW = 40004 };
void OnWindowCommand(CWindow* window, int command);
