#include "support/run_console.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tq::testing {

namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

}  // namespace

ConsoleRun RunConsole(const std::vector<std::string>& args, const std::string& input,
                      const std::string& limits) {
  char dir[] = "/tmp/tq-cli-XXXXXX";
  if (!mkdtemp(dir)) return {};
  const std::string base = dir;
  {
    std::ofstream in(base + "/in", std::ios::binary);
    in << input;
  }
  std::string command = limits.empty() ? "" : limits + "; ";
  command += "exec " + Quote(TQ_CLI_PATH);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " <" + base + "/in >" + base + "/out 2>" + base + "/err";
  int raw = std::system(command.c_str());
  ConsoleRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadAll(base + "/out");
  run.err = ReadAll(base + "/err");
  std::system(("rm -rf " + Quote(base)).c_str());
  return run;
}

ConsoleRun RunConsoleInterrupted(const std::vector<std::string>& args, const std::string& input) {
  char dir[] = "/tmp/tq-cli-XXXXXX";
  if (!mkdtemp(dir)) return {};
  const std::string base = dir;
  {
    std::ofstream in(base + "/in", std::ios::binary);
    in << input;
  }
  std::string program = Quote(TQ_CLI_PATH);
  for (const std::string& arg : args) program += " " + Quote(arg);
  // The shell holds the pipe open for writing, so the console never sees
  // its end; SIGINT is sent until the console has ended.
  const std::string b = Quote(base);
  std::string script =
      "cd " + b + " || exit; mkfifo pipe || exit; exec 3<>pipe; cat in >&3; (" + program +
      " <pipe >out 2>err & echo $! >pid; wait $!; echo $? >status) & i=0; "
      "while [ ! -e status ] && [ $i -lt 100 ]; do sleep 0.2; "
      "[ -s pid ] && [ ! -e status ] && kill -INT $(cat pid) 2>/dev/null; i=$((i+1)); done; "
      "[ -e status ] || kill -KILL $(cat pid); wait";
  std::system(("sh -c " + Quote(script)).c_str());
  ConsoleRun run;
  std::string status = ReadAll(base + "/status");
  run.status = status.empty() ? -1 : std::atoi(status.c_str());
  run.out = ReadAll(base + "/out");
  run.err = ReadAll(base + "/err");
  std::system(("rm -rf " + Quote(base)).c_str());
  return run;
}

}  // namespace tq::testing
