#include "tests/suite_process.hpp"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace suite::testing {
namespace {

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + std::to_string(errno));
}

// Reads both descriptors to their end, whichever has data first.
void drain(int out_descriptor, std::string& out, int err_descriptor, std::string& err) {
  pollfd fds[2] = {{out_descriptor, POLLIN, 0}, {err_descriptor, POLLIN, 0}};
  std::string* targets[2] = {&out, &err};
  int open_count = (out_descriptor >= 0) + (err_descriptor >= 0);
  while (open_count > 0) {
    if (poll(fds, 2, 10'000) <= 0) fail("poll");
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        targets[i]->append(buffer, static_cast<std::size_t>(count));
      } else if (count == 0 || errno == EIO) {  // a terminal's master says EIO at the end
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      } else if (errno != EINTR) {
        fail("read");
      }
    }
  }
}

}  // namespace

std::string executable_path() { return SUITE_EXECUTABLE; }

Outcome run(const Invocation& invocation) {
  int err_pipe[2];
  if (pipe2(err_pipe, O_CLOEXEC) != 0) fail("pipe");

  int out_read = -1;   // what the test reads
  int out_write = -1;  // what becomes the child's descriptor 1
  switch (invocation.output) {
    case OutputTarget::pipe:
    case OutputTarget::broken_pipe: {
      int out_pipe[2];
      if (pipe2(out_pipe, O_CLOEXEC) != 0) fail("pipe");
      out_read = out_pipe[0];
      out_write = out_pipe[1];
      if (invocation.output == OutputTarget::broken_pipe) {
        close(out_read);
        out_read = -1;
      }
      break;
    }
    case OutputTarget::terminal: {
      termios raw{};
      cfmakeraw(&raw);
      if (openpty(&out_read, &out_write, nullptr, &raw, nullptr) != 0) fail("openpty");
      fcntl(out_read, F_SETFD, FD_CLOEXEC);
      fcntl(out_write, F_SETFD, FD_CLOEXEC);
      break;
    }
    case OutputTarget::full_device:
      out_write = open("/dev/full", O_WRONLY | O_CLOEXEC);
      break;
    case OutputTarget::file:
      out_write = open(invocation.output_path.c_str(),
                       O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      break;
    case OutputTarget::closed:
      break;
  }

  std::vector<std::string> argv_texts = invocation.wrapper;
  argv_texts.push_back(invocation.program_name.empty() ? executable_path()
                                                       : invocation.program_name);
  argv_texts.insert(argv_texts.end(), invocation.arguments.begin(), invocation.arguments.end());
  std::vector<char*> argv;
  for (std::string& text : argv_texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  std::vector<std::string> environment_texts;
  for (const auto& [name, value] : invocation.environment)
    environment_texts.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& text : environment_texts) envp.push_back(text.data());
  envp.push_back(nullptr);
  const std::string program =
      invocation.wrapper.empty() ? executable_path() : invocation.wrapper.front();

  const pid_t child = fork();
  if (child < 0) fail("fork");
  if (child == 0) {
    if (!invocation.working_directory.empty() &&
        chdir(invocation.working_directory.c_str()) != 0)
      _exit(126);
    const int null_input = open("/dev/null", O_RDONLY);
    dup2(null_input, 0);
    if (out_write >= 0)
      dup2(out_write, 1);
    else
      close(1);
    if (invocation.output == OutputTarget::terminal) {
      setsid();
      ioctl(1, TIOCSCTTY, 0);
    }
    dup2(err_pipe[1], 2);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }

  if (out_write >= 0) close(out_write);
  close(err_pipe[1]);
  Outcome outcome;
  drain(out_read, outcome.out, err_pipe[0], outcome.err);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) fail("waitpid");
  }
  outcome.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

}  // namespace suite::testing
