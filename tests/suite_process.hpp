#pragma once
// Running the built suite executable as a separate process with chosen
// arguments, environment and descriptors, and collecting what it wrote.

#include <string>
#include <utility>
#include <vector>

namespace suite::testing {

// Where the child's standard output goes.
enum class OutputTarget {
  pipe,         // a pipe the test reads
  closed,       // no descriptor 1 at all
  full_device,  // /dev/full: every write fails with ENOSPC
  broken_pipe,  // a pipe whose reader has already gone
  terminal,     // a pseudo-terminal in raw mode, read through its master
  file,         // the file `output_path`
};

// One run of the executable.
struct Invocation {
  std::vector<std::string> arguments;  // after the program name
  // The whole environment of the child; nothing else is inherited.
  std::vector<std::pair<std::string, std::string>> environment;
  OutputTarget output = OutputTarget::pipe;
  std::string output_path;          // for OutputTarget::file
  std::string program_name;         // argv[0]; the executable's path when empty
  std::string working_directory;    // the child's; the test's own when empty
  std::vector<std::string> wrapper;  // a program that runs the executable, e.g. strace
};

// What the child wrote and how it ended.
struct Outcome {
  std::string out;  // standard output, when the test could read it
  std::string err;  // standard error
  int exit_status = -1;  // the exit status, or -1 when a signal ended it
};

// The path of the executable under test.
std::string executable_path();

// Runs `invocation` to its end.
Outcome run(const Invocation& invocation);

}  // namespace suite::testing
