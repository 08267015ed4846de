#pragma once

// The demo game played headless: a copy of games/demo in a temp folder, started through
// playerMain on the headless platform and turned on its manual clock (the player paces a turn a
// millisecond, so pump n is about millisecond n of play), with a scripted sequence of clicks
// and key records injected as the mouse and the keyboard buffer them. The stream refills run on the same clock, so the music
// plays and loops as it would. Tests and benchmarks give the clicks and look at the live game at
// every pump.

#include "application/CApplication.h"
#include "application/CMC_Application.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CXVector.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Input.h"
#include "platform/KeyCodes.h"
#include "player/PlayerMain.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "tests/platform/TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace demotest {

// A left click at (x, y): the pointer moves there and the button goes down at the pump, and up
// at the next one.
struct Click {
    int pump;
    int x;
    int y;
};

// A key (a code of platform/KeyCodes.h) going down at the pump and up at the next one, Shift or
// Alt held around it when asked (until kModifierHeld pumps after it went down, so keys typed
// with one held lie that far apart at least).
struct Key {
    int pump;
    int code;
    enum Held { NONE, SHIFT, ALT } held = NONE;
};

constexpr int kModifierHeld = 40;

class DemoSession {
    TempFolder folder_;

public:
    // The game's INI file, as its player configuration names it.
    static constexpr const char* kIniName = "Demo.ini";

    DemoSession()
    {
        // The game's own files; not the INI file a game played there may have left.
        const std::filesystem::path from = TAMZORA_DEMO_FOLDER;
        std::filesystem::copy_file(from / "Tamzora.ini", std::filesystem::path(folder_.path()) / "Tamzora.ini");
        for (const char* data : {"Dane", "Wavs"})
            std::filesystem::copy(from / data, std::filesystem::path(folder_.path()) / data, std::filesystem::copy_options::recursive);
    }

    // Keys the next play types, and the player's options.
    std::vector<Key> keys;
    std::vector<std::string> options{"-window"};

    // Plays `pumps` pumps of the main loop with the clicks, then closes the window; `look` sees
    // the game at every pump, and `done` is told when a pump hands over to the turn. The
    // player's exit code.
    int play(const std::vector<Click>& clicks, int pumps, const std::function<void(int pump)>& look,
             const std::function<void()>& done = [] {})
    {
        std::map<int, Click> presses;
        std::map<int, Click> releases;
        for (const Click& click : clicks) {
            presses[click.pump] = click;
            releases[click.pump + 1] = click;
        }
        std::map<int, Key> keyDowns;
        std::map<int, Key> keyUps;
        std::map<int, Key> modifierUps;
        for (const Key& key : keys) {
            keyDowns[key.pump] = key;
            keyUps[key.pump + 1] = key;
            if (key.held != Key::NONE)
                modifierUps[key.pump + kModifierHeld] = key;
        }
        platform_ = std::make_unique<platform::HeadlessPlatform>(folder_.path());
        platform::HeadlessPlatform& platform = *platform_;
        int pump = 0;
        platform.windowSystem.setPumpHook([&] {
            ++pump;
            platform.timers.runDue();
            if (auto down = keyDowns.find(pump); down != keyDowns.end())
                press(down->second, true);
            if (auto up = keyUps.find(pump); up != keyUps.end())
                press(up->second, false);
            if (auto up = modifierUps.find(pump); up != modifierUps.end())
                letGo(up->second);
            if (auto down = presses.find(pump); down != presses.end()) {
                platform.input.setPointer({down->second.x, down->second.y});
                mouse(platform::MouseOffset::X, 1);
                mouse(platform::MouseOffset::Button0, platform::kInputPressed);
            }
            if (releases.count(pump) != 0)
                mouse(platform::MouseOffset::Button0, 0);
            look(pump);
            if (pump == pumps)
                platform.windowSystem.postClose();
            done();
        });
        CFile::chDir(folder_.path().c_str());
        return playerMain(options, platform);
    }

