#pragma once

#include <cstdint>

class CMC_Bool;
class CMC_Double;
class CMC_Integer;
class CMC_String;
class CMC_Variable;
class CXArchive;
class CXString;

// Four fixed pools of ready-made variables (BOOL, DOUBLE, INTEGER, STRING) lent out as the
// temporaries that script methods return, so that no result allocates. All of them are given
// back at the start of every application turn (clearPool); a caller may give one back earlier
// with CMC_Object::flush.
//
// Lending starts after the slot lent last and walks the ring, so a slot just given back is lent
// again only after the others: a caller may still read a temporary it released a moment ago.
// When every slot of a pool is taken within one turn, an overflow variable is lent instead; it
// is given back with the rest and kept for later turns. Pooled variables are named "f" and carry
// their slot as pool index. Main thread only.
class CMC_VariableFactory {
public:
    static constexpr int kPoolSize = 500;

    // Makes the pools (again after done; a second call starts over).
    static void initialize();
    static void done();
    static bool isInitialized() { return variablesInt != nullptr; }

    // The next free variable of the pool; lending keeps whatever value it had last. The pools are
    // made on first use if initialize has not run.
    static CMC_Bool* allocBool();
    static CMC_Double* allocDouble();
    static CMC_Integer* allocInteger();
    static CMC_String* allocString();
    // Marks a pooled variable's slot free (by its type); anything else is ignored.
    static void free(CMC_Variable* variable);
    // A temporary of the same plain type set from the variable; null for other types.
    static CMC_Variable* copyVariable(CMC_Variable* variable);
    // A temporary from a network buffer (type tag, then the value); null for an unknown tag or a
    // buffer too short for its value.
    static CMC_Variable* netrestore(const uint8_t* buffer, int length);
    // A temporary from a value record of an array file (type identifier, then the value); null for
    // an unknown identifier.
    static CMC_Variable* restore(CXArchive* archive);
    // Every slot free; the lending position stays where it was.
    static void clearPool();

    // Temporaries holding a value (no signal is raised on them).
    static CMC_Bool* makeBool(bool value);
    static CMC_Double* makeDouble(double value);
    static CMC_Integer* makeInteger(int value);
    static CMC_String* makeString(const CXString& value);
    // A temporary of a plain type holding that type's empty value (0, 0.0, FALSE, ""); null for
    // any other type.
    static CMC_Variable* makeEmpty(int type);
    // Overflow variables made so far, all pools together.
    static int overflowCount();

    static int iVariablesBoolNo;
    static int iVariablesDoubleNo;
    static int iVariablesIntegerNo;
    static int iVariablesStringNo;
    static CMC_Bool** variablesBool;
    static CMC_Double** variablesDbl;
    static CMC_Integer** variablesInt;
    static CMC_String** variablesStr;
    static bool* variablesBoolTaken;
    static bool* variablesDblTaken;
    static bool* variablesIntTaken;
    static bool* variablesStrTaken;
    static int boolPtr;
    static int dblPtr;
    static int intPtr;
    static int strPtr;

private:
    static CMC_Variable* allocOfType(int type);
};
