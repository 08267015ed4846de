#pragma once

// A live scene of media objects: the engine-host harness with picture files written into the
// game's data folder, script text for ANIMO and IMAGE objects, the pointer driven through the
// window as the mouse poller would, and keys typed as the keyboard would.

#include "application/TypingHost.h"
#include "graphics/AnimationBytes.h"
#include "graphics/FontBytes.h"
#include "graphics/ImageBytes.h"

#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Image.h"
#include "script/CMC_CreationChain.h"

#include <string>
#include <vector>

namespace objectstest {

using apptest::behaviour;
using graphicstest::Bytes;
using scripttest::declared;

// A plane of one 16-bit pixel, or of one alpha byte.
inline Bytes filledColour(int width, int height, uint16_t pixel)
{
    Bytes plane;
    for (int i = 0; i < width * height; ++i) {
        plane.push_back(uint8_t(pixel));
        plane.push_back(uint8_t(pixel >> 8));
    }
    return plane;
}

inline Bytes filledAlpha(int width, int height, uint8_t alpha)
{
    return Bytes(size_t(width) * height, alpha);
}

// The line of a handler that appends its text to the LOG string.
inline std::string logs(const std::string& text)
{
    return "{LOG^ADD(\"" + text + "|\");}";
}

// An animation of `frames` opaque frames of 20 x 10 pixels (pixel 0x1234 + frame) standing at
// (x, y), with the events given; positions name their frames by index.
inline graphicstest::AnimationFile animationOf(int frames, int x, int y, std::vector<graphicstest::AnimationEvent> events)
{
    graphicstest::AnimationFile file;
    file.fps = 10;
    for (int i = 0; i < frames; ++i)
        file.frames.push_back({20, 10, x, y, filledColour(20, 10, uint16_t(0x1234 + i)), filledAlpha(20, 10, 255)});
    file.events = std::move(events);
    return file;
}

class MediaScene : public apptest::TypingHost {
protected:
    // A still picture in the data folder standing at (x, y).
    void writePicture(const std::string& file, int width, int height, uint16_t pixel, int alpha = -1, int x = 0, int y = 0)
    {
        graphicstest::StillImage picture(width, height, filledColour(width, height, pixel),
                                         alpha >= 0 ? filledAlpha(width, height, uint8_t(alpha)) : Bytes());
        picture.x = x;
        picture.y = y;
        Bytes bytes = picture.pik();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }
    void writeAnimation(const std::string& file, const graphicstest::AnimationFile& animation)
    {
        Bytes bytes = animation.bytes();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }
    void writeFont(const std::string& file, const graphicstest::FontFile& font)
    {
        Bytes bytes = font.bytes();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }

    // The object's stored record, through a file.
    std::string stored(CMC_Object* object)
    {
        CFile file(nullptr, "T:\\record.bin", CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        object->serialize(&archive);
        file.Close();
        return folder.temp.read("record.bin");
    }
    // An empty object of the word, restored from the bytes and added to the live scene.
    CMC_Object* restored(const std::string& word, std::string bytes)
    {
        CMC_Object* made = CMC_CreationChain::createEmpty(word.c_str(), liveScene());
        CFile_Stream stream(bytes.data(), static_cast<int>(bytes.size()));
        CXArchive archive(&stream, false);
        made->serialize(&archive);
        liveScene()->addObject(made);
        made->initializeBehaviours(liveScene(), nullptr);
        return made;
    }

    // The scene with a LOG string before the given objects.
    bool startWith(const std::string& objects) { return startScene(declared("LOG", "STRING") + objects); }
    // Application GAME, episode E (naming `episodeDlls`, with `episodeScript`), its scene S naming
    // `dlls` with a LOG string before the script, and an empty scene T that names nothing.
    bool startWithLibrary(const std::string& dlls, const std::string& script, const std::string& commandLine = "",
                          const std::string& episodeDlls = "", const std::string& episodeScript = "")
    {
        writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=E"}) +
                        apptest::treeElement("E", "EPISODE", {"SCENES=S, T", "DLLS=" + episodeDlls}) +
                        apptest::treeElement("S", "SCENE", {"DLLS=" + dlls}) + apptest::treeElement("T", "SCENE", {}));
        writeScript("E", episodeScript);
        writeScript("S", declared("LOG", "STRING") + script);
        writeScript("T", "");
        return start(commandLine);
    }
    // Goes to the scene of episode E, in the next turn.
    void enter(const std::string& scene)
    {
        run("E^GOTO(\"" + scene + "\")");
        turn();
    }

    CMC_Image* image(const std::string& name) { return dynamic_cast<CMC_Image*>(object(name)); }
    CMC_Animo* animo(const std::string& name) { return dynamic_cast<CMC_Animo*>(object(name)); }
    std::string log() { return value("LOG"); }
    void clearLog() { run("LOG^SET(\"\")"); }

    // The pointer as the window receives it; buttons 0 left, 1 middle, 2 right.
    void moveTo(int x, int y) { window()->OnMouseMove(CXPoint(x, y), 0); }
    void press(int x, int y, int button = 0) { buttonEvent(x, y, button, true); }
    void release(int x, int y, int button = 0) { buttonEvent(x, y, button, false); }

private:
    void buttonEvent(int x, int y, int button, bool down)
    {
        CXPoint at(x, y);
        CWindow* host = window();
        if (button == 1)
            down ? host->OnMButtonDown(at, 0) : host->OnMButtonUp(at, 0);
        else if (button == 2)
            down ? host->OnRButtonDown(at, 0) : host->OnRButtonUp(at, 0);
        else
            down ? host->OnLButtonDown(at, 0) : host->OnLButtonUp(at, 0);
    }
};

} // namespace objectstest
