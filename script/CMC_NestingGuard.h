#pragma once

// Bounds how deeply script work may nest on the stack. Hostile or careless scripts recurse without
// end (behaviours running each other, a condition testing itself, an expression made of itself) or
// nest their text absurdly deep. Past the limit the work is refused and reported to the log, and
// the script goes on as if the refused part gave no value.
//
// A run that reaches the limit also unwinds: until the outermost guarded call has returned, every
// guarded call is refused and running behaviours stop after their current line. Without that, a
// behaviour that runs itself twice would make 2^limit calls before it ends.
//
// Parsing and running are counted apart: a line parsed while a behaviour runs starts its own count.
class CMC_NestingGuard {
public:
    enum Kind { PARSING = 0, RUNNING = 1 };

    static constexpr int kMaxParsing = 64;
    static constexpr int kMaxRunning = 100;

    // `what` names the work for the report.
    CMC_NestingGuard(Kind kind, const char* what);
    ~CMC_NestingGuard();
    CMC_NestingGuard(const CMC_NestingGuard&) = delete;
    CMC_NestingGuard& operator=(const CMC_NestingGuard&) = delete;

    // False when the work is refused: the caller does nothing.
    bool entered() const { return entered_; }

    // True while a run that went too deep unwinds: loops and line sequences stop.
    static bool unwinding();
    static int depth(Kind kind);
    // How many outermost guarded runs have started (wrapping): tells one run from the next.
    static unsigned outermostRuns();

private:
    Kind kind_;
    bool entered_;
};
