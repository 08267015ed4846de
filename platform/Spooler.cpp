#include "platform/Spooler.h"

#include "platform/Cp1250.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace platform {

namespace {

// Output and errors of the spooler go nowhere: a refusal shows in its status.
class SilentOutput {
public:
    SilentOutput()
    {
        ready_ = posix_spawn_file_actions_init(&actions_) == 0;
        ready_ = ready_ && posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0 &&
                 posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) == 0;
    }
    ~SilentOutput() { posix_spawn_file_actions_destroy(&actions_); }
    SilentOutput(const SilentOutput&) = delete;
    SilentOutput& operator=(const SilentOutput&) = delete;

    const posix_spawn_file_actions_t* actions() const { return ready_ ? &actions_ : nullptr; }

private:
    posix_spawn_file_actions_t actions_;
    bool ready_;
};

} // namespace

bool Spooler::submit(const std::string& program, const std::string& file, const std::string& title)
{
    std::vector<std::string> words{program, "-t", Cp1250::toUtf8(title), "--", file};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    SilentOutput output;
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), output.actions(), nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace platform
