#include "mkdata/program_output.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "mkdata/run_program.h"

namespace quorvin::mkdata {

namespace {

class Pipe {
  public:
    Pipe() {
        // Close-on-exec, so children other threads start meanwhile do not keep it open.
        if (pipe2(ends_.data(), O_CLOEXEC) != 0) {
            throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
        }
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int readEnd() const { return ends_[0]; }
    int writeEnd() const { return ends_[1]; }
    void closeEnd(int end) {
        if (ends_[end] >= 0) close(ends_[end]);
        ends_[end] = -1;
    }

  private:
    std::array<int, 2> ends_{-1, -1};
};

class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

std::string programOutput(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw std::invalid_argument("programOutput: no program given");
    const std::string& program = arguments.front();
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    Pipe output;
    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), output.writeEnd(), STDOUT_FILENO);
    pid_t child = 0;
    const int spawnError =
        posix_spawnp(&child, program.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (spawnError == ENOENT) throw ProgramMissing(program + " is not installed");
    if (spawnError != 0) {
        throw std::runtime_error("cannot run " + program + ": " + std::strerror(spawnError));
    }
    output.closeEnd(1);

    std::string text;
    std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t n = read(output.readEnd(), buffer.data(), buffer.size());
        if (n > 0) {
            text.append(buffer.data(), static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost track of " + program + ": " + std::strerror(errno));
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
    return text;
}

}  // namespace quorvin::mkdata
