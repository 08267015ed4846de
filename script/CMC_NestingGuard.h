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
    CMC_NestingGuard(Kind kind, const char* what) : kind_(kind), entered_(false)
    {
        if ((kind == RUNNING && runUnwinding_) || depths_[kind] >= (kind == PARSING ? kMaxParsing : kMaxRunning)) {
            refuse(what);
            return;
        }
        entered_ = true;
        if (depths_[kind]++ == 0 && kind == RUNNING)
            ++runsStarted_;
    }
    ~CMC_NestingGuard()
    {
        if (entered_ && --depths_[kind_] == 0 && kind_ == RUNNING)
            runUnwinding_ = false;
    }
    CMC_NestingGuard(const CMC_NestingGuard&) = delete;
    CMC_NestingGuard& operator=(const CMC_NestingGuard&) = delete;

    // False when the work is refused: the caller does nothing.
    bool entered() const { return entered_; }

    // True while a run that went too deep unwinds: loops and line sequences stop.
    static bool unwinding() { return runUnwinding_; }
    static int depth(Kind kind) { return depths_[kind]; }
    // How many outermost guarded runs have started (wrapping): tells one run from the next.
    static unsigned outermostRuns() { return runsStarted_; }

private:
    // Past the limit: reported, and a run starts unwinding. A run already unwinding is refused
    // without a report.
    void refuse(const char* what);

    static int depths_[2];
    static bool runUnwinding_;
    static unsigned runsStarted_;

    Kind kind_;
    bool entered_;
};
