#pragma once
// Runs a probe program as a fresh process and times it from spawn to its first painted frame,
// the way a player starting the game waits for it, and to its exit. The probes print
// "painted_at_ns=N" at that frame and "peak_kb=N" as they end; both are read back, with the
// kernel's own figure for the child as the fallback for the peak.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace velko::bench {

struct ProbeRun {
  bool ok = false;
  int status = 0;        // as wait4 gives it
  double wallMs = 0;     // spawn to exit
  double paintedMs = 0;  // spawn to the first painted frame; the exit time where none was told
  double cpuMs = 0;      // user and system time of the child, which a busy machine inflates less
  long peakKB = 0;
  std::string output;
};

// The environment of this process with some variables replaced.
inline std::vector<std::string> environmentWith(const std::map<std::string, std::string>& set) {
  std::vector<std::string> all;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (!set.count(text.substr(0, text.find('=')))) all.push_back(text);
  }
  for (const auto& [name, value] : set)
    all.push_back(name + "=" + value);
  return all;
}

inline std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> list;
  for (std::string& text : texts)
    list.push_back(text.data());
  list.push_back(nullptr);
  return list;
}

inline ProbeRun runProbe(const std::string& program, std::vector<std::string> args,
                         const std::map<std::string, std::string>& env) {
  // One file for the probes' output, removed when this program ends.
  static const struct OutputFile {
    OutputFile() {
      char pattern[] = "/tmp/velko-probe-XXXXXX";
      const int fd = mkstemp(pattern);
      if (fd >= 0) close(fd);
      name = pattern;
    }
    ~OutputFile() { unlink(name.c_str()); }
    std::string name;
  } output;
  const std::string& outputFile = output.name;

  args.insert(args.begin(), program);
  std::vector<char*> argv = pointers(args);
  std::vector<std::string> envTexts = environmentWith(env);
  std::vector<char*> envp = pointers(envTexts);

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, outputFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  // Qt's platform notes would only cost terminal time.
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

  ProbeRun run;
  const auto begin = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&files);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.status = status;
  run.wallMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;

  std::ifstream in(outputFile);
  std::stringstream text;
  text << in.rdbuf();
  run.output = text.str();
  run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  run.peakKB = usage.ru_maxrss;
  if (const auto at = run.output.find("peak_kb="); at != std::string::npos)
    run.peakKB = std::atol(run.output.c_str() + at + 8);
  // steady_clock is CLOCK_MONOTONIC on Linux, the clock the probes print.
  run.paintedMs = run.wallMs;
  if (const auto at = run.output.find("painted_at_ns="); at != std::string::npos) {
    const std::chrono::nanoseconds painted(std::atoll(run.output.c_str() + at + 14));
    run.paintedMs =
        std::chrono::duration<double, std::milli>(painted - begin.time_since_epoch()).count();
  }
  return run;
}

// One Xvfb of our own for the whole run, on a display number it picks itself.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    int ready[2];
    if (pipe(ready) != 0) return;
    // Only Xvfb gets the writing end; no probe inherits the reading one.
    fcntl(ready[0], F_SETFD, FD_CLOEXEC);
    std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(ready[1]),
                                     "-screen",   "0",          "1280x800x24",
                                     "-nolisten", "tcp"};
    std::vector<char*> argv = pointers(args);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    close(ready[1]);
    if (spawned != 0) {
      pid_ = 0;
      close(ready[0]);
      return;
    }
    // The number comes with its newline, perhaps in two writes; a reader gone before the
    // second one would end the server with SIGPIPE, so the pipe stays open while it runs.
    ready_ = ready[0];
    std::string number;
    char c = 0;
    while (read(ready_, &c, 1) == 1 && c != '\n')
      number += c;
    if (!number.empty()) name_ = std::string(":").append(number);
  }
  ~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    close(ready_);
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // Empty when no Xvfb could be started.
  const std::string& name() const { return name_; }

 private:
  pid_t pid_ = 0;
  int ready_ = -1;
  std::string name_;
};

}  // namespace velko::bench
