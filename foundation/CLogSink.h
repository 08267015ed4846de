#pragma once

class CXString;

// Receiver of the engine's log lines (the window host's log). CXObject::log hands its text here;
// while no sink is installed a log call costs one pointer test.
class CLogSink {
public:
    virtual ~CLogSink() = default;
    virtual void toLog(const CXString& text, bool flag) = 0;

    // Installs the sink for the whole process; null removes it. Main thread only.
    static void install(CLogSink* sink);
    static CLogSink* installed();
};
