#pragma once

// The engine-host harness: a game written into a temp folder (drive T:, which is both the game's
// folder and its data root) and started headless through the engine host, with turns on the
// manual clock. Tests write the definition ("Dane\application.def") and the scripts, start the
// game, run turns and look at the live scene, its objects and the game's INI file.
//
// Other test folders reuse it by deriving their fixture from GameHost (include
// "application/GameHost.h"):
//   startScene(script)          one application GAME, one episode E, one scene S with that script
//   writeDefinition / writeScript / writeFile, then start("-options")   any game
//   turn(ms), turns(n, ms)      engine turns through the window: its Tick, then the host's turn
//   run("OBJ^METHOD(1)")        one behaviour line in the live scene; the text of its value
//   object(name), value(name)   what the live scene finds by name
//   window(), host(), application(), episode(name), liveScene(), hostWindow()
//   messages()                  the message boxes shown (caption, text)
//   audio, timers, clock, display  the headless sound device, the refills' timers, the clock and
//                                  the framebuffer the screen is shown on
//   iniInt / iniText            the game's INI file

#include "script/GameFolder.h"
#include "script/ScriptText.h"

#include "application/CApplication.h"
#include "application/CMC_Application.h"
#include "application/CMC_Episode.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CLanguageOSVer.h"
#include "foundation/CXVector.h"
#include "graphics/CWindow.h"
#include "network/CNetworkTypes.h"
#include "objects/CObjectTypes.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/HeadlessAudioDevice.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/TimerService.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "sound/CSoundServices.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace apptest {

using scripttest::declared;

inline std::string text(const CXString& value)
{
    return std::string(value.c_str());
}

// Script text of a behaviour with that code (without its braces).
inline std::string behaviour(const std::string& name, const std::string& code)
{
    return declared(name, "BEHAVIOUR", {"CODE={" + code + "}"});
}

// Definition text of one element of the application tree.
inline std::string treeElement(const std::string& name, const std::string& type, std::initializer_list<std::string> properties)
{
    return declared(name, type, properties);
}

