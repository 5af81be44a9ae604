#include "platform/start_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace kartovex {

long StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowStyle style) {
  (void)style;
  if (program.empty()) return 0;
  // Everything the children need is prepared before forking.
  std::vector<std::string> args;
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return 0;
  // Two forks, so the program is never left as a zombie of ours: the middle
  // process reports the grandchild's id and exits at once.
  pid_t middle = ::fork();
  if (middle < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return 0;
  }
  if (middle == 0) {
    ::close(fds[0]);
    int status[2];  // exec status pipe of the grandchild
    if (::pipe2(status, O_CLOEXEC) != 0) ::_exit(1);
    pid_t child = ::fork();
    if (child == 0) {
      ::close(status[0]);
      ::setsid();
      ::execvp(argv[0], argv.data());
      char failed = 1;
      ssize_t ignored = ::write(status[1], &failed, 1);
      (void)ignored;
      ::_exit(127);
    }
    ::close(status[1]);
    long id = 0;
    if (child > 0) {
      char failed = 0;
      ssize_t n;
      do {
        n = ::read(status[0], &failed, 1);
      } while (n < 0 && errno == EINTR);
      // Nothing to read means exec succeeded and closed the pipe.
      id = n == 0 ? static_cast<long>(child) : 0;
    }
    ssize_t ignored = ::write(fds[1], &id, sizeof id);
    (void)ignored;
    ::_exit(0);
  }
  ::close(fds[1]);
  long id = 0;
  ssize_t n;
  do {
    n = ::read(fds[0], &id, sizeof id);
  } while (n < 0 && errno == EINTR);
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  return n == static_cast<ssize_t>(sizeof id) ? id : 0;
}

}  // namespace kartovex
