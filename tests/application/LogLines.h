#pragma once

#include "foundation/CLogSink.h"
#include "foundation/CXString.h"

#include <string>
#include <vector>

namespace apptest {

// The engine's log lines from listen() on, until the object goes.
class LogLines : public CLogSink {
public:
    ~LogLines() override
    {
        if (CLogSink::installed() == this)
            CLogSink::install(nullptr);
    }
    // Installed over the window's sink, which the window installs when it is made.
    void listen()
    {
        lines.clear();
        CLogSink::install(this);
    }
    void toLog(const CXString& text, bool) override { lines.push_back(text.c_str()); }
    // The lines that begin with the text, in order.
    std::vector<std::string> startingWith(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& line : lines) {
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        }
        return found;
    }

    std::vector<std::string> lines;
};

} // namespace apptest