    // The live scene's name; "none" between scenes.
    static std::string sceneName()
    {
        CMC_Scene* scene = liveScene();
        return scene != nullptr ? scene->getName().c_str() : "none";
    }
    // The live scene's own objects as "NAME:type", sorted and joined by blanks.
    static std::string objectsOfScene()
    {
        CMC_Scene* scene = liveScene();
        std::vector<std::string> names;
        CXVector* objects = scene != nullptr ? scene->getObjects() : nullptr;
        for (int i = 0; objects != nullptr && i < objects->getSize(); ++i) {
            auto* object = static_cast<CMC_Object*>(objects->at(i));
            if (!script::isApplicationTreeType(object->getType()))
                names.push_back(std::string(object->getName().c_str()) + ":" + std::to_string(object->getType()));
        }
        std::sort(names.begin(), names.end());
        std::string text;
        for (const std::string& name : names)
            text += (text.empty() ? "" : " ") + name;
        return text;
    }
    // The text of a variable or an array the live scene finds by name (its episode's and the
    // game's included); "none" when there is none.
    static std::string valueOf(const std::string& name)
    {
        CMC_Scene* scene = liveScene();
        CMC_Object* object = scene != nullptr ? scene->getObject(name.c_str()) : nullptr;
        return object != nullptr ? object->toString().c_str() : "none";
    }
    // The text of what one behaviour line gives in the live scene; "none" when it gives nothing.
    static std::string ask(const std::string& line)
    {
        CMC_Scene* scene = liveScene();
        CMC_Variable* result = scene != nullptr ? CMC_Behaviour::runLine(scene, scene, line.c_str(), nullptr) : nullptr;
        const std::string answer = result != nullptr ? result->toString().c_str() : "none";
        CMC_Object::flush(result);
        return answer;
    }
    // FNV-1a of the screen's pixels.
    uint64_t screenDigest()
    {
        const platform::DisplaySurface* screen = platform_->display.primary();
        uint64_t hash = 14695981039346656037ull;
        const size_t bytes = size_t(screen->pitchBytes()) * size_t(screen->height());
        for (size_t i = 0; i < bytes; ++i)
            hash = (hash ^ screen->pixels()[i]) * 1099511628211ull;
        return hash;
    }
    // When TAMZORA_DEMO_FRAMES names a folder, the screen goes there as "<name>.ppm", to be looked
    // at when its digest changes.
    void keepScreen(const std::string& name)
    {
        const char* folder = std::getenv("TAMZORA_DEMO_FRAMES");
        if (folder == nullptr)
            return;
        const platform::DisplaySurface* screen = platform_->display.primary();
        std::ofstream out(std::string(folder) + "/" + name + ".ppm", std::ios::binary);
        out << "P6\n" << screen->width() << " " << screen->height() << "\n255\n";
        const auto* pixels = reinterpret_cast<const uint16_t*>(screen->pixels());
        for (int i = 0; i < screen->width() * screen->height(); ++i) {
            const uint16_t pixel = pixels[i];
            const char rgb[] = {char((pixel >> 11) << 3), char(((pixel >> 5) & 0x3F) << 2), char((pixel & 0x1F) << 3)};
            out.write(rgb, 3);
        }
    }
    // A file of the game folder, as the game left it; "" when there is none.
    std::string file(const std::string& path) const
    {
        std::ifstream in(folder_.path() + "/" + path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // A value the game wrote to its INI file.
    std::string ini(const std::string& section, const std::string& key) const
    {
        return CConfig((folder_.path() + "/" + kIniName).c_str()).GetString(section.c_str(), key.c_str()).c_str();
    }

private:
    // The platform of the latest play: each play starts the player afresh.
    std::unique_ptr<platform::HeadlessPlatform> platform_;

    static CMC_Scene* liveScene()
    {
        auto* host = dynamic_cast<CApplication*>(CGameConfigLink::installed());
        CMC_Scene* scene = host != nullptr ? host->getMCApplicationIfc() : nullptr;
        while (scene != nullptr && scene->getCurrentScene() != nullptr)
            scene = scene->getCurrentScene();
        return scene;
    }
    // One record as the mouse or the keyboard buffers it; the player's input poller reads it when
    // its period next ends on the manual timers.
    void record(platform::InputDevice device, uint32_t offset, int32_t data) { platform_->input.inject(device, {offset, data}); }
    void mouse(uint32_t offset, int32_t data) { record(platform::InputDevice::Mouse, offset, data); }
    // A key going down or up. Shift or Alt goes down with the key; it is let go a while after the
    // key, once the poller has read the key with it held.
    void press(const Key& key, bool down)
    {
        const int32_t state = down ? platform::kInputPressed : 0;
        if (key.held != Key::NONE && down) {
            platform_->input.setModifiers(key.held == Key::SHIFT, key.held == Key::ALT);
            record(platform::InputDevice::Keyboard, uint32_t(modifierOf(key)), state);
        }
        record(platform::InputDevice::Keyboard, uint32_t(key.code), state);
    }
    void letGo(const Key& key)
    {
        record(platform::InputDevice::Keyboard, uint32_t(modifierOf(key)), 0);
        platform_->input.setModifiers(false, false);
    }
    static int modifierOf(const Key& key) { return key.held == Key::SHIFT ? platform::key::LeftShift : platform::key::LeftAlt; }
};

} // namespace demotest
