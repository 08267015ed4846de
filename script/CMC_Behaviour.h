#pragma once

#include "foundation/CTimerNotificator.h"
#include "script/CMC_Object.h"
#include "script/CMC_Shared.h"
#include "script/CRunnableBehaviour.h"

#include <memory>
#include <vector>

class CMC_BasicCondition;
class CMC_Behaviour_Entry;
class CMC_Variable;
class CXTimer;
class CXVector;

// The BEHAVIOUR (type 13): a short program of the script language. Its code is lines separated by
// ";", each calling one method on one object or one built-in "@" statement. `init` cuts the code
// into parsed lines (CMC_Behaviour_Entry) once, with their objects and methods resolved; a run
// only walks the lines.
//
// A run is given the object THIS stands for and the parameter texts "$1", "$2" ... stand for.
// A line gives a value (released at once) or a stop code: BREAK ends the run reporting true,
// ONEBREAK and CONTINUE end it reporting false; a run of all lines reports false. Variables the
// built-in statements declare during a run (addTempObject) go when the run ends.
//
// Behaviours also run on a software timer of their container's window (runOnTimer), and the
// static line operations run one line given as text, outside any behaviour's lines; expressions
// they make live in the process-wide trash until the next engine turn (flushTrash).
class CMC_Behaviour : public CMC_Object, public CRunnableBehaviour, public CTimerNotificator {
public:
    using LineList = std::vector<std::unique_ptr<CMC_Behaviour_Entry>>;

    // CODE (without its outer braces) and CONDITION from the element, then its handlers.
    CMC_Behaviour(CMC_ObjectsContainer* container, CMElement* element);
    // Named, with the code (outer braces dropped); init must run before the first run.
    CMC_Behaviour(CMC_ObjectsContainer* container, const CXString& name, const CXString& code);
    // Empty, for loading from an archive.
    explicit CMC_Behaviour(CMC_ObjectsContainer* container);
    ~CMC_Behaviour() override;

    // Parses the code into lines (any earlier lines are discarded).
    void init() override;
    // Discards the lines; `wholeContainer` leaves the anonymous behaviours of their code arguments
    // to the container, which is deleting everything anyway.
    bool done(bool wholeContainer) override;
    // The object part only: the code is not stored.
    void serialize(CXArchive* archive) override;

    // See the class comment. False at once when disabled, without lines, or (with checkCondition)
    // when the guarding condition does not hold.
    bool run(CMC_Object* object, CXArray* parameters, bool checkCondition) override;
    void resolveCondition() override;
    // A variable declared during the current run: the container holds it; the run's end removes
    // and deletes it.
    virtual void addTempObject(CMC_Object* object);
    // Runs the behaviour every `period` ms on its window's timers, `count` times (no limit when 0
    // or less) or until a run reports BREAK; then runs the follow-up once, leaves the container
    // and goes to the window's public trash. `parameters` (CXString* texts, taken over) are the
    // runs' parameters; the first is replaced by the pass number, from "1".
    virtual void runOnTimer(int period, int count, CXArray* parameters, CMC_Behaviour* followUp);
    // Ends a timer-driven run at once, without the follow-up.
    virtual void _break();
    void onTimer(int id) override;

    // A new code from the original with "$n" filled from the texts, parsed at once. Null texts
    // give back the original code.
    void setParams(CXArray* parameters);

    CXString getCode() const { return code_; }
    CXString getCodition() const { return conditionName_ != nullptr ? *conditionName_ : CXString(); }
    // The parsed lines, null-terminated; null before init and for empty code.
    CMC_Behaviour_Entry** getLines();
    int getLineCount() const;
    CMC_Object* getConditionInterface() const { return condition_.get(); }
    bool isEnabled() const { return enabled_; }
    void enable(bool enabled) { enabled_ = enabled; }
    int getBreakpoint() const { return breakpoint_; }
    void setBreakpoint(int line) { breakpoint_ = line; }
    void resetBreakpoint() { breakpoint_ = -1; }
    // True while a timer-driven run is registered.
    bool isRunningOnTimer() const { return timerId_ != 0; }
    // The id of the timer-driven run on the window's timer list; 0 when none.
    int getTimerId() const { return timerId_; }

    // ---- the process-wide trash of expressions made by single-line runs ----
    static void initTrash();
    // Deletes everything in it, and the trash.
    static void doneTrash();
    // Takes the object over until the next flush; an object already there is not added again.
    static void addToTrash(CMC_Object* object);
    // Deletes everything in it; once per engine turn, after the turn's script work.
    static void flushTrash();
    static int trashSize();

    // ---- one line given as text, outside any behaviour's lines ----
    // `object` is what THIS means; `behaviour` (may be null) is who the line runs for. The result
    // is the line's value (release it with CMC_Object::flush) or a stop code.
    static CMC_Variable* runLine(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& line, CMC_Behaviour* behaviour);
    // The object named by the text before the first "^"; `method` receives the text after the
    // last "^".
    static CMC_Object* resolveObject(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                     CXString* method, CMC_Behaviour* behaviour);
    // The values of a comma list (the caller releases each and deletes the vector); null for an
    // empty text.
    static CXVector* resolveParameters(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                       CMC_Behaviour* behaviour);
    static CMC_Variable* resolveParameter(CMC_ObjectsContainer* container, CMC_Object* object, const CXString& text,
                                          CMC_Behaviour* behaviour);

private:
    void setCode(const CXString& code);
    void parseLines();
    void discardLines(bool wholeContainer);
    bool conditionHolds();
    void flushTempObjects();
    void endTimerRun(std::shared_ptr<CXArray> arguments);
    void stopTimer();

    CXString code_;
    // The code as set, once parameters have filled code_ differently; null while code_ is it (a
    // large script keeps its text once).
    std::unique_ptr<CXString> originalCode_;
    // Most behaviours have no condition.
    std::unique_ptr<CXString> conditionName_;
    CMC_ObjectRef condition_;
    // Shared with the runs under way, so lines discarded during a run (setParams, done, deletion
    // of this behaviour) live until the run has left them.
    CMC_Shared<LineList> lines_;
    std::vector<CMC_Behaviour_Entry*> lineView_;
    int tickCounter_ = 0;
    int tickLimit_ = 0;
    std::shared_ptr<CXArray> timerArguments_;
    CMC_ObjectRef followUp_;
    std::vector<CMC_ObjectRef> tempObjects_;
    bool enabled_ = true;
    int breakpoint_ = -1;

    int timerId_ = 0;
    CXTimer* timers_ = nullptr;
    bool handedToTrash_ = false;
};
