#pragma once

#include "script/CMC_ObjectsContainer.h"

// The CLASS: a scene object naming definition files under "$COMMON\CLASSES\" (BASE, a comma
// list, then DEF). NEW makes an instance: a container of its own that loads those files in that
// order, so each instance has its own copies of their objects. Behaviours of an instance are its
// methods; CONSTRUCTOR runs when it is made and DESTRUCTOR when it goes.
//
// Inheritance is by file order: an object of a later file takes the name of an earlier one,
// which stays reachable as "SUPER_" followed by its name (a prefix more for each later file).
//
// The class object itself loads nothing. An instance belongs to the class object's scene and
// remembers the class it was made from (weakly: the class object may go first).
class CMC_Class : public CMC_ObjectsContainer {
public:
    // The class object a scene declares: DEF and BASE read, nothing loaded.
    CMC_Class(CMC_ObjectsContainer* scene, CMElement* definition);
    // An instance named `name` in the class object's scene: the BASE files, then the DEF file.
    CMC_Class(CMC_ObjectsContainer* scene, CMC_Class* classObject, const CXString& name);
    ~CMC_Class() override;

    static CMC_Class* from(CMC_Object* object);

    // "$COMMON\CLASSES\" and the file, resolved with the scene's window; no extension added.
    CXString getClassPath(const CXString& file);
    // Builds the objects of one definition file into this container; nothing when it does not
    // load.
    void import(const CXString& file);
    // import for each item of a comma list, in order.
    void import_base(const CXString& list);
    // Makes an instance and initialises it; the caller adds it to a container.
    CMC_Class* newInstance(const CXString& name);

    // Files the object under its name; an object already held under that name is renamed
    // "SUPER_" + name and filed again by the same rule.
    void addObject(CMC_Object* object) override;
    // init of every object in order, then the instance's own.
    void init() override;
    // DESTRUCTOR, then the objects are unloaded.
    bool done(bool wholeContainer) override;

    const CXString& getDef() const { return def_; }
    const CXString& getBase() const { return base_; }
    // The scene that declared a class object, or the class an instance was made from.
    CMC_Object* getDefinition() const { return definition_.get(); }

private:
    CMC_ObjectRef definition_;
    CXString def_;
    CXString base_;
};
