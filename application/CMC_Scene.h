#pragma once

#include "script/CMC_ObjectsContainer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCollisionInspector;
class CCollisionObserver;
class CGraphicsObject;
class CMC_Application;
class CMC_Array;
class CMC_DLLExModuleInterface;
class CMC_Groupped;
class CMC_StructureParser;
class CUnit6;
class CWindow;
class CXVector;

// The SCENE (type 1002), and the base of the episode and the application: an objects container
// that loads its script file ("<name>.cnv"), owns the objects declared there while it is live,
// hands its name and background to the scene host unit, keeps statistics in the game's INI file
// and decides whether music goes on across a change of scene.
//
// As a container of children (application -> episodes -> scenes) it keeps the live child, a change
// requested for the next turn and the children entered so far. A container owns the children it
// is the parent of. Only one scene per episode is live; the others hold their properties only.
//
// A scene or an episode loads the plug-in libraries its "DLLS" names when it becomes live; their
// modules make the objects of TYPE words and type identifiers the engine does not know. A scene
// releases them once its objects are gone; an episode keeps them until it is entered again or
// destroyed.
//
// Compiled form: the tree file "application.bin" holds each container's record (name and own
// handlers) and PATH; each container's objects are in its own "<name>.bin" (CMC_CompiledFile). A
// container read from the tree is binary: its loadCnv reads that file instead of its script.
// Main thread only.
class CMC_Scene : public CMC_ObjectsContainer {
public:
    // Properties from the element; with a parent, made its child by name.
    CMC_Scene(CWindow* window, CMC_Scene* parent, CMElement* element, int type);
    // A binary container with empty properties, to be read from the tree file.
    CMC_Scene(CWindow* window, int type);
    ~CMC_Scene() override;

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONDOMODAL", "ONRESTART", "ONMUSICLOOPED", "ONACTIVATE",
    // "ONDEACTIVATE".
    CXString** getBehavioursList() override;
    using CMC_ObjectsContainer::onSignal;
    // A signal no behaviour handles runs this container's "__<signal>__" behaviour instead, if it
    // has one, and then counts as handled.
    bool onSignal(const CXString& key) override;
    // The objects are told done and deleted as any container does; the application tree's objects
    // it holds by name (itself, its parents) are let go first, so their own ONDONE is theirs alone.
    void unload() override;
    // Storing: the record and PATH into the tree file, then the objects into the container's own
    // file. Loading: the record and PATH.
    void serialize(CXArchive* archive) override;
    // The object the first plug-in module that makes it makes from the element; null when none.
    CMC_Object* resolveEx(CMElement* element) override;

    // Loads the libraries of a "," list in order (an earlier list is released first).
    virtual void resolveDLLs(const CXString& list);
    // Releases the modules and unloads their libraries, in list order, deleting first any object
    // of theirs still alive.
    virtual void doneDLLs();
    // The empty object of a type identifier that the first module making it makes; null when none.
    virtual CMC_Object* serializeEx(CXArchive* archive, int typeId);
    virtual bool isBinary();

    // Adds Time and Played of a visit to the scene's section of the game's INI file.
    virtual void saveStats();
    // This scene when the name is its own, else the first child (depth first) that finds it.
    virtual CMC_Scene* getScene(const CXString& name);
    using CMC_ObjectsContainer::getScene;
    virtual CMC_Scene* getCurrentScene();
    // Makes the scene live: folders, script, unit, objects initialised, "__INIT__", "ONINIT".
    virtual bool initialize(CMC_Scene* previous);
    // The container turn: a requested change of child, the live child's turn, the per-turn
    // objects. The live child's answer.
    virtual bool domodal();
    // The music rule (see the source).
    virtual void startMusic(const char* name, bool force);
    virtual void stopMusic();
    // MUSIC, else the parent's, else "".
    virtual CXString getMusicFilename();
    virtual bool shouldMusicBeStarted();
    // Reads "<name>.cnv" of the current folder into objects; false (the text road). A binary
    // container reads its compiled object file instead; true.
    virtual bool loadCnv();
    // The application above (the application itself for the application); null outside a tree.
    virtual CMC_Application* getMCApplication();
    // The first child is entered at the next turn; "ONRESTART" when handled.
    virtual void restart();
    // Takes the scene down: statistics, objects, unit, and the music unless `next` shares it.
    virtual void unload(CMC_Scene* next);
    // The direct child of that name; null when none.
    virtual CMC_Scene* find(const CXString& name);
    // The change of child itself: the live one unloaded, the target initialised and recorded.
    virtual void _goto(CMC_Scene* target, CMC_Scene* current);
    // Requests the change for the next turn; an unknown name drops any request.
    virtual void _goto(const CXString& name);
    // Empties the group, then adds every TIMER of this container that is enabled.
    virtual void getRunningTimers(CMC_Groupped* group);
    // Empties the group, then adds every ANIMO of this container whose animation plays.
    virtual void getPlayingAnimo(CMC_Groupped* group);
    // Adds to the array the name of every SEQUENCE of this container that plays.
    virtual void getPlayingSeq(CMC_Array* array);
    // Every paused SEQUENCE of this container that the array names plays on.
    virtual void resumeExcept(CMC_Array* array);
    // An object of the type word ("BUTTON") and name, made for this scene and added to it; null
    // for any other word, or when the type cannot be made.
    virtual CMC_Object* createObject(const CXString& type, const CXString& name);
    // Hands the object and its observer to the window's collision inspector, once per object; the
    // scene takes its objects out again when it is destroyed.
    virtual void monitorCollisions(CGraphicsObject* object, bool alphaTest, CCollisionObserver* observer);
    virtual void removeMonitorCollisions(CGraphicsObject* object, CCollisionObserver* observer);
    virtual CXString getPath();
    virtual bool isDeamon();
    // Every object held is told init, in order. Of the application tree's objects only an episode
    // or the application itself is: a scene raises its own ONINIT once its "__INIT__" ran.
    virtual void onInit();

