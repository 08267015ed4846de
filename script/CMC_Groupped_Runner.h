#pragma once

#include "script/CMC_Runner.h"

class CMC_Groupped;

// The runner of GROUP objects. Its own names are filed after the common ones, so GETNAME, CLONE
// and GETCLONEINDEX called by name reach the common methods.
//
// A method name the group does not know is called on every member in turn, each with its own
// runner, the same container and the same argument values; the results are given back and the
// broadcast gives no value. A group already broadcasting (one that holds itself, directly or
// through other groups) is skipped.
class CMC_Groupped_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        REMOVE = 2,
        REMOVEALL = 3,
        GETSIZE = 4,
        GETNAME = 5,
        PREV = 6,
        NEXT = 7,
        ADDCLONES = 8,
        RESETMARKER = 9,
        GETMARKERPOS = 10,
        SETMARKERPOS = 11,
        CLONE = 12,
        GETCLONEINDEX = 13,
        GETNAMEATMARKER = 14,
        CONTAINS = 15,
    };

    void prepareMthHashSet() override;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    CMC_Variable* run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // Answers the methods that change the member list or the marker without a result; false for
    // any other identifier.
    bool runListMethod(int id, CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments);
    void addByNames(CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments);
    void addClones(CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments);
    void broadcast(const CXString& name, CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments);
    static CMC_Variable* nameOf(CMC_Object* member);
};
