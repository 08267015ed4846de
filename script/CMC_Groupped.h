#pragma once

#include "script/CMC_Object.h"
#include "script/CMemberList.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

// The GROUP: a named list of other script objects with a marker that walks over it. Calls of a
// method the group does not know go to every member (see CMC_Groupped_Runner). The group never
// owns its members; a member that is deleted elsewhere simply leaves the list.
class CMC_Groupped : public CMC_Object, public CMemberList {
public:
    CMC_Groupped(CMC_ObjectsContainer* container, CMElement* definition);
    // An empty group of that name whose scene is the container.
    CMC_Groupped(const CXString& name, CMC_ObjectsContainer* scene);
    ~CMC_Groupped() override;

    static CMC_Groupped* from(CMC_Object* object);

    // The marker: -1 is before the first member. next and prev move it by n, wrapping around the
    // list in either direction, and give the member reached; null on an empty group.
    virtual CMC_Object* prev(int n);
    virtual CMC_Object* next(int n);
    virtual void resetMarker();
    virtual int getMarkerPos();
    // Kept within [-1, count - 1].
    virtual void setMarkerPos(int position);

    // A new group named "cloned" in the same scene, holding the same members in order.
    CXObject* clone() const override;
    using CMC_Object::clone;
    // The members' names joined by ",".
    CXString toString() const override;
    CXString** getBehavioursList() override;

    // Appends the object unless it is a member already.
    void add(CMC_Object* member) override;
    void removeAll() override;
    // Appends the objects named name_from .. name_to that the scene has (members or not); at
    // most 65536 names are tried in one call.
    void addClones(const CXString& name, int from, int to);
    // Takes the first occurrence out.
    void remove(CMC_Object* member);
    bool contains(CMC_Object* member);
    // Null for a position outside the members.
    CMC_Object* get(int index);
    int getSize();
    // The members in order, those still alive.
    std::vector<CMC_Object*> getMembers();

private:
    void dropDeadMembers();
    void indexMembers();
    void append(CMC_Object* member);
    CMC_Object* memberAtMarker();
    CMC_Object* moveMarker(int64_t step);

    std::vector<CMC_ObjectRef> members_;
    std::unordered_set<const CMC_Object*> memberIndex_;
    int marker_ = -1;
};
