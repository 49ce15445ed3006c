#include "mkdata/run_program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace quorvin::mkdata {

void runProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw std::invalid_argument("runProgram: no program given");
    const std::string& program = arguments.front();

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawnError =
        posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (spawnError == ENOENT) throw ProgramMissing(program + " is not installed");
    if (spawnError != 0) {
        throw std::runtime_error("cannot run " + program + ": " + std::strerror(spawnError));
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost track of " + program + ": " + std::strerror(errno));
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;
    if (WIFEXITED(status)) {
        throw std::runtime_error(program + " failed with exit status " +
                                 std::to_string(WEXITSTATUS(status)));
    }
    throw std::runtime_error(program + " was killed by signal " + std::to_string(WTERMSIG(status)));
}

}  // namespace quorvin::mkdata