class GameHost : public ::testing::Test {
protected:
    static constexpr const char* kIniName = "GAME.ini";

    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setTimers(&timers);
        platform::setAudio(&audio);
        ASSERT_TRUE(audio.open());
        platform::setWindowSystem(&windowSystem_);
        platform::setDisplay(&display);
    }
    void TearDown() override
    {
        stop();
        platform::setDisplay(nullptr);
        platform::setWindowSystem(nullptr);
        platform::setAudio(nullptr);
        platform::setTimers(nullptr);
        platform::setClock(nullptr);
    }

    // A file below the root (T:\), "NEXT/Dane/application.def".
    void writeFile(const std::string& relative, const std::string& bytes) { folder.temp.write(relative, bytes); }
    // A built plug-in library, as `name` in the program's folder (the root), where scenes find it.
    void copyLibrary(const char* built, const std::string& name)
    {
        std::ifstream in(built, std::ios::binary);
        writeFile(name, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    // The definition and scripts, in the data folder of the game folder.
    void writeDefinition(const std::string& text) { writeFile(gameFolder + "Dane/application.def", text); }
    // The script of a scene, episode or application.
    void writeScript(const std::string& name, const std::string& text) { writeFile(gameFolder + "Dane/" + name + ".cnv", text); }

    // Starts the game in the folder as the player does: a window host on a headless host window
    // (active, the mouse from window messages, so no poller thread unless `pollerThread` asks for
    // one) with its display on the headless framebuffer, then the engine host on the game's INI
    // file, with no CD search, and every script object type registered. False when no
    // application was loaded.
    bool start(const std::string& commandLine = "")
    {
        commandLine_ = std::make_unique<CCommandLine6>(commandLine.c_str());
        CFile::chDir("T:\\");
        window_ = std::make_unique<CWindow>(&hostWindow_, commandLine_.get(), &language_, CXSize(800, 600),
                                            platform::CursorShape::Arrow, "T:\\", !pollerThread);
        window_->OnCreate();
        window_->OnActivateApp(true);
        window_->CreateSurface();
        CObjectTypes::registerAll();
        CNetworkTypes::registerAll();
        host_ = std::make_unique<CApplication>(window_.get(), kIniName, "", commandLine_.get());
        host_->preinitializeApplication(true);
        return application() != nullptr;
    }
    // The smallest game: application GAME, episode E and scene S, whose script is given.
    bool startScene(const std::string& script, const std::string& commandLine = "")
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + treeElement("E", "EPISODE", {"SCENES=S"}) +
                        treeElement("S", "SCENE", {}));
        writeScript("S", script);
        return start(commandLine);
    }
    // Deletes the engine host and everything it made, then the window.
    void stop()
    {
        host_.reset();
        window_.reset();
        commandLine_.reset();
        CWindow::resetStatics();
    }

    // One engine turn after `ms` milliseconds, in which the due stream refills ran.
    void turn(uint32_t ms = 16)
    {
        clock.advance(ms);
        timers.runDue();
        if (window_ != nullptr)
            quitRequested_ = window_->domodal();
    }
    void turns(int count, uint32_t ms = 16)
    {
        for (int i = 0; i < count; ++i)
            turn(ms);
    }

    CApplication* host() { return host_.get(); }
    CWindow* window() { return window_.get(); }
    // The desktop window the window host runs on, with what it was told.
    platform::HeadlessHostWindow& hostWindow() { return hostWindow_; }
    // Caption and text of every message box shown, oldest first.
    const std::vector<std::pair<std::string, std::string>>& messages() const { return windowSystem_.messages(); }
    // Whether the last turn's answer was to end the program.
    bool quitRequested() const { return quitRequested_; }
    CMC_Application* application() { return host_ != nullptr ? host_->getMCApplicationIfc() : nullptr; }
    // The live child of the application: an episode, or a scene listed under the application.
    CMC_Scene* liveChild() { return application() != nullptr ? application()->getCurrentScene() : nullptr; }
    // The live scene, under the live episode or directly under the application.
    CMC_Scene* liveScene()
    {
        CMC_Scene* child = liveChild();
        if (child == nullptr || child->getType() != script::TYPE_EPISODE)
            return child;
        return child->getCurrentScene();
    }
    std::string liveSceneName()
    {
        CMC_Scene* scene = liveScene();
        return scene != nullptr ? text(scene->getName()) : "none";
    }
    CMC_Episode* episode(const std::string& name)
    {
        return application() != nullptr ? dynamic_cast<CMC_Episode*>(application()->getScene(name.c_str())) : nullptr;
    }
    // The names of the children a container entered, oldest first.
    static std::vector<std::string> historyOf(CMC_Scene* container)
    {
        std::vector<std::string> names;
        CXVector* history = container != nullptr ? container->getHistory() : nullptr;
        for (int i = 0; history != nullptr && i < history->getSize(); ++i)
            names.push_back(text(static_cast<CMC_Scene*>(history->at(i))->getName()));
        return names;
    }
    // An object as the live scene finds it (its parents included).
    CMC_Object* object(const std::string& name)
    {
        CMC_Scene* scene = liveScene();
        return scene != nullptr ? scene->getObject(name.c_str()) : nullptr;
    }
    // The text of a variable the live scene finds; "none" without one.
    std::string value(const std::string& name)
    {
        auto* variable = dynamic_cast<CMC_Variable*>(object(name));
        return variable != nullptr ? text(variable->toString()) : "none";
    }
    // Runs one behaviour line in the live scene; the text of its value, "none" without one.
    std::string run(const std::string& line)
    {
        CMC_Scene* scene = liveScene();
        CMC_Variable* result = CMC_Behaviour::runLine(scene, scene, line.c_str(), nullptr);
        std::string answer = result != nullptr ? text(result->toString()) : "none";
        CMC_Object::flush(result);
        return answer;
    }

    // The game's INI file as the engine host reads it.
    int iniInt(const std::string& section, const std::string& key)
    {
        return CConfig(GameFolder::gamePath(kIniName).c_str()).GetInt(section.c_str(), key.c_str());
    }
    std::string iniText(const std::string& section, const std::string& key)
    {
        return text(CConfig(GameFolder::gamePath(kIniName).c_str()).GetString(section.c_str(), key.c_str()));
    }

    platform::ManualClock clock;
    // The stream refills' timers, run by each turn; the sound device (8 kHz mono, capture on
    // request) on the same clock.
    platform::TimerService timers{platform::TimerService::Mode::Manual, &clock};
    platform::HeadlessAudioDevice audio{8000, 1, &clock};
    // What the window shows (800 x 600, 16 bits).
    platform::HeadlessDisplay display;
    GameFolder folder;
    // The window reads the mouse and the keyboard on its input-poller thread, as in the player.
    bool pollerThread = false;
    // Where the game lies below the root: empty for the root itself, else a folder name and "/"
    // (the game is then started with the "path" option naming it, as installed games are).
    std::string gameFolder;

private:
    // Installed before any window is made, so the window has its sound device and music player.
    CSoundServices soundServices_;
    platform::HeadlessWindowSystem windowSystem_;
    platform::HeadlessHostWindow hostWindow_{platform::WindowSettings{}};
    CLanguageOSVer language_;
    std::unique_ptr<CCommandLine6> commandLine_;
    std::unique_ptr<CWindow> window_;
    std::unique_ptr<CApplication> host_;
    bool quitRequested_ = false;
};

} // namespace apptest
