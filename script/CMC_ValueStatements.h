#pragma once

#include "script/CMC_Dummy_Runner.h"

// The statements that give values: RETURN (through the scene's "__RETURN__"), the local variables
// BOOL, DOUBLE, INT and STRING of a behaviour's run, CONV, VALUE, GETAPPLICATIONNAME,
// GETCURRENTSCENE, and MSGBOX, which does nothing.
class CMC_ValueStatements {
public:
    static constexpr const char* kReturnName = "__RETURN__";

    // (value): the scene's "__RETURN__" becomes a new STRING holding the value's text; a pooled
    // copy of it is the result. The old one is deleted (lines bound to it look the name up again).
    static CMC_Variable* returnStatement(CMC_Dummy_Runner::Call& call);
    // (name, value): a variable of the type, visible by name until the running behaviour's run
    // ends; a pooled copy of it is the result. Nothing when the name is taken (also when the name
    // written is a declared variable, which reaches the statement as itself), or outside a
    // behaviour (no run would ever remove it).
    template <int Type>
    static CMC_Variable* declareStatement(CMC_Dummy_Runner::Call& call)
    {
        return declare(call, Type);
    }
    // (value, type name): a pooled STRING, INTEGER, BOOL or DOUBLE set from the value.
    static CMC_Variable* convStatement(CMC_Dummy_Runner::Call& call);
    // (name): the variable of that name itself, not a copy.
    static CMC_Variable* valueStatement(CMC_Dummy_Runner::Call& call);
    static CMC_Variable* applicationNameStatement(CMC_Dummy_Runner::Call& call);
    static CMC_Variable* currentSceneStatement(CMC_Dummy_Runner::Call& call);
    static CMC_Variable* msgboxStatement(CMC_Dummy_Runner::Call& call);

    // The container's own "__RETURN__" variable; null when it holds none.
    static CMC_Variable* returnVariableIn(CMC_ObjectsContainer* container);

    // Whether the value is a variable the container holds under its name (not a temporary made
    // for the call): an argument written as a variable's name arrives as the variable itself.
    static bool isDeclaredVariable(CMC_ObjectsContainer* container, CMC_Variable* value);

private:
    // A new variable of a plain type with that name; null for any other type.
    static CMC_Variable* makeVariable(int type, const CXString& name);
    static CMC_Variable* declare(CMC_Dummy_Runner::Call& call, int type);
};
