#pragma once

#include "foundation/CXObject.h"
#include "script/CMC_LineText.h"
#include "script/CMC_ObjectRef.h"
#include "script/CMC_Owned.h"
#include "script/CMC_WatchedValue.h"

#include <cstdint>
#include <memory>
#include <vector>

class CMC_Behaviour;
class CMC_Expression;
class CMC_LineConstant;
class CMC_Runner;
class CMC_Variable;
class CWindow;
class CXArray;
class CXVector;

// One parsed line of behaviour code (never put in a container). The constructor settles what can
// be settled before a run: the called object and its runner, the method identifier, constant
// argument values and nested lines for arguments evaluated at run time. `run` executes the line.
//
// Line forms (blanks already removed):
//   @STATEMENT(args)       a built-in statement, run with the behaviour as its object
//   *NAME^M(args)          the object whose name the STRING variable NAME holds at run time
//   *[expr]^M(args)        the object whose name the expression gives
//   THIS^M(args)           the object the behaviour runs on (a CLASS instance's own container)
//   [expr]                 an expression (the line's value is the expression itself)
//   NAME, 12, "text"       a value: the named object, else the literal
//   NAME^M(args), S|F^M()  a call on a named object, or on field F of structure S
// Argument pieces: [expr], &VARIABLE (passed itself), {code} (an anonymous behaviour made now,
// passed by name), "$n" parameters of the run, and any other line, evaluated depth first.
//
// Objects bound at parse time are held weakly: a binding whose object died is looked up again by
// name. Everything a run makes is given back or deleted before the run returns.
//
// A large script keeps a great many lines, most of which never run: a line is not a script object
// of its own (it is never put in a container, named or signalled) and keeps its text compactly.
class CMC_Behaviour_Entry : public CXObject {
public:
    // Parses one line of the behaviour's code; lookups go to the behaviour's container.
    CMC_Behaviour_Entry(CMC_Behaviour* behaviour, const CXString& line);
    // The same for a line of no behaviour's own (an operand): lookups go to the container, and
    // statements run with `behaviour` (may be null when the line holds no statement).
    CMC_Behaviour_Entry(CMC_ObjectsContainer* container, CMC_Behaviour* behaviour, const CXString& line);
    ~CMC_Behaviour_Entry() override;

    // The parsed lines of a code (see CMC_CodeText::splitLines).
    static std::vector<std::unique_ptr<CMC_Behaviour_Entry>> getCodeLines(CMC_Behaviour* behaviour, const CXString& code);

    // The line's value (a pooled temporary, a container's own object, or null) or a stop code.
    // `object` is what THIS means; `parameters` (CXString*) fill "$1".."$9".
    CMC_Variable* run(CMC_Object* object, CXArray* parameters);
    // The same for a caller that only reads the value and keeps it no longer than it reads it
    // (an operand of a condition or an expression): a literal gives the line's own constant
    // rather than a fresh temporary. Flushing that constant does nothing.
    CMC_Variable* runForReading(CMC_Object* object, CXArray* parameters);
    // The same for a caller that drops the value (a behaviour running its lines): the stop code, or
    // null once the value has been given back. A method may then skip making it at all.
    CMC_Variable* runForEffect(CMC_Object* object, CXArray* parameters);

    CXString getLine() const { return text_.toString(); }
    // The called object bound at parse time; null when it is looked up at run time.
    CMC_Object* getObject() const { return object_.get(); }
    int getMethod() const { return method_; }
    // The nested argument lines, one slot per argument (null where the argument is a value known
    // at parse time, a bare name or a literal); null when the line has no arguments.
    CXVector* getParameters() const;
    bool isReference() const { return reference_; }
    bool isThis() const { return this_; }
    bool isConstant() const { return constant_; }
    // What a bare name or literal line reads its value from, taken from the line, which cannot run
    // afterwards; null (the line left as it is) for other lines. A caller that only reads values
    // keeps the constant alone.
    std::unique_ptr<CMC_LineConstant> takeConstant();
    // Whether discarding the line also deletes the anonymous behaviours of its code arguments.
    void releaseTempBeh(bool release) { release_ = release; }

