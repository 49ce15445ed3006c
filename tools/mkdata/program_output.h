#pragma once

#include <string>
#include <vector>

namespace quorvin::mkdata {

// Runs a program found on PATH (no shell) and returns what it wrote to standard output.
// Throws ProgramMissing (run_program.h) when it is not installed and std::runtime_error when it
// cannot be started or does not exit with status 0.
std::string programOutput(const std::vector<std::string>& arguments);

}  // namespace quorvin::mkdata
