#pragma once

#include "script/CMC_Runner.h"

class CMC_Database;
class CMC_Structure;

// The runner of DATABASE objects. ADD and INSERTAT take the structure to copy either as the
// STRUCTURE itself or by its name (the argument's text, else the argument variable's own name).
class CMC_Database_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        REMOVE = 2,
        LOAD = 3,
        SAVE = 4,
        REMOVEALL = 5,
        FIND = 6,
        SELECT = 7,
        NEXT = 8,
        PREV = 9,
        GETROWSNO = 10,
        REMOVEAT = 11,
        INSERTAT = 12,
        GETCURSORPOS = 13,
    };

    void prepareMthHashSet() override;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    using CMC_Runner::run;

private:
    // Answers the methods that change or move over the table; false for any other identifier.
    bool runTableMethod(int id, CMC_Database* database, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Structure* structureArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container);
};
