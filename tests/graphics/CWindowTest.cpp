#include "WindowHarness.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CFile.h"
#include "foundation/CLanguageOSVer.h"
#include "foundation/CLogSink.h"
#include "foundation/CWindowLink.h"
#include "graphics/CMusicPlayerIfc.h"
#include "graphics/CWindowSoundLink.h"
#include "platform/Display.h"
#include "script/CWindowServices.h"

namespace graphicstest {
namespace {

using WindowHostTest = WindowTest;

TEST_F(WindowHostTest, InstallsItsLinksWhileItLives)
{
    CLanguageOSVer language;
    RecordingHost host(log);
    FlushedObject application(log, "APP");
    host.application = &application;
    window->SetApplicationInterface(&host);
    CWindow::setCDPath("D:\\GAME\\");
    {
        // The window made last answers, for whichever window is asked about.
        CWindow other(nullptr, nullptr, &language, CXSize(800, 600), platform::CursorShape::Arrow, "", true);
        EXPECT_EQ(CWindowLink::rootPath(), CFile::getCurrentDirectory());
        EXPECT_EQ(CWindowLink::cdPath(), "D:\\GAME\\");
        EXPECT_EQ(CWindowLink::languageOf(&other), &language);
        EXPECT_EQ(CWindowLink::languageOf(window.get()), nullptr);
        EXPECT_EQ(CWindowServices::timersOf(window.get()), window->GetTimerInterface());
        EXPECT_EQ(CWindowServices::applicationOf(window.get()), &application);
        EXPECT_EQ(CWindowServices::applicationOf(&other), nullptr);
        EXPECT_NE(CLogSink::installed(), nullptr);

        // A window going leaves the links of another one in place.
        window.reset();
        EXPECT_NE(CWindowServices::installed(), nullptr);
    }
    EXPECT_EQ(CWindowServices::installed(), nullptr);
    EXPECT_EQ(CWindowLink::installed(), nullptr);
    EXPECT_EQ(CLogSink::installed(), nullptr);
}

class RecordingMusic : public CMusicPlayerIfc {
public:
    explicit RecordingMusic(Log& log) : log_(log) {}
    void play(const CXString& path, bool loop) override
    {
        log_.push_back(std::string("play ") + path.c_str() + (loop ? " loop" : ""));
        file_ = path;
        playing_ = true;
    }
    void stop() override
    {
        log_.push_back("stop");
        playing_ = false;
    }
    bool isPlaying() override { return playing_; }
    void pause() override { log_.push_back("pause"); }
    void resume() override { log_.push_back("resume"); }
    CXString getFileName() override { return file_; }
    int getVolume() override { return -300; }
    void setVolume(int volume) override { log_.push_back("volume" + std::to_string(volume)); }
    void setPan(int pan) override { log_.push_back("pan" + std::to_string(pan)); }
    void setFreq(int frequency) override { log_.push_back("freq" + std::to_string(frequency)); }

private:
    Log& log_;
    CXString file_;
    bool playing_ = false;
};

class RecordingSound : public CWindowSoundLink {
public:
    explicit RecordingSound(Log& log) : log_(log) {}
    void createSoundDevice(CWindow*) override { log_.push_back("device"); }
    CMusicPlayerIfc* createMusicPlayer(CWindow*) override { return new RecordingMusic(log_); }
    void destroySoundBuffers() override { log_.push_back("buffers released"); }

private:
    Log& log_;
};

TEST_F(WindowHostTest, MusicStartsOnlyWhenAnotherPieceOrNothingPlays)
{
    RecordingSound sound(log);
    window.reset();
    CWindowSoundLink::install(&sound);
    window = makeWindow(true);
    CWindow::rootPath = "C:\\GRA\\";
    EXPECT_EQ(takeLog(), Log{"device"});

    window->StartMusic("wavs\\intro.wav", true);
    window->StartMusic("WAVS\\INTRO.WAV", false);
    EXPECT_TRUE(window->isMusicPlaying());
    window->StartMusic("wavs\\other.wav", false);
    window->StopMusic();
    window->StartMusic("wavs\\other.wav", false);
    EXPECT_EQ(takeLog(), (Log{"stop", "play C:\\GRA\\wavs\\intro.wav loop", "stop", "play C:\\GRA\\wavs\\other.wav",
                              "stop", "stop", "play C:\\GRA\\wavs\\other.wav"}));

    window->setMusicVolume(-100);
    window->setMusicPan(50);
    window->setMusicFreq(22050);
    window->PauseMusic();
    window->ResumeMusic();
    EXPECT_EQ(window->getMusicVolume(), -300);
    window->MusicOn(false);
    window->StartMusic("wavs\\intro.wav", true);
    window->MusicOn(true);
    window->SoundOn(false);
    window->StartMusic("wavs\\intro.wav", true);
    window.reset();
    CWindowSoundLink::install(nullptr);
    EXPECT_EQ(takeLog(), (Log{"volume-100", "pan50", "freq22050", "pause", "resume", "buffers released"}));
}

TEST_F(WindowHostTest, MusicAndSoundFollowTheCommandLineAndNeedAPlayer)
{
    CCommandLine6 commandLine("-nomusic -window -vmem");
    window = makeWindow(true, &commandLine);
    EXPECT_FALSE(window->IsMusicOn());
    EXPECT_TRUE(window->IsSoundOn());
    EXPECT_TRUE(window->isWindowMode());
    EXPECT_TRUE(window->isVMem());
    // No sound layer installed: no player, nothing to forward to.
    window->MusicOn(true);
    window->StartMusic("a.wav", false);
    EXPECT_FALSE(window->isMusicPlaying());
    EXPECT_EQ(window->getMusicVolume(), 0);
}

TEST_F(WindowHostTest, CursorsFollowTheirLocks)
{
    using platform::CursorShape;
    window->BeginActiveCursor();
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow); // no active cursor set yet
    window->SetActiveCursor(CursorShape::Hand);
    window->SetWaitCursor(CursorShape::Wait);
    window->BeginActiveCursor();
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Hand);
    window->lockActiveCursor(true);
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow);
    window->BeginActiveCursor();
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow);
    window->BeginWaitCursor();
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Wait);
    window->lockActiveCursor(false);

    window->LockCursor();
    window->EndWaitCursor();
    window->enableMouse(true);
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow);
    window->enableMouse(false);
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow);
    window->UnLockCursor();
    window->enableMouse(false);
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Wait);
    window->enableMouse(true);
    EXPECT_EQ(hostWindow.cursor(), CursorShape::Arrow);

    window->HideCursor();
    window->HideCursor();
    window->ShowCursor();
    EXPECT_EQ(hostWindow.cursorShowCount(), -1);
}

