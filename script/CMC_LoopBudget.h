#pragma once

// Bounds the passes of the script's loop statements (WHILE, LOOP, FOR, RUNLOOPED). A hostile or
// careless script loops without end (a WHILE whose test always holds) or nests loops into
// astronomic counts. Every loop holds a budget while it runs; all loops nested inside the
// outermost one share its count of passes, and once kMaxPasses passes have been made every loop
// of the nest stops (reported once to the log). The script then goes on after the outermost loop
// as if the loops had ended. A loop started after the outermost one ended starts a new count.
class CMC_LoopBudget {
public:
    static constexpr int kMaxPasses = 100000;

    // `what` names the statement for the report.
    explicit CMC_LoopBudget(const char* what);
    ~CMC_LoopBudget();
    CMC_LoopBudget(const CMC_LoopBudget&) = delete;
    CMC_LoopBudget& operator=(const CMC_LoopBudget&) = delete;

    // Counts one pass; false when the nest has used its passes up: the loop stops.
    bool pass();

    static bool exhausted();

private:
    const char* what_;
};
