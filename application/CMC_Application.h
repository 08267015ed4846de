#pragma once

#include "application/CMC_Scene.h"

#include <memory>

class CCommandLine6;
class CMC_StructureParser;
class CXVersion;

// The APPLICATION (type 1000) at the root of the tree: it owns the episodes (and any scenes listed
// directly under it), holds the engine-wide objects RANDOM, SYSTEM and the script loader, knows the
// platform version the game requires, and runs the application side of every engine turn.
class CMC_Application : public CMC_Scene {
public:
    // Takes the episodes "EPISODES" and the scenes "SCENES" name from the parser, records the
    // game's version for the user, then loads its own script.
    CMC_Application(CWindow* window, CMC_StructureParser* parser, CMElement* element, CCommandLine6* commandLine);
    ~CMC_Application() override;

    // The scene's signals, then "ONUPGRADE" and "ONEXIT".
    CXString** getBehavioursList() override;
    // Engine objects added, objects initialised, "__INIT__", then the start child at once. False
    // without a start child.
    bool initialize(CMC_Scene* previous) override;
    // Temporaries back to their pools, the behaviour trash emptied, then the container turn. True
    // once a next game is named.
    bool domodal() override;
    CMC_Application* getMCApplication() override;
    // The start child again: its first scene when it is live, else entered anew.
    void restart() override;
    // The live child is unloaded ("ONDONE" of the application first); the application's own
    // objects stay.
    void unload(CMC_Scene* next) override;
    using CMC_Scene::unload;

    // Ends the main loop after this turn, then raises "ONEXIT".
    virtual void exit();
    virtual CXString getNextGame();
    // A folder name makes the engine host switch to that game at the end of the turn.
    virtual void setNextGame(const CXString& folder);

    // The version "TAMZORA_VERSION" asks for.
    CXVersion* getPlatformVersion() const { return requiredVersion_.get(); }
    CMC_Scene* getStartScene() const { return startChild_; }
    CCommandLine6* getCommandLine() const { return commandLine_; }

private:
    void adoptEpisode(CMC_Scene* episode);
    void recordVersion(const CXString& version);
    void addEngineObjects();

    CWindow* window_;
    CMC_Scene* startChild_ = nullptr;
    CCommandLine6* commandLine_;
    std::unique_ptr<CXVersion> requiredVersion_;
    CXString nextGame_;
};
