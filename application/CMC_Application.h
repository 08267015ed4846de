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
    // The compiled road: the tree read from "application.bin" in the current folder, then the
    // application's own objects from its object file. A tree file that is missing or ends early
    // leaves the error code set.
    explicit CMC_Application(CWindow* window);
    ~CMC_Application() override;

    // The scene's signals, then "ONUPGRADE" and "ONEXIT".
    CXString** getBehavioursList() override;
    // The container's part, the episode count, the start episode's index and each episode's part
    // (storing writes every container's objects into its own file as well). Scenes listed directly
    // under the application have no place in the tree file: they are left out, with a log line.
    void serialize(CXArchive* archive) override;
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
    // Writes the compiled form: "application.bin" in the data folder below the root path and
    // every container's object file; the current folder is kept.
    virtual void storeBinary();
    virtual CXString getNextGame();
    // A folder name makes the engine host switch to that game at the end of the turn.
    virtual void setNextGame(const CXString& folder);

    // The version "TAMZORA_VERSION" asks for.
    CXVersion* getPlatformVersion() const { return requiredVersion_.get(); }
    CMC_Scene* getStartScene() const { return startChild_; }
    CCommandLine6* getCommandLine() const { return commandLine_; }

    static const char kTreeFile[];

private:
    void adoptEpisode(CMC_Scene* episode);
    void readEpisodes(CXArchive* archive);
    void storeEpisodes(CXArchive* archive);
    void recordVersion(const CXString& version);
    void addEngineObjects();

    CWindow* window_;
    CMC_Scene* startChild_ = nullptr;
    CCommandLine6* commandLine_ = nullptr;
    std::unique_ptr<CXVersion> requiredVersion_;
    CXString nextGame_;
};
