#pragma once

// The engine-host harness: a game written into a temp folder (drive T:, which is both the game's
// folder and its data root) and started headless through the engine host, with turns on the
// manual clock. Tests write the definition ("Dane\application.def") and the scripts, start the
// game, run turns and look at the live scene, its objects and the game's INI file.

#include "script/GameFolder.h"
#include "script/ScriptText.h"

#include "application/CMC_Application.h"
#include "application/CMC_Episode.h"
#include "application/CMC_StructureParser.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CWindowLink.h"
#include "foundation/CXVector.h"
#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"

#include <gtest/gtest.h>

#include <initializer_list>
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

    void SetUp() override { platform::setClock(&clock); }
    void TearDown() override
    {
        stop();
        platform::setClock(nullptr);
    }

    // A file of the game folder ("Dane/S1.cnv").
    void writeFile(const std::string& relative, const std::string& bytes) { folder.temp.write(relative, bytes); }
    void writeDefinition(const std::string& text) { writeFile("Dane/application.def", text); }
    // The script of a scene, episode or application in the data folder.
    void writeScript(const std::string& name, const std::string& text) { writeFile("Dane/" + name + ".cnv", text); }

    // Starts the game in the folder, as the player does: the engine host on the game's INI file,
    // no CD search. False when no application was loaded.
    bool start(const std::string& commandLine = "")
    {
        commandLine_ = std::make_unique<CCommandLine6>(commandLine.c_str());
        CFile::chDir("T:\\");
        links_ = std::make_unique<Links>(commandLine_.get(), CXString("T:\\") + kIniName);
        CFile::chDir("T:\\Dane");
        parser_ = std::make_unique<CMC_StructureParser>(nullptr, "application.def");
        application_ = parser_->getMCApplication();
        if (application_ == nullptr)
            return false;
        application_->initialize(nullptr);
        return true;
    }
    // Deletes the engine host and everything it made.
    void stop()
    {
        CMC_Object::destroySilently(application_);
        application_ = nullptr;
        parser_.reset();
        links_.reset();
    }

    // One engine turn after `ms` milliseconds.
    void turn(uint32_t ms = 16)
    {
        clock.advance(ms);
        if (application_ != nullptr)
            application_->domodal();
    }
    void turns(int count, uint32_t ms = 16)
    {
        for (int i = 0; i < count; ++i)
            turn(ms);
    }

    CMC_Application* application() { return application_; }
    // The live child of the application: an episode, or a scene listed under the application.
    CMC_Scene* liveChild() { return application_ != nullptr ? application_->getCurrentScene() : nullptr; }
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
        return application_ != nullptr ? dynamic_cast<CMC_Episode*>(application_->getScene(name.c_str())) : nullptr;
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
    GameFolder folder;

private:
    struct Links : CWindowLink, CGameConfigLink, CCommandLineSource {
        Links(CCommandLine6* commandLine, const CXString& ini) : commandLine_(commandLine), config_(ini)
        {
            CWindowLink::install(this);
            CGameConfigLink::install(this);
            CCommandLineSource::install(this);
        }
        ~Links() override
        {
            CWindowLink::install(nullptr);
            CGameConfigLink::install(nullptr);
            CCommandLineSource::install(nullptr);
        }
        CXString getCDPath() const override { return "T:\\"; }
        CXString getRootPath() const override { return "T:\\"; }
        CLanguageOSVer* getLangIfc(CWindow*) const override { return nullptr; }
        void languageChanged(CWindow*) override {}
        CConfig* getGameConfig(CWindow*) override { return &config_; }
        CCommandLine6* getCommandLine() const override { return commandLine_; }

        CCommandLine6* commandLine_;
        CConfig config_;
    };

    std::unique_ptr<CCommandLine6> commandLine_;
    std::unique_ptr<Links> links_;
    std::unique_ptr<CMC_StructureParser> parser_;
    CMC_Application* application_ = nullptr;
};

} // namespace apptest
