#include "platform/ProgramLauncher.h"

#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/ServiceSlot.h"

#include <cstdio>
#include <unistd.h>

namespace platform {

namespace {
ProgramLauncher& execLauncher()
{
    static PosixProgramLauncher instance;
    return instance;
}

constinit ServiceSlot<ProgramLauncher> slot(execLauncher);
} // namespace

void PosixProgramLauncher::replaceProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    const std::string path = files().nativePath(program);
    if (path.empty())
        return;
    std::vector<std::string> utf8Arguments;
    for (const std::string& argument : arguments)
        utf8Arguments.push_back(Cp1250::toUtf8(argument));
    std::vector<char*> argv;
    for (std::string& argument : utf8Arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // What the process wrote so far must not be lost with its buffers.
    std::fflush(nullptr);
    ::execv(path.c_str(), argv.data());
}

ProgramLauncher& programLauncher()
{
    return slot.get();
}

void setProgramLauncher(ProgramLauncher* replacement)
{
    slot.set(replacement);
}

} // namespace platform
