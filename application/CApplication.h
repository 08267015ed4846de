#pragma once

#include "foundation/CCommandLineSource.h"
#include "foundation/CXObject.h"
#include "graphics/CEngineHost.h"
#include "graphics/CScreenUnit.h"
#include "script/CGameConfigLink.h"
#include "sound/CMusicLoopLink.h"

#include <memory>

class CAnimationManager;
class CConfig;
class CFont5;
class CMC_Application;
class CMC_StructureParser;
class CResourcesManager;
class CSoundManager;
class CWindow;

// The engine host: the one object through which the player starts a game in the engine and drives
// it turn by turn. It owns the application tree, the animation and sound managers (installed for
// the window's turn), the game's INI configuration and the resources, opens the data archive, and switches to a next game when the
// application names one. While it lives it is the window's engine host, the game configuration
// scripts persist into, the command line the definition loader reads and the receiver of music
// loops, and it shows the screen the unit of the live scene. Main thread only.
class CApplication : public CXObject,
                     public CEngineHost,
                     public CGameConfigLink,
                     public CCommandLineSource,
                     public CMusicLoopLink,
                     public CScreenUnitLink {
public:
    // Opens the data archive when one is named and the configuration on the INI file (below the
    // window's root path) when one is named. Nothing fails here.
    CApplication(CWindow* window, const CXString& iniName, const CXString& dataArchiveName, CCommandLine6* commandLine);
    ~CApplication() override;
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Whether a CD drive holds the file at its root; unless `keepFolder`, that root becomes the
    // current folder.
    static bool findCD(const CXString& fileName, bool keepFolder);

    // Finds the game's data (the CD search unless skipped), builds the application tree from the
    // definition and enters its first scene. Without an application the error code is 3000.
    virtual void preinitializeApplication(bool skipCdSearch);
    // The network's turn (messages received become signals), the application's turn, then a switch
    // to the next game it named; always false.
    bool domodal() override;
    bool OnExit() override;
    virtual void OnWindowCommand(int command);
    int OnKeyDown(int key, int data) override;
    // The window's sound-effects path of the name.
    virtual CXString getWAVPath(const CXString& name);

    CMC_Object* getApplicationObject() override;
    CConfig* getGameConfig(CWindow* window) override;
    CCommandLine6* getCommandLine() const override;
    // "ONMUSICLOOPED" on the live scene.
    void onMusicLooped() override;
    // The scenes' unit while it serves a live scene.
    CScreenUnit* getDefUnit() override;

    CMC_Application* getMCApplicationIfc() const { return application_; }
    CAnimationManager* getAnimoManagerIfc() const { return animationManager_.get(); }
    CSoundManager* getSoundManagerIfc() const { return soundManager_.get(); }
    // Null when no INI name was given.
    CConfig* GetConfigInterface() const { return config_.get(); }
    // Null until preinitializeApplication found the data.
    CResourcesManager* getGeneralResourcesManager() const { return resources_.get(); }
    CFont5* getDefaultFont() const { return defaultFont_; }
    void setDefaultFont(CFont5* font) { defaultFont_ = font; }

private:
    // The CD path and the sound-effects path from the current folder, then the data folder.
    void enterGameFolder();
    // Builds the tree from the definition of the current folder; the error code when none.
    void loadDefinition();
    // Reads the tree from the compiled file of the current folder; the error code when it cannot.
    void loadCompiled();
    void deleteTree();
    void switchToGame(const CXString& folder);

    CWindow* window_;
    std::unique_ptr<CAnimationManager> animationManager_;
    std::unique_ptr<CSoundManager> soundManager_;
    CCommandLine6* commandLine_;
    std::unique_ptr<CConfig> config_;
    std::unique_ptr<CResourcesManager> resources_;
    CFont5* defaultFont_ = nullptr;
    CXString iniName_;
    CXString dataArchiveName_;
    CMC_Application* application_ = nullptr;
    std::unique_ptr<CMC_StructureParser> parser_;
    // The script factories were started for a compiled tree, which has no parser to end them.
    bool compiledFactories_ = false;
};
