#pragma once

#include "platform/DebugOutput.h"

#include <cstdio>
#include <memory>
#include <string>

// Routes the process's debug output into a temporary file for one test and reads it back.
class CapturedDebugOutput {
public:
    CapturedDebugOutput()
    {
        stream_ = std::tmpfile();
        if (stream_ == nullptr)
            return;
        output_ = std::make_unique<platform::DebugOutput>(stream_);
        output_->setEnabled(true);
        platform::setDebugOutput(output_.get());
    }
    ~CapturedDebugOutput()
    {
        platform::setDebugOutput(nullptr);
        if (stream_ != nullptr)
            std::fclose(stream_);
    }
    CapturedDebugOutput(const CapturedDebugOutput&) = delete;
    CapturedDebugOutput& operator=(const CapturedDebugOutput&) = delete;

    bool ready() const { return stream_ != nullptr; }

    std::string text()
    {
        std::fflush(stream_);
        std::rewind(stream_);
        std::string written;
        char buffer[256];
        size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, stream_)) > 0)
            written.append(buffer, count);
        return written;
    }

private:
    std::FILE* stream_ = nullptr;
    std::unique_ptr<platform::DebugOutput> output_;
};
