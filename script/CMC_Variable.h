#pragma once

#include "script/CMC_Object.h"

#include <cstdint>

// The base of every typed script value (INTEGER, DOUBLE, BOOL, STRING, and the EXPRESSION and
// STRUCTURE types): every argument and result of a script method is one.
//
// An operation given another variable first has it converted to this variable's type; a
// conversion consumes a pooled source (gives it back to its pool) and never a declared variable.
// Every store raises ONBRUTALCHANGED; ONCHANGED, the INI write-back of TOINI variables and the
// network notice of NETNOTIFY variables follow only a real change of value.
class CMC_Variable : public CMC_Object {
public:
    // Signal indexes: the order of getBehavioursList.
    enum Signal { ONINIT, ONDONE, ONSIGNAL, ONCHANGED, ONBRUTALCHANGED, ONNETCHANGE };
    // Operation codes of calculate, shared with expressions.
    enum Operation { ADD = 1, SUBTRACT = 2, MULTIPLY = 3, DIVIDE = 4, REMAINDER = 5 };

    CMC_Variable(const CXString& name, int type);
    // A pooled variable: `poolIndex` is its slot in the pool of its type.
    CMC_Variable(const CXString& name, int type, int poolIndex);
    // A declared variable: TOINI and NETNOTIFY from the element, then its handlers.
    CMC_Variable(CMC_ObjectsContainer* container, CMElement* element, int type);

    // The object as a variable; null when it is none. The plain value types are told by their type
    // identifier, which every line that calls a variable method asks for.
    static CMC_Variable* from(CMC_Object* object);
    // The same for a method argument, which may be any object: the value types and expressions
    // are told by their exact class.
    static CMC_Variable* fromArgument(CXObject* argument);

    // A behaviour line's literal argument, handed to the method it calls as itself rather than as a
    // fresh temporary each run: it reads as a temporary (its id is not negative), no pool takes it
    // back, and the line puts back its value if the method changed it.
    static constexpr int kLineConstantId = 0x7fffffff;

    // The pool slot; kLineConstantId for a line's constant argument; -1 for every other variable
    // that is not pooled.
    int getId() const { return poolIndex_; }
    void markAsLineConstant() { poolIndex_ = kLineConstantId; }
    bool isToIni() const { return toIni_; }
    bool isNetNotify() const { return netNotify_; }

    // Whether a literal is a number: a '-' or digit first, then digits and points only, and no
    // leading zero unless a point follows it ("0", "0.5", "-", "1.2.3" yes; "007", "", "+1" no).
    static bool isNumber(const CXString& text);
    // A pooled temporary from a literal argument: "..." a STRING, a number an INTEGER or DOUBLE,
    // TRUE and FALSE a BOOL, anything else a STRING holding the text.
    static CMC_Variable* resolve(const CXString& text);

    using CMC_Object::compare;
    using CMC_Object::equals;

    // Takes the other's value converted to this type.
    virtual void set(CMC_Variable* other);
    virtual void clear() = 0;
    // SWITCH: b when the value equals a, else a (BOOL inverts).
    virtual void swap(CMC_Variable* a, CMC_Variable* b) = 0;
    virtual void inc() = 0;
    virtual void dec() = 0;
    virtual bool equals(CMC_Variable* other) = 0;
    virtual int compare(CMC_Variable* other) = 0;
    // This value as the type: itself for its own type, otherwise a fresh pooled temporary (and
    // this variable given back to its pool when it is one); null for a type it cannot become.
    virtual CMC_Variable* convert(int type) = 0;
    // A fresh pooled temporary of this type holding this value combined with the operand;
    // this variable does not change.
    virtual CMC_Variable* calculate(CMC_Variable* operand, int operation) = 0;
    // Raises the change signals and, on a real change, writes the INI and notifies the network.
    virtual void onChange(bool changed);
    // A value received from a peer: ONNETCHANGE, then stored without being sent back.
    virtual void onNetChange(CMC_Variable* received);
    virtual void setDefault(CMC_Variable* other) = 0;
    // TOINI variables only: the default value, stored and written out.
    virtual void resetINI() = 0;
    // The network buffer: a 32-bit type tag and the value.
    virtual int getBufferLen() = 0;
    // Writes exactly getBufferLen bytes.
    virtual void netstore(uint8_t* buffer) = 0;
    // Reads the value from a buffer of `length` bytes (tag included) without any signal; false,
    // nothing changed, when the buffer is too short for it.
    virtual bool netrestore(const uint8_t* buffer, int length) = 0;
    // The record of a value in array files: the type identifier and the value.
    virtual void store(CXArchive* archive) = 0;
    // Reads the value of such a record (the factory has read the identifier).
    virtual void restore(CXArchive* archive) = 0;
    // Takes the value from a text, without any signal.
    virtual void fromString(const CXString& text);

    // Orders variables by value for sorted containers.
    int compare(const CXObject* other) const override;
    // Reads the INI value of a TOINI variable, then raises ONINIT.
    void init() override;
    void serialize(CXArchive* archive) override;
    CXString** getBehavioursList() override;

protected:
    // The same, leaving the handlers to the derived constructor: a type with a signal list of its
    // own binds them once its list can be asked for.
    CMC_Variable(CMC_ObjectsContainer* container, CMElement* element, int type, bool bindHandlers);

    // The other variable in this variable's type: itself when it has it already, else a
    // converted temporary; null when it cannot be converted. Give it back with releaseConverted.
    CMC_Variable* asOwnType(CMC_Variable* other);
    static void releaseConverted(CMC_Variable* converted, CMC_Variable* original);
    // The result of a conversion to another plain type: this variable is given back to its pool
    // when it is a temporary, then a fresh temporary holding the value is lent.
    CMC_Variable* becomeInteger(int value);
    CMC_Variable* becomeDouble(double value);
    CMC_Variable* becomeBool(bool value);
    CMC_Variable* becomeString(const CXString& value);
    // The 4-byte tag of the network buffer, and whether a buffer holds `payload` bytes after it.
    void writeTag(uint8_t* buffer);
    static bool holdsPayload(int length, int payload) { return length >= 4 + payload; }

private:
    // A real change goes on to the INI file and the network.
    void passOnChange(bool changed);
    void writeToIni();
    void readFromIni();
    void notifyNetwork();

    int poolIndex_;
    bool toIni_ = false;
    bool netNotify_ = false;
};
