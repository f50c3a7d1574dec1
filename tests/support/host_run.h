#pragma once
// Runs the built `veiculo` host as a user would, for CLI tests written in
// C++: the command line (with `environment` assignments in front), its exit
// status and everything it printed (stdout and stderr together).
// VEICULO_CLI_PATH is defined by the test's CMake target.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace veiculo::testing {

struct HostRun {
  int exit_code;
  std::string output;
};

inline HostRun RunVeiculo(const std::string& environment, const std::string& arguments) {
  const std::string command = environment + " '" + VEICULO_CLI_PATH + "' " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace veiculo::testing
