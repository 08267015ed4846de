#pragma once

#include "application/CMC_Scene.h"

class CMC_StructureParser;

// The EPISODE (type 1001): an ordered group of scenes with its own script file and objects, a
// start scene, the scenes entered so far and the name of the scene it left last. Its objects stay
// loaded while its scenes change; a change between them (NEXT, PREV, BACK, GOTO, RESTART) is
// requested now and made in the next application turn.
class CMC_Episode : public CMC_Scene {
public:
    // Takes the scenes "SCENES" names (", " between names) from the parser; the start scene is
    // the one "STARTWITH" names, else the first.
    CMC_Episode(CWindow* window, CMC_StructureParser* parser, CMElement* element);
    // A binary episode, to be read from the tree file with its scenes.
    explicit CMC_Episode(CWindow* window);
    ~CMC_Episode() override;

    // Folder, plug-in modules, script, objects, "__INIT__", then the start scene at once. False
    // without scenes.
    bool initialize(CMC_Scene* previous) override;
    // The container's part, the scene count, the start scene's index and each scene's record;
    // storing writes every scene's objects into its own file as well.
    void serialize(CXArchive* archive) override;
    // The live scene is unloaded ("ONDONE" of the episode first) and remembered as the latest.
    void unload(CMC_Scene* next) override;
    using CMC_Scene::unload;

    // The scene after, or before, the live one; nothing at either end.
    void next();
    void prev();
    // The scene entered before the live one, which leaves the history.
    void back();
    CXString getLatestScene() const { return latestScene_; }
    CMC_Scene* getStartScene() const { return startScene_; }

private:
    void readScenes(CXArchive* archive);
    // Requests the child at index i + step of the live one's index i, when there is one.
    void step(int offset);

    CMC_Scene* startScene_ = nullptr;
    CXString latestScene_;
};
