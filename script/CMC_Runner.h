#pragma once

#include "foundation/CXObject.h"

class CHashtable;
class CMC_Object;
class CMC_String;
class CMC_ObjectsContainer;
class CMC_Variable;
class CStringHashCode;
class CXVector;

// The method dispatcher of one script type: turns a method name into its identifier once (when a
// behaviour line is parsed) and runs a method by identifier on an object of its type with the
// object's container and the argument values. One runner serves every object of its type.
//
// The base answers the fourteen common methods (96 to 109) that every type has, and gives the
// typed argument getters. A derived runner calls the base's prepareMthHashSet first and then puts
// its own names; its run switches on its own identifiers and passes any other to the base.
//
// Results are null or a value, as a rule a pooled temporary that the caller gives back with
// CMC_Object::flush. Arguments are CMC_Variable* in a CXVector.
class CMC_Runner : public CXObject {
public:
    enum CommonMethod {
        SEND = 96,
        ADDTOGROUP = 97,
        ADDTOARRAY = 98,
        GETNAME = 99,
        CLONE = 100,
        ADDBEHAVIOUR = 101,
        GETCLONEINDEX = 102,
        MSGBOX = 103,
        RESETCLONES = 104,
        REMOVEBEHAVIOUR = 105,
        GETCLONESNO = 106,
        REMOVEALLBEHAVIOURS = 107,
        REMOVEBEHAVIOURFORCE = 108,
        OVERIDESIGNALS = 109,
    };

    CMC_Runner();
    ~CMC_Runner() override;
    CMC_Runner(const CMC_Runner&) = delete;
    CMC_Runner& operator=(const CMC_Runner&) = delete;

    // Makes the method table with the common methods.
    virtual void prepareMthHashSet();
    virtual void toDebug(const CXString& name, CXVector* arguments);
    // The index-th argument; an argument computed when read (an EXPRESSION) gives its value.
    // Null outside the arguments, and for an argument that is an object but not a value.
    virtual CMC_Variable* getParameter(CXVector* arguments, int index);
    // The argument converted to BOOL, DOUBLE, INTEGER or STRING. A conversion's new temporary is
    // given back to its pool at once and still returned: read it before anything else is lent.
    // Null when the argument is missing or cannot be converted.
    virtual CMC_Variable* getParameterBool(CXVector* arguments, int index);
    virtual CMC_Variable* getParameterDouble(CXVector* arguments, int index);
    virtual CMC_Variable* getParameterInteger(CXVector* arguments, int index);
    virtual CMC_Variable* getParameterString(CXVector* arguments, int index);
    virtual CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    virtual CMC_Variable* run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    // run for a caller that drops the value: a runner may skip making a value nobody reads and give
    // null instead. Stop codes and values the call does not make (a container's own object) still
    // come back. The base runs the method.
    virtual CMC_Variable* runForEffect(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    // The identifier of the exact (case-sensitive) name; -1 when the runner has no such method.
    virtual int resolveMethod(const CXString& name);

    static int argumentCount(const CXVector* arguments);
    // The arguments' plain values, read through the getters above; the fallback when the argument
    // is missing or cannot be converted.
    bool boolArgument(CXVector* arguments, int index, bool fallback = false);
    double doubleArgument(CXVector* arguments, int index, double fallback = 0.0);
    int intArgument(CXVector* arguments, int index, int fallback = 0);
    CXString stringArgument(CXVector* arguments, int index, const CXString& fallback);
    // The same with the empty text as fallback, made only when it is needed.
    CXString stringArgument(CXVector* arguments, int index);
    // The object an argument names. A line passes an object that existed when it was parsed as
    // that object itself, and other names as texts: an argument that is an object but not a value
    // is that object, any other names the container's object of its text. Null when none.
    CMC_Object* objectArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container);
    // A signal key given to a script method: "$" stands for "^", which separates object and
    // method in a behaviour line.
    static CXString signalKey(const CXString& text);

protected:
    // Files a method name; the first registration of a name wins.
    void putMethod(const char* name, int id);
    // Gives a pooled argument back to its pool once the method has read it; other arguments stay.
    static void releaseArgument(CXVector* arguments, int index);

private:
    CMC_Variable* convertedParameter(CXVector* arguments, int index, int type);
    // The argument as a STRING temporary; null when missing or not convertible.
    CMC_String* stringParameter(CXVector* arguments, int index);
    CMC_Variable* runCommon(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    void addBehaviourByName(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);

    CHashtable* methods_;
    CStringHashCode* lookupKey_;
};