    // A variable's value as text: converted to STRING when it is not one (the converted temporary
    // goes back at once). Empty for null and for objects that are not variables.
    static CXString getStringValue(CMC_Object* value);
    // Gives back a value a line is done with: pooled temporaries to their pools, and the value an
    // EXPRESSION keeps from its last evaluation.
    static void releaseValue(CMC_Variable* value);
    // The next number of the process-wide counter that names anonymous behaviours.
    static int nextAnonymousNumber();

    // The debugger hook: kept for plug-ins, never set in this engine.
    static void initDebugger(CWindow*) {}
    static void doneDebugger(CWindow*) {}
    static void* getDebuggerIfc() { return nullptr; }

private:
    struct Slot;
    struct Arguments;
    struct ValueForm;
    struct Indirect;
    struct RunFrame;
    enum class Form : uint8_t { INERT, STATEMENT, REFERENCE, THIS_OBJECT, EXPRESSION, VALUE, CALL };
    // How a value line not bound at parse time finds its value.
    enum class ConstantLookup : uint8_t { VARIABLE, FIELD, FILLED_EXPRESSION, FILLED_NAME };

    void parse(const CXString& line);
    void parseStatement(const CXString& line, int open);
    void parseReference(const CXString& line, int open);
    void parseThis(const CXString& line, int open);
    void parseExpression(const CXString& line);
    void parseValue(const CXString& line);
    void parseCall(const CXString& line, int open);
    void setNames(int objectStart, int objectEnd, int methodStart, int methodEnd);
    void parseArguments(const CXString& line, int open);
    void parseArgument(const CXString& piece);
    void bindObject(CMC_Object* found);

    // The object and method names as written in the line (call forms); empty for other forms.
    CXString objectName() const;
    CXString methodName() const;
    // The same, kept once a run needs them.
    const CXString& runObjectName();
    const CXString& runMethodName();

    CMC_Variable* runValue(CXArray* parameters);
    // A value line made of a literal or a bare name: as an argument, it passes the literal itself.
    bool isConstantLine() const;
    CMC_Variable* runFilledExpression(const CXString& filled);
    CMC_Variable* runCall(CMC_Object* object, CXArray* parameters, bool valueRead);
    // Finds the called object and runs the method with the argument values.
    CMC_Variable* call(CMC_Object* object, CXArray* parameters, CXVector* values, bool valueRead);
    void evaluateArguments(RunFrame& frame, CMC_Object* object, CXArray* parameters);
    CMC_Variable* evaluateFilled(RunFrame& frame, int slot, const CXString& filled, CMC_Object* object, CXArray* parameters);
    // The call's result, unless it is one of the literals passed: a copy of that then.
    CMC_Variable* detachedResult(CMC_Variable* result, const RunFrame& frame);
    void releaseArguments(RunFrame& frame, CMC_Variable* result);
    void releaseRunValue(RunFrame& frame, int index, CMC_Variable* result);
    static bool isPlainDeclared(const CMC_Variable* value);
    CMC_Object* findCalled(CMC_Object* object, CXArray* parameters, CMC_Runner*& runner, bool& byName);
    CMC_Object* findIndirect();
    CMC_ObjectsContainer* container() const;

    static CMC_Object* findNamed(CMC_ObjectsContainer* container, const CXString& name);
    static CMC_Variable* literalCopy(const CXString& text);

    // The line as parsed, blanks and the closing ";" gone.
    CMC_LineText text_;
    CMC_Ref<CMC_Behaviour> behaviour_;
    CMC_Ref<CMC_ObjectsContainer> container_;
    CMC_ObjectRef object_;
    CMC_Runner* runner_ = nullptr;
    int method_ = -1;
    int running_ = 0;
    // Where the called object's and the method's names lie in the line.
    int objectStart_ = 0;
    int objectEnd_ = 0;
    int methodStart_ = 0;
    int methodEnd_ = 0;
    Form form_ = Form::INERT;
    ConstantLookup constantLookup_ = ConstantLookup::VARIABLE;
    bool reference_ = false;
    bool this_ = false;
    bool constant_ = true;
    bool lateObject_ = false;
    bool methodHasParameter_ = false;
    bool release_ = true;
    // Each part is made only for the line forms that have it.
    std::unique_ptr<Arguments> arguments_;
    std::unique_ptr<ValueForm> value_;
    std::unique_ptr<Indirect> indirect_;
    // The names as texts, made on the first run that looks them up.
    std::unique_ptr<CXString[]> runNames_;
};
