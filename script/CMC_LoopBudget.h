#pragma once

// Bounds the passes of the script's loop statements (WHILE, LOOP, FOR, RUNLOOPED). A hostile or
// careless script loops without end (a WHILE whose test always holds), nests loops into
// astronomic counts, or runs loop after loop from behaviours that call themselves. All the loops
// of one outermost script run (a behaviour run with everything it calls, nested, recursive or one
// after another) share one count of passes; once kMaxPasses passes have been made every loop of
// that run stops (reported once to the log), and the script goes on as if the loops had ended.
// The next outermost run starts a new count.
class CMC_LoopBudget {
public:
    // About a fraction of a second of the cheapest passes, and a few seconds of heavy ones.
    static constexpr int kMaxPasses = 1000000;

    // `what` names the statement for the report.
    explicit CMC_LoopBudget(const char* what);
    ~CMC_LoopBudget();
    CMC_LoopBudget(const CMC_LoopBudget&) = delete;
    CMC_LoopBudget& operator=(const CMC_LoopBudget&) = delete;

    // Counts one pass; false when the run has used its passes up: the loop stops.
    bool pass();

    static bool exhausted();

private:
    const char* what_;
};