TEST_F(WindowHostTest, DraggingCarriesTheWindowOnlyInWindowModeWhileActive)
{
    CCommandLine6 commandLine("-window");
    window = makeWindow(true, &commandLine);
    window->OnActivateApp(true);
    hostWindow.moveClient({100, 100}, {800, 600});
    hostWindow.setUsableDesktop({1280, 1024});

    window->startDraggingWindow(CXPoint(10, 10));
    window->OnMouseMove(CXPoint(30, 5), 0);
    EXPECT_EQ(hostWindow.clientOrigin().x, 120);
    EXPECT_EQ(hostWindow.clientOrigin().y, 95);
    EXPECT_EQ(hostWindow.settings().clientSize.width, 800);

    // Off the left and top edges is allowed; past the far edges is not.
    window->OnMouseMove(CXPoint(-300, -200), 0);
    EXPECT_EQ(hostWindow.clientOrigin().x, -190);
    EXPECT_EQ(hostWindow.clientOrigin().y, -115);
    const int moves = hostWindow.moveCount();
    window->OnMouseMove(CXPoint(1480, 10), 0);
    window->stopDraggingWindow();
    window->OnMouseMove(CXPoint(50, 50), 0);
    window->startDraggingWindow(CXPoint(10, 10));
    window->OnActivateApp(false);
    window->OnActivateApp(true);
    window->OnMouseMove(CXPoint(50, 50), 0);
    EXPECT_EQ(hostWindow.moveCount(), moves);

    // Full screen never drags.
    window = makeWindow(true);
    window->OnActivateApp(true);
    window->startDraggingWindow(CXPoint(10, 10));
    window->OnMouseMove(CXPoint(50, 50), 0);
    EXPECT_EQ(hostWindow.moveCount(), moves);
}

