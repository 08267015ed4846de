#pragma once

#include "script/CMC_Object.h"

#include <vector>

class CMC_Groupped;
class CMElements;
class CWindow;

// The script loader "CNVLOADER": adds the objects of another script file to a running container
// and takes them away again. The objects of a loaded file are gathered in a GROUP named exactly
// like the file, which marks the file as loaded (it is built once until released) and lists what
// RELEASE removes: its behaviours, then its other members with their clones, then the group.
//
// The loader's scene is the container it works on: the one that made it, then the container of
// the line that last called LOAD.
class CMC_CNVLoader : public CMC_Object {
public:
    CMC_CNVLoader(CWindow* window, CMC_ObjectsContainer* container);
    ~CMC_CNVLoader() override;

    // Builds the file's objects into the container, each initialised before it is added. Nothing
    // when the file does not load, has no elements, is loaded already or is being loaded.
    virtual void load(const CXString& file);
    // Removes and deletes what load made of the file. Application, episode and scene objects, the
    // container and the loader itself are never deleted, whatever the group holds.
    virtual void release(const CXString& file);

private:
    // False when the container went away meanwhile.
    bool build(CMC_ObjectsContainer* container, CMElements* elements, CMC_Groupped* group);
    bool isReleasable(CMC_Object* object, CMC_ObjectsContainer* container, CMC_Object* group);
    void removeAndDelete(CMC_Object* object, CMC_ObjectsContainer* container, CMC_Object* group);

    CWindow* window_;
    std::vector<CXString> loading_;
};
