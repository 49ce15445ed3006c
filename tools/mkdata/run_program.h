#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace quorvin::mkdata {

// The program is not installed (not found on PATH).
class ProgramMissing : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs a program found on PATH with these arguments (no shell, so nothing needs quoting) and
// waits for it. Throws ProgramMissing when it is not installed and std::runtime_error, naming
// the program, when it cannot be started or does not exit with status 0.
void runProgram(const std::vector<std::string>& arguments);

}  // namespace quorvin::mkdata
