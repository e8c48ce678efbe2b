// SPDX-License-Identifier: GPL-3.0-or-later
// wait-mapped PROGRAM [ARGUMENT...]: starts PROGRAM on the X display named by
// DISPLAY and waits for the map event of its first top-level window, lets it
// paint for a moment, ends it, and prints the milliseconds from the start to
// the map, the program's peak resident memory in KiB and the processor time
// it used in all, in milliseconds ("41.7 30512 52.0").  The start-up
// measurement (tools/measure-startup) runs it: the wait costs no
// process of its own, so it adds nothing to the time it measures.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;
// How long a program may take to show its window.
constexpr auto kTimeout = std::chrono::seconds(20);
// How long the shown window may paint before it is ended, so that the peak
// memory includes the first paint.
constexpr auto kSettle = std::chrono::milliseconds(300);

// Ends `child`, killing it when it outlives a polite request by 5 seconds;
// returns what it used.
rusage EndAndReap(pid_t child) {
  kill(child, SIGTERM);
  rusage usage{};
  int status = 0;
  for (int waits = 0; wait4(child, &status, WNOHANG, &usage) == 0; ++waits) {
    if (waits == 500) kill(child, SIGKILL);
    usleep(10000);
  }
  return usage;
}

double Milliseconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: wait-mapped PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  // A busy server may refuse a connection for a moment: retry.
  Display* display = nullptr;
  for (int tries = 0; !display && tries < 50; ++tries) {
    display = XOpenDisplay(nullptr);
    if (!display) usleep(100000);
  }
  if (!display) {
    std::fputs("wait-mapped: cannot open the display (set DISPLAY)\n", stderr);
    return 2;
  }
  const int connection = ConnectionNumber(display);
  fcntl(connection, F_SETFD, FD_CLOEXEC);  // not the program's
  // A top-level window is a child of the root: its map is a substructure
  // event of the root.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("wait-mapped: fork");
    return 2;
  }
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror("wait-mapped: exec");
    _exit(127);
  }

  Clock::time_point mapped{};
  while (mapped == Clock::time_point{}) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      // Tool tips and pop-up lists are override-redirect: not the window.
      if (event.type == MapNotify && !event.xmap.override_redirect) {
        mapped = Clock::now();
        break;
      }
    }
    if (mapped != Clock::time_point{}) break;
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "wait-mapped: %s ended without showing a window\n", argv[1]);
      return 1;
    }
    if (Clock::now() - start > kTimeout) {
      std::fprintf(stderr, "wait-mapped: %s showed no window in time\n", argv[1]);
      EndAndReap(child);
      return 1;
    }
    pollfd wait{connection, POLLIN, 0};
    poll(&wait, 1, 50);
  }
  usleep(std::chrono::microseconds(kSettle).count());
  const rusage used = EndAndReap(child);
  const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
  std::printf("%.1f %ld %.1f\n", ms, used.ru_maxrss, Milliseconds(used.ru_utime) + Milliseconds(used.ru_stime));
  XCloseDisplay(display);
  return 0;
}
