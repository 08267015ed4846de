#include "platform/ProgramLauncher.h"

#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/ServiceSlot.h"

#include <cstdio>
#include <filesystem>
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

std::string PosixProgramLauncher::programName()
{
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed)
        return std::string();
    std::string name;
    Cp1250::fromUtf8(program.filename().string(), name);
    return name;
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
