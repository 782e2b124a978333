// Starts a program under the current X display and measures it from outside:
// the milliseconds from the exec to its first top-level window mapped (the root
// window's MapNotify) and the processor time it had used by then, its resident memory one second
// later, and its resident memory after clicking given points of that first window (each click may
// map a further window), one second after the last click.
//
//   map_wait [--click X,Y]... [--expect N] -- program [args...]
//
// X,Y are pixels in the first window. With --expect N each click waits (up to
// three seconds) for a new top-level window and N windows must have come; every
// click is followed by 300 ms of rest. Prints one line:
//   map_ms=65.2 cpu_ms=50.1 rss_kb=32000 rss_open_kb=34000 opened=5
// Only start it on a display with no other clients mapping windows.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Point {
  int x, y;
};

long residentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// The next top-level window mapped other than `except`, or None after the timeout.
Window waitForMap(Display* display, Window except, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect && event.xmap.window != except)
        return event.xmap.window;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return None;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, int(left));
  }
}

void click(Display* display, Window window, Point at) {
  XRaiseWindow(display, window);  // a window opened before may cover it
  XSync(display, False);
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), at.x, at.y, &x, &y, &child);
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XSync(display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XSync(display, False);
}

// Processor time the program's threads have had so far, in ms: on a busy machine
// the time to the window waits for other work, this does not.
double processorMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  double ns = 0;
  for (const auto& task : std::filesystem::directory_iterator(tasks)) {
    std::ifstream stat(task.path() / "schedstat");
    double onCpu = 0;
    if (stat >> onCpu) ns += onCpu;
  }
  return ns / 1e6;
}

[[noreturn]] void usage() {
  std::fprintf(stderr, "usage: map_wait [--click X,Y]... [--expect N] -- program [args...]\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<Point> clicks;
  int expect = -1;
  int i = 1;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--click") == 0 && i + 1 < argc) {
      Point p{};
      if (std::sscanf(argv[++i], "%d,%d", &p.x, &p.y) != 2) usage();
      clicks.push_back(p);
    } else if (std::strcmp(argv[i], "--expect") == 0 && i + 1 < argc) {
      expect = std::atoi(argv[++i]);
    } else {
      usage();
    }
  }
  if (i + 1 >= argc) usage();
  char** command = argv + i + 1;

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "map_wait: no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  pid_t pid = 0;
  const auto start = Clock::now();
  if (posix_spawnp(&pid, command[0], nullptr, nullptr, command, environ) != 0) {
    std::perror("map_wait: spawn");
    return 1;
  }
  const Window main = waitForMap(display, None, std::chrono::seconds(20));
  const std::chrono::duration<double, std::milli> mapped = Clock::now() - start;
  int status = 1;
  if (main != None) {
    const double cpu = processorMs(pid);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKb(pid);
    int opened = 0;
    for (Point p : clicks) {
      click(display, main, p);
      if (expect >= 0 && waitForMap(display, main, std::chrono::seconds(3)) != None) ++opened;
      // The program raises what it opened just after mapping it: let it finish,
      // so the next click raises the first window over it.
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rssOpen = residentKb(pid);
    std::printf("map_ms=%.1f cpu_ms=%.1f rss_kb=%ld rss_open_kb=%ld opened=%d\n", mapped.count(),
                cpu, rss, rssOpen, opened);
    status = expect >= 0 && opened != expect ? 1 : 0;
  } else {
    std::fprintf(stderr, "map_wait: no window mapped\n");
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  return status;
}
