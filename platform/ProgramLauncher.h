#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

// Starts an outside program in the process's place (the updater, the CD launcher), and names the
// program the process runs. The program is a game path (Files) and the arguments, its own name
// first, are code page 1250, turned into the system's forms here.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Returns only when the program could not be started; the process goes on then.
    virtual void replaceProcess(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // The file name of the program this process runs, without its folder; code page 1250.
    virtual std::string programName() = 0;
};

// Replaces the process through exec.
class PosixProgramLauncher final : public ProgramLauncher {
public:
    void replaceProcess(const std::string& program, const std::vector<std::string>& arguments) override;
    // The name of the file the system started; empty when it cannot say.
    std::string programName() override;
};

// Records what it was asked to start and starts nothing, as if every program failed to start.
class HeadlessProgramLauncher final : public ProgramLauncher {
public:
    struct Launch {
        std::string program;
        std::vector<std::string> arguments;
        bool operator==(const Launch&) const = default;
    };

    void replaceProcess(const std::string& program, const std::vector<std::string>& arguments) override
    {
        launches_.push_back(Launch{program, arguments});
    }
    const std::vector<Launch>& launches() const { return launches_; }
    // "Tamzora" unless set.
    std::string programName() override { return programName_; }
    void setProgramName(std::string name) { programName_ = std::move(name); }

private:
    std::vector<Launch> launches_;
    std::string programName_ = "Tamzora";
};

// The program launcher of the process: exec unless one was installed.
ProgramLauncher& programLauncher();
// Installs a program launcher for the whole process (tests); null restores exec.
void setProgramLauncher(ProgramLauncher* replacement);

} // namespace platform
