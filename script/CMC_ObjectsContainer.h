#pragma once

#include "foundation/InsertionOrder.h"
#include "script/CMC_Object.h"

#include <cstdint>
#include <vector>

class CGraphicsObject;
class CHashtable;
class CMC_Variable;
class CMElements;
class CMemberList;
class CStringHashCode;
class CWindow;

// The script object that owns named script objects: application, episode, scene and class derive
// from it. It makes objects from definition elements by their TYPE word (see CMC_CreationChain),
// finds them by name (here, then in the containers above), replaces an object whose name another
// one takes, and tells its objects they are done and deletes them when it unloads.
//
// Every object it holds is owned, except APPLICATION, EPISODE and SCENE objects, which a scene
// holds by name only. An object that dies leaves the containers holding it by itself.
class CMC_ObjectsContainer : public CMC_Object {
public:
    CMC_ObjectsContainer(CWindow* window, CMC_ObjectsContainer* owner, CMElement* element, int type);
    CMC_ObjectsContainer(CWindow* window, CMC_ObjectsContainer* owner, const CXString& name, int type);
    // Objects still held (not unloaded) are deleted without signals.
    ~CMC_ObjectsContainer() override;

    // Takes the object out of the name table and the objects vector without deleting it; false
    // when it is not held here.
    virtual bool removeObject(CMC_Object* object);
    // Holds the object under its name; an object already held under that name is removed and
    // deleted first (an application, episode or scene object only removed).
    virtual void addObject(CMC_Object* object);
    // The objects in insertion order: the container's own vector, not to be changed.
    virtual CXVector* getObjects();
    // Every held object forgets the handlers bound in that container; then the parents do.
    virtual void onSubSceneDone(CMC_ObjectsContainer* container);
    // done(true) for CLASS objects, then for those that ask to go first, then the rest; every
    // object but application, episode and scene objects deleted in insertion order; then this
    // container's own ONDONE.
    virtual void unload();
    // Plug-in resolution of a TYPE word the engine does not make: null here; the scene asks the
    // plug-in modules loaded for it.
    virtual CMC_Object* resolveEx(CMElement* element);

    // By name: this container, then (for a name ending in "_0") the name without it, then the
    // parents. Null when found nowhere.
    CMC_Object* getObject(const CXString& name);
    // The index-th object of the objects vector; null outside it.
    CMC_Object* getObject(int index);
    int getElementsNo();
    // The object of that name when it is an INTEGER, STRING, BOOL or DOUBLE.
    CMC_Variable* getVariable(const CXString& name);
    // Position in the objects vector of the first object of that name; -1 when none.
    int getObjectId(const CXString& name);
    // A new vector (the caller's) of the held objects of that type, in the name table's order.
    CXVector* getObjectsOfType(int type);
    // Empties the group, then adds the held objects of the type the word names.
    void getObjects(const CXString& typeWord, CMemberList* group);
    // The graphics object a name stands for ("name" or "name!frame"); null when none.
    CGraphicsObject* getGraphicsObject(const CXString& name);
    // The name of the held object whose graphics object that is; "UNKNOWN" when none.
    CXString getGraphicsObjectName(CGraphicsObject* graphics, bool searchParents);

    // Makes the objects of one element into a new vector (the caller's) without adding them; with
    // a group, the inline behaviours made for them join it.
    CXVector* resolve(CMElement* element, CMemberList* group);
    // Makes and adds the objects of a whole list in six passes by TYPE word. Answers a new,
    // non-owning list of the elements that made no object.
    CMElements* resolveObjects(CMElements* elements);

    // Changes whenever any container files an object under a name or gets another parent: only
    // then can a name that found nothing find something. Never 0.
    static uint64_t namesEpoch() { return namesEpoch_; }

    // The container above; this container holds it and its own parent by name.
    void setParent(CMC_ObjectsContainer* parent);
    CMC_ObjectsContainer* getParent();
    CWindow* getWindow() { return window_; }
    // The window of a container that may be missing; null then.
    static CWindow* windowOf(CMC_ObjectsContainer* container) { return container != nullptr ? container->window_ : nullptr; }
    // The objects called once per turn by the scene (INTERNET), those still alive.
    std::vector<CMC_Object*> getPerFrameObjects();

protected:
    // This container's own object of exactly that name; null when none.
    CMC_Object* findOwn(const CXString& name);
    // Deletes every held object but application, episode and scene objects, without signals: what
    // a container being destroyed does instead of unloading.
    void deleteHeldObjects();

private:
    CMC_Object* findObject(const CXString& name, int depth);
    CMC_Object* makeForPass(const CXString& word, CMElement* element, bool& madeObject);
    CMC_Object* makeNew(const CXString& word, CMElement* element, bool sceneInsteadOfThis);
    CMC_ObjectsContainer* sceneOrThis();
    void resolveBehaviourConditions();
    void doneWhere(const std::vector<CMC_ObjectRef>& objects, int pass);
    std::vector<CMC_ObjectRef> heldObjects() const;
    void addInlineBehavioursToGroup(CMC_Object* object, CMemberList* group);

    static uint64_t namesEpoch_;

    CStringHashCode* lookupKey_;
    foundation::InsertionOrder objects_;
    std::vector<CMC_ObjectRef> perFrameObjects_;
    CHashtable* names_;
    CMC_Ref<CMC_ObjectsContainer> parent_;
    CWindow* window_;
};
