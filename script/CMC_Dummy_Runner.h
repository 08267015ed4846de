#pragma once

#include "script/CMC_Runner.h"

class CMC_Behaviour;

// The runner of the built-in "@" statements (type identifier 0). A line calls a statement with
// the running behaviour as the object (null for a single line run outside a behaviour), the
// behaviour's container and the evaluated arguments. Unlike every other runner it answers no
// common method: its table holds the statements only.
//
// Adding a statement: give it a function of the Statement shape and a row in the table at the
// top of CMC_Dummy_Runner.cpp. The identifiers are fixed below.
class CMC_Dummy_Runner : public CMC_Runner {
public:
    enum StatementId {
        IF = 1,
        WHILE = 2,
        RETURN = 3,
        BREAK = 4,
        CONV = 5,
        MSGBOX = 6,
        BOOL = 7,
        DOUBLE = 8,
        INT = 9,
        STRING = 10,
        LOOP = 11,
        VALUE = 12,
        RUNONTIMER = 13,
        CREATE = 14,
        GETAPPLICATIONNAME = 15,
        GETCURRENTSCENE = 16,
        ONEBREAK = 17,
        CONTINUE = 18,
        FOR = 19,
    };

    // What a statement is given.
    struct Call {
        CMC_Dummy_Runner& runner;
        CMC_Object* object;
        CMC_ObjectsContainer* container;
        CXVector* arguments;

        // The object as the running behaviour; null outside one.
        CMC_Behaviour* behaviour() const;
        int count() const { return argumentCount(arguments); }
    };
    // A value (as a rule a pooled temporary), null, or a stop code (CMC_StopCode.h).
    using Statement = CMC_Variable* (*)(Call& call);

    struct Row {
        const char* name;
        int id;
        Statement statement;
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // The statement of an identifier; null when there is none.
    static Statement statementOf(int id);
};