TEST_F(WindowHostTest, ErrorsShowTheirOwnTexts)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {-998, "Nieprawid\xB3owe dzia\xB3" "anie karty graficznej."},
        {platform::DisplayResult::ModeRefused, "Nieprawid\xB3owe dzia\xB3" "anie karty graficznej."},
        {platform::DisplayResult::NoDisplay, "Nieprawid\xB3owe dzia\xB3" "anie karty graficznej."},
        {-997, "Nieprawid\xB3owe dzia\xB3" "anie karty d\x9Fwi\xEAkowej."},
        {3000, "Brak p\xB3yty CD."},
        {5, "Nieznany b\xB3\xB9" "d krytyczny."},
    };
    window->ShowError("Tamzora");
    EXPECT_TRUE(windowSystem.messages().empty());
    for (const auto& c : cases) {
        window->setErrorCode(c.code);
        window->ShowError("Tamzora");
        ASSERT_FALSE(windowSystem.messages().empty());
        EXPECT_EQ(windowSystem.messages().back(), std::make_pair(std::string("Tamzora"), std::string(c.text)));
    }
}

TEST(WindowKeys, KeyCodesToCharactersAndVirtualKeysToEngineCodes)
{
    const std::pair<int, int> characters[] = {{0x1E, 'A'}, {0x32, 'M'}, {0x10, 'Q'}, {0x26, 'L'}, {0x02, '1'},
                                              {0x0B, '0'}, {0x39, ' '}, {0x1C, 0},   {0x27, 0},   {0x33, 0},
                                              {0x0C, 0},   {0x01, 0},   {-1, 0},     {300, 0}};
    for (auto [key, character] : characters)
        EXPECT_EQ(CWindow::tranlateToChar(key), character) << key;

    const std::pair<int, int> virtualKeys[] = {{0x0D, -50}, {0x20, -39}, {0x21, -52}, {0x22, -51}, {0x23, -53},
                                               {0x24, -54}, {0x25, -43}, {0x26, -41}, {0x27, -42}, {0x28, -40},
                                               {0x2D, -56}, {0x2E, -55}, {0x41, 0x41}, {0x10, -44}, {0x11, -47}};
    for (auto [key, code] : virtualKeys)
        EXPECT_EQ(CWindow::__get_virtualkey_code(key, 0), code) << key;
    EXPECT_EQ(CWindow::__get_virtualkey_code(0x10, 0x1D0001), -45);
    EXPECT_EQ(CWindow::__get_virtualkey_code(0x11, 0x2A0001), -48);
}

TEST_F(WindowHostTest, SoundEffectsPathJoinsTheFolderWhenThereIsOne)
{
    EXPECT_EQ(window->GetSoundFXFullPath("klik.wav"), "klik.wav");
    window->SetSoundFXPath("C:\\GRA\\Wavs");
    EXPECT_EQ(window->GetSoundFXFullPath("klik.wav"), "C:\\GRA\\Wavs\\klik.wav");
}

TEST_F(WindowHostTest, MenuCommandsExitAndRedrawOthersDoNothing)
{
    OnWindowCommand(window.get(), 40002);
    OnWindowCommand(window.get(), 100);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(windowSystem.quitPosted());
    OnWindowCommand(window.get(), COMMAND_REDRAW);
    EXPECT_EQ(takeLog(), Log{"redraw"});
    OnWindowCommand(nullptr, COMMAND_EXIT);
    EXPECT_TRUE(windowSystem.quitPosted());
}

} // namespace
} // namespace graphicstest
