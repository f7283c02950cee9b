// tallyquist-cli: the workbench's commands from a terminal or a script.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/console_session.h"
#include "cli/console_ui.h"
#include "cli/interactive_prompt.h"
#include "core/thread_pool.h"

namespace {

using tq::cli::QuestionAnswer;

constexpr const char* kUsage =
    "usage: tallyquist-cli [OPTIONS] [WORKSPACE.mts]\n"
    "  -c LINE     run one line; repeatable, run in order\n"
    "  -f SCRIPT   run the lines of a script file (- = standard input)\n"
    "  --yes       answer Yes to every Yes/No question\n"
    "  --no        answer No to every Yes/No question (the default when not interactive)\n"
    "  --halt      stop at the first line that fails\n"
    "  --threads N use at most N threads (1 to 64) for large matrix operations\n"
    "  --version   the program's version\n"
    "  -h, --help  this text\n"
    "With neither -c nor -f, lines are read from standard input.\n"
    "Type :help for the list of commands, :quit to end.\n";

// A run that Ctrl+C ended, as shells report a command ended by SIGINT.
constexpr int kInterruptedStatus = 130;

struct Source {
  bool script;       // -f
  std::string text;  // the line, or the script's path
};

struct Options {
  std::vector<Source> sources;
  QuestionAnswer answer = QuestionAnswer::kAsk;
  bool halt = false;
  int threads = 0;  // 0: TALLYQUIST_THREADS or the cores
  std::string workspace;
};

// Parses the command line; returns 0 to go on, or an exit status.
int ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!std::strcmp(arg, "-c") || !std::strcmp(arg, "-f")) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "tallyquist-cli: %s needs an argument\n%s", arg, kUsage);
        return 2;
      }
      options.sources.push_back({arg[1] == 'f', argv[++i]});
    } else if (!std::strcmp(arg, "--yes")) {
      options.answer = QuestionAnswer::kYes;
    } else if (!std::strcmp(arg, "--no")) {
      options.answer = QuestionAnswer::kNo;
    } else if (!std::strcmp(arg, "--halt")) {
      options.halt = true;
    } else if (!std::strcmp(arg, "--threads")) {
      const int threads = i + 1 < argc ? tq::ThreadSettingFromText(argv[i + 1]) : 0;
      if (threads == 0) {
        std::fprintf(stderr, "tallyquist-cli: --threads needs a number from 1 to %d\n%s",
                     tq::kMaxComputeThreads, kUsage);
        return 2;
      }
      options.threads = threads;
      ++i;
    } else if (!std::strcmp(arg, "--version")) {
      std::fputs("tallyquist-cli " TQ_VERSION "\n", stdout);
      return -1;
    } else if (!std::strcmp(arg, "-h") || !std::strcmp(arg, "--help")) {
      std::fputs(kUsage, stdout);
      return -1;
    } else if (arg[0] == '-' && arg[1] != '\0') {
      std::fprintf(stderr, "tallyquist-cli: unknown option %s\n%s", arg, kUsage);
      return 2;
    } else if (options.workspace.empty()) {
      options.workspace = arg;
    } else {
      std::fprintf(stderr, "tallyquist-cli: only one workspace file may be given\n%s", kUsage);
      return 2;
    }
  }
  return 0;
}

bool RunScript(tq::cli::ConsoleSession& session, const std::string& path) {
  if (path == "-") return session.RunStream(stdin, tq::cli::kStandardInputName);
  FILE* in = std::fopen(path.c_str(), "r");
  if (!in) {
    session.ui().Error("Unable to open script file " + path + ": " + std::strerror(errno));
    return false;
  }
  bool ok = session.RunStream(in, path);
  std::fclose(in);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (int status = ParseOptions(argc, argv, options)) return status < 0 ? 0 : status;
  if (options.threads) tq::SetThreadSetting(options.threads);

  const bool terminal = isatty(STDIN_FILENO);
  tq::cli::ConsoleUi ui(stdout, stderr, terminal, options.answer);
  tq::cli::InstallInterruptHandler();
  // Past a file size limit a write fails with its error, which the command
  // reports, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  bool ok = true;
  bool interrupted = false;
  {
    tq::cli::ConsoleSession session(ui);
    session.SetHaltOnFailure(options.halt);
    const bool prompt = options.sources.empty() && terminal;
    session.SetEndOnInterrupt(!prompt);
    if (!options.workspace.empty()) ok = session.OpenWorkspace(options.workspace) && ok;
    if (!options.sources.empty()) {
      for (const Source& source : options.sources) {
        if (session.Stopped()) break;
        ok = (source.script ? RunScript(session, source.text) : session.RunLine(source.text)) && ok;
      }
    } else if (prompt) {
      tq::cli::RunInteractivePrompt([&](const std::string& line) {
        if (tq::cli::IsQuitWord(line)) return false;
        ok = session.RunLine(line) && ok;
        return !session.Stopped();
      });
    } else {
      ok = session.RunStream(stdin, tq::cli::kStandardInputName) && ok;
    }
    interrupted = session.Interrupted();
    std::fflush(stdout);
  }
  if (interrupted) return kInterruptedStatus;
  return ok ? 0 : 1;
}