    // Writes the container's compiled form (serialize). One that is not live has its plug-in
    // modules and its objects loaded for the writing and unloaded after it; a live one (the
    // application, the live episode and scene) is written as it stands, undisturbed.
    void storeCompiled(CXArchive* archive);
    // The application, and every child its live parent has entered and not left.
    bool isLive();

    CXString getDesc() const { return description_; }
    CXString getBackground() const { return background_; }
    CXString getDlls() const { return dlls_; }
    CUnit6* getUnit() const { return unit_; }
    void setUnit(CUnit6* unit) { unit_ = unit; }
    // The children in definition order (not to be changed).
    CXVector* getSubScenes() const { return children_; }
    // The children entered, oldest first.
    CXVector* getHistory() const { return history_; }
    int getSubId(CMC_Scene* child) const;
    void setDraggedName(const CXString& name) { draggedName_ = name; }
    CXString getDraggedName() const { return draggedName_; }
    // The child requested for the next turn; null when none.
    CMC_Scene* getPendingScene() const { return pending_.get(); }

    // The one unit of every scene, made on the window by the first scene constructed.
    static CUnit6* getDefUnit();
    static void doneDefUnit();

protected:
    // A listed child: this container becomes its parent.
    void adoptChild(CMC_Scene* child);
    // The objects of that type the parser built under the names of a ", " list, in list order;
    // names it does not know, or knows as another type, are skipped.
    static std::vector<CMC_Scene*> listed(CMC_StructureParser* parser, const CXString& names, int type);
    // The child of that name, else the first child; null without children.
    CMC_Scene* startChild(const CXString& name);
    // The child at that index; null outside the list.
    CMC_Scene* childAt(int index) const;
    void setCurrentScene(CMC_Scene* child) { current_ = child; }
    void setPendingScene(CMC_Scene* child) { pending_ = child; }
    CMC_Scene* parentScene();
    // Whether a behaviour is attached to exactly that signal.
    bool hasHandler(const char* key);
    // Runs this container's own "__INIT__" behaviour, condition checked.
    void runInitBehaviour();
    // Deletes the children this container is the parent of.
    void deleteChildren();
    // Makes the game's data folder current, then the relative folder PATH below it.
    void enterDataFolder(const CXString& root);

private:
    // The window's; null without a window.
    CCollisionInspector* collisionInspector();
    // Runs the named behaviour of this container on it; false when there is none.
    bool runOwnBehaviour(const CXString& name, bool checkCondition);
    void enterSceneFolder();
    // A button with an empty area, on this scene's unit, wrapped in a BUTTON of that name.
    CMC_Object* makeButtonObject(const CXString& name);
    // A shown virtual graphics object on the screen at priority 0, wrapped; null without a maker.
    CMC_Object* makeVirtualGraphicsObject(const CXString& name);
    void initializeUnit();
    void applyMusicRule(CMC_Scene* previous);
    void registerSelf(CWindow* window);
    // The first object a module makes, asked in list order; null when none makes one.
    CMC_Object* firstMadeByModules(const std::function<CMC_Object*(CMC_DLLExModuleInterface&)>& make);
    // The compiled object file: its full path, reading it, writing it.
    CXString objectFilePath();
    bool loadObjectFile();
    void storeObjectFile();
    // The record read from the tree file, name and own handlers, kept as its bytes: the handlers
    // are bound anew at every visit, as the script's are.
    void readRecord(CXArchive* archive);
    void restoreOwnHandlers();

    CXString dlls_;
    CXString description_;
    CXString creationTime_;
    CXString lastModifyTime_;
    CXString author_;
    CXString coauthors_;
    CXString path_;
    CXString background_;
    CXString music_;
    CUnit6* unit_ = nullptr;
    CXVector* children_;
    CMC_Ref<CMC_Scene> current_;
    CMC_Ref<CMC_Scene> pending_;
    CXVector* history_;
    std::vector<CGraphicsObject*> monitored_;
    CXString draggedName_;
    CXString previousUnitName_;
    std::vector<std::unique_ptr<CMC_DLLExModuleInterface>> modules_;
    std::string storedRecord_;
    bool musicFlag_ = true;
    bool binary_ = false;
    bool deamon_ = false;
    // Whether the scene is live, and the tick count it became live at.
    bool visiting_ = false;
    uint32_t startTick_ = 0;

    static CUnit6* defaultUnit;
};
