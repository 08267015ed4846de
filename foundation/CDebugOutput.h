#pragma once

// Where the engine's debugger-output lines go (timing probes, warnings). The player or the
// platform installs a writer; with none installed the lines are dropped.
class CDebugOutput {
public:
    virtual ~CDebugOutput() = default;
    virtual void write(const char* text) = 0;

    // Installs the writer for the whole process; null removes it. Main thread only.
    static void install(CDebugOutput* output);
    // Sends one text to the installed writer, if any.
    static void send(const char* text);
};
