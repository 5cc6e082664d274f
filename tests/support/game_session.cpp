#include "support/game_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const char* const kProgramName = "hollowmere";

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string RunCommand(const std::string& command) {
    std::string output;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run: " + command);
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    pclose(pipe);
    return output;
}

// True while the process runs: neither gone nor ended and waiting to be reaped
// (tmux's server is not the test's child, and whoever reaps it may be slow to).
bool StillRuns(pid_t process) {
    std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) return false;
    const std::size_t nameEnd = text.rfind(')');
    return nameEnd != std::string::npos && nameEnd + 2 < text.size() && text[nameEnd + 2] != 'Z';
}

// The program's process, told by its name.
bool IsTheProgram(pid_t process) {
    std::ifstream name("/proc/" + std::to_string(process) + "/comm");
    std::string comm;
    return std::getline(name, comm) && comm == kProgramName;
}

// True while the program sleeps where a key read sleeps, by the kernel
// function it waits in. Linux shows that to a user who may not read the system
// call itself (a program of another session under kernel.yama.ptrace_scope 1).
bool SleepsInAKeyRead(const std::string& process) {
    std::ifstream wchan(process + "/wchan");
    std::string function;
    if (!(wchan >> function)) return false;
    for (const char* sleep : {"poll_schedule_timeout", "do_sys_poll", "do_select", "core_sys_select", "wait_woken",
                              "n_tty_read"}) {
        if (function.rfind(sleep, 0) == 0) return true;
    }
    return false;
}

// True while the program sits in its key read (a poll, a select, or a read of
// its standard input) with no typed key left unread.
bool AwaitsAKey(pid_t program) {
    const std::string process = "/proc/" + std::to_string(program);
    std::ifstream call(process + "/syscall");
    long number = -1;
    std::string firstArgument;
    if (!call.is_open()) {
        if (!SleepsInAKeyRead(process)) return false;
    } else {
        if (!(call >> number >> firstArgument)) return false;  // "running", or gone
        const bool polls = number == 7 || number == 23 || number == 270 || number == 271;  // poll, select, pselect6, ppoll
        const bool readsInput = number == 0 && std::strtoul(firstArgument.c_str(), nullptr, 16) == 0;
        if (!polls && !readsInput) return false;
    }
    const int terminal = open(("/proc/" + std::to_string(program) + "/fd/0").c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (terminal < 0) return false;
    // Keys tmux has written may still be on their way through the terminal's
    // buffers: a poll with nothing readable yet hands them on first.
    pollfd input{terminal, POLLIN, 0};
    const bool nothingReadable = poll(&input, 1, 0) == 0;
    int unread = -1;
    const bool known = ioctl(terminal, FIONREAD, &unread) == 0;
    close(terminal);
    return nothingReadable && known && unread == 0;
}

// Applies one SGR parameter list to the current colour state.
void ApplyGraphicRendition(const std::string& parameters, ShownCell& pen) {
    std::vector<int> values;
    std::stringstream in(parameters);
    std::string item;
    while (std::getline(in, item, ';')) values.push_back(item.empty() ? 0 : std::atoi(item.c_str()));
    if (values.empty()) values.push_back(0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int v = values[i];
        if (v == 0) {
            pen.foreground = -1;
            pen.bold = false;
        } else if (v == 1) {
            pen.bold = true;
        } else if (v == 22) {
            pen.bold = false;
        } else if (v >= 30 && v <= 37) {
            pen.foreground = v - 30;
        } else if (v == 39) {
            pen.foreground = -1;
        } else if (v >= 90 && v <= 97) {
            pen.foreground = v - 90;
            pen.bold = true;
        } else if ((v == 38 || v == 48) && i + 1 < values.size()) {
            // 38;5;n or 38;2;r;g;b: only the 8 basic colours matter here
            if (values[i + 1] == 5 && i + 2 < values.size()) {
                if (v == 38 && values[i + 2] < 8) pen.foreground = values[i + 2];
                i += 2;
            } else if (values[i + 1] == 2) {
                i += 4;
            }
        }
    }
}

// A tmux command run on its own, for starting the server.
std::string TmuxCommandLine(const std::string& socket, const std::string& arguments) {
    return "env -u TMUX tmux -L " + socket + " -f /dev/null " + arguments + " 2>&1";
}

}  // namespace

GameSession::GameSession() {
    static std::atomic<int> sessions{0};
    const int number = sessions++;
    socket_ = "hollowmere-test-" + std::to_string(getpid()) + "-" + std::to_string(number);
    std::string pattern = (fs::temp_directory_path() / "hollowmere-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a working directory");
    directory_ = pattern;
    // Every data file of the ready-to-play folder, as a player gets them.
    for (const fs::directory_entry& entry : fs::directory_iterator(HOLLOWMERE_PLAY_DIR)) {
        if (!entry.is_regular_file() || entry.path().filename() == kProgramName) continue;
        fs::copy_file(entry.path(), fs::path(directory_) / entry.path().filename());
    }
}

GameSession::~GameSession() {
    StopControlClient();
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
}

void GameSession::StartControlClient() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) throw std::runtime_error("no socket pair");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("cannot start the tmux control client");
    if (child == 0) {
        dup2(ends[1], STDIN_FILENO);
        dup2(ends[1], STDOUT_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        if (nowhere >= 0) dup2(nowhere, STDERR_FILENO);
        unsetenv("TMUX");
        execlp("tmux", "tmux", "-L", socket_.c_str(), "-f", "/dev/null", "-C", "attach-session", "-t", "game",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    control_ = ends[0];
    controlClient_ = child;
    controlPending_.clear();
    const std::vector<std::string> server = Tmux("display-message -p '#{pid}'");
    server_ = server.empty() ? -1 : static_cast<pid_t>(std::atol(server.front().c_str()));
}

void GameSession::StopControlClient() {
    if (!started_) return;
    // The server is told to go through the control client itself, and what the
    // client still says is read to its end: a server whose control client
    // cannot take its last words waits for it for ever.
    if (control_ >= 0) {
        const std::string line = "kill-server\n";
        send(control_, line.data(), line.size(), MSG_NOSIGNAL);
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
        for (std::string text; ReadControlLine(text, deadline);) {
        }
        close(control_);
    }
    control_ = -1;
    controlPending_.clear();
    // Should either still linger after that, it is ended by force: it holds
    // the test, and the server holds whatever the test runner gave the test.
    if (controlClient_ > 0) {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
        while (waitpid(controlClient_, nullptr, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                kill(controlClient_, SIGKILL);
                while (waitpid(controlClient_, nullptr, 0) < 0 && errno == EINTR) {
                }
                break;
            }
            poll(nullptr, 0, 10);
        }
    }
    controlClient_ = -1;
    if (server_ > 0) {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
        while (StillRuns(server_) && Clock::now() < deadline) poll(nullptr, 0, 10);
        if (StillRuns(server_)) kill(server_, SIGKILL);
    }
    server_ = -1;
    started_ = false;
    // tmux leaves its socket behind.
    const char* folder = std::getenv("TMUX_TMPDIR");
    std::error_code ignored;
    fs::remove(fs::path(folder != nullptr && *folder != '\0' ? folder : "/tmp") / ("tmux-" + std::to_string(getuid())) / socket_,
               ignored);
}

bool GameSession::ReadControlLine(std::string& line, Clock::time_point deadline) const {
    for (;;) {
        const std::size_t end = controlPending_.find('\n');
        if (end != std::string::npos) {
            line = controlPending_.substr(0, end);
            controlPending_.erase(0, end + 1);
            return true;
        }
        if (control_ < 0) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0) return false;
        pollfd waiting{control_, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(std::min<long long>(left, 1000)));
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;
        char buffer[65536];
        const ssize_t got = read(control_, buffer, sizeof buffer);
        if (got <= 0) return false;
        controlPending_.append(buffer, static_cast<std::size_t>(got));
    }
}

std::vector<std::string> GameSession::Tmux(const std::string& command) const {
    std::vector<std::string> answer;
    if (control_ < 0) return answer;
    const std::string line = command + "\n";
    if (send(control_, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) return answer;
    // The answer is framed by %begin and %end (or %error) lines ending in flag 1;
    // notifications come only between answers.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(60);
    bool inAnswer = false;
    for (std::string text; ReadControlLine(text, deadline);) {
        if (inAnswer) {
            if ((text.rfind("%end ", 0) == 0 || text.rfind("%error ", 0) == 0) && text.compare(text.size() - 2, 2, " 1") == 0) {
                return answer;
            }
            answer.push_back(text);
        } else if (text.rfind("%begin ", 0) == 0 && text.compare(text.size() - 2, 2, " 1") == 0) {
            inAnswer = true;
        } else if (text.rfind("%output ", 0) == 0) {
            ++outputs_;
        }
    }
    return answer;
}

bool GameSession::AwaitOutput(uint64_t seen, Clock::time_point deadline) const {
    for (std::string text; outputs_ <= seen;) {
        if (!ReadControlLine(text, deadline)) return false;
        if (text.rfind("%output ", 0) == 0) ++outputs_;
    }
    return true;
}

void GameSession::WriteFile(const std::string& name, const std::string& content) const {
    const fs::path path = fs::path(directory_) / name;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
}

void GameSession::RemoveFile(const std::string& name) const { fs::remove(fs::path(directory_) / name); }

bool GameSession::FileExists(const std::string& name) const { return fs::exists(fs::path(directory_) / name); }

void GameSession::Start(const SessionOptions& options) {
    columns_ = options.columns;
    std::string command = "cd " + Quoted(directory_) + " || exit 99\n";
    command += "export HOLLOWMERE_SEED=" + std::to_string(options.seed) + "\n";
    if (!options.realWaits) command += "export HOLLOWMERE_WAIT_PERCENT=0\n";
    // A sanitizer build reports into files here instead of into the screen.
    command += "export ASAN_OPTIONS=" + Quoted("exitcode=86:log_path=" + directory_ + "/sanitizer") + "\n";
    command += "export UBSAN_OPTIONS=" + Quoted("print_stacktrace=1:exitcode=87:log_path=" + directory_ + "/sanitizer") + "\n";
    if (!options.terminal.empty()) command += "export TERM=" + Quoted(options.terminal) + "\n";
    for (const auto& [name, value] : options.environment) command += "export " + name + "=" + Quoted(value) + "\n";
    command += Quoted(std::string(HOLLOWMERE_PLAY_DIR) + "/" + kProgramName);
    for (const std::string& argument : options.arguments) command += " " + Quoted(argument);
    command += "\necho $? > exit_status.part && mv exit_status.part exit_status\n";
    // A title change after it, which the control client hears of as output.
    command += "printf '\\033]2;exited\\007'\n";
    // The pane stays open so that what the program printed last can be read.
    command += "exec sleep 600\n";
    WriteFile("run.sh", command);
    const std::string output = RunCommand(TmuxCommandLine(socket_, "new-session -d -s game -x " + std::to_string(options.columns) +
                                                                       " -y " + std::to_string(options.rows) + " " +
                                                                       Quoted("sh " + directory_ + "/run.sh")));
    if (!output.empty()) throw std::runtime_error("tmux did not start: " + output);
    started_ = true;
    StartControlClient();
}

void GameSession::Restart(const SessionOptions& options) {
    StopControlClient();
    // A server of its own: the old one may still be letting go of its socket.
    socket_ += "-again";
    fs::remove(fs::path(directory_) / "exit_status");
    Start(options);
}

void GameSession::Type(const std::string& text) const {
    Tmux("send-keys -t game -l " + Quoted(text));
    // tmux hands the keys to the terminal on its next turn; one more command
    // makes sure it has, so that a wait after this sees them unread or read.
    Tmux("display-message -p ''");
}

void GameSession::Press(const std::string& keyName) const {
    Tmux("send-keys -t game " + keyName);
    Tmux("display-message -p ''");
}

std::vector<std::string> GameSession::Screen() const {
    std::vector<std::string> rows = Tmux("capture-pane -p -t game");
    for (std::string& row : rows) {
        if (static_cast<int>(row.size()) < columns_) row.append(static_cast<std::size_t>(columns_) - row.size(), ' ');
    }
    return rows;
}

std::vector<std::vector<ShownCell>> GameSession::ColouredScreen() const {
    std::vector<std::vector<ShownCell>> screen;
    for (const std::string& line : Tmux("capture-pane -p -e -t game")) {
        std::vector<ShownCell> row;
        ShownCell pen;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\033' && i + 1 < line.size() && line[i + 1] == '[') {
                const std::size_t end = line.find_first_of("ABCDEFGHJKSTfmnsu", i + 2);
                if (end == std::string::npos) break;
                if (line[end] == 'm') ApplyGraphicRendition(line.substr(i + 2, end - i - 2), pen);
                i = end;
                continue;
            }
            ShownCell cell = pen;
            cell.character = line[i];
            row.push_back(cell);
        }
        while (static_cast<int>(row.size()) < columns_) row.push_back(ShownCell{});
        screen.push_back(row);
    }
    return screen;
}

std::pair<int, int> GameSession::Cursor() const {
    const std::vector<std::string> answer = Tmux("display-message -p -t game '#{cursor_x} #{cursor_y}'");
    std::istringstream in(answer.empty() ? "" : answer[0]);
    int column = -1;
    int row = -1;
    in >> column >> row;
    return {column, row};
}

std::string GameSession::Dump() const {
    std::string dump = "\n";
    for (const std::string& row : Screen()) dump += row + "|\n";
    return dump;
}

bool GameSession::WaitForScreen(const std::function<bool(const std::vector<std::string>&)>& test, double seconds) const {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    for (;;) {
        const uint64_t seen = outputs_;
        if (test(Screen())) return true;
        if (!AwaitOutput(seen, deadline)) return test(Screen());
    }
}

bool GameSession::WaitForText(int row, int column, const std::string& text, double seconds) const {
    return WaitForScreen(
        [&](const std::vector<std::string>& screen) {
            return row >= 0 && row < static_cast<int>(screen.size()) &&
                   screen[static_cast<std::size_t>(row)].compare(static_cast<std::size_t>(column), text.size(), text) == 0;
        },
        seconds);
}

bool GameSession::WaitForText(const std::string& text, double seconds) const {
    return WaitForScreen(
        [&](const std::vector<std::string>& screen) {
            for (const std::string& row : screen) {
                if (row.find(text) != std::string::npos) return true;
            }
            return false;
        },
        seconds);
}

pid_t GameSession::Program() const {
    const std::vector<std::string> shell = Tmux("list-panes -t game -F '#{pane_pid}'");
    if (shell.empty()) return 0;
    const std::string pane = std::to_string(std::atoi(shell[0].c_str()));
    std::ifstream children("/proc/" + pane + "/task/" + pane + "/children");
    for (pid_t child = 0; children >> child;) {
        if (IsTheProgram(child)) return child;
    }
    return 0;
}

bool GameSession::Ended() const { return fs::exists(fs::path(directory_) / "exit_status"); }

bool GameSession::WaitUntilItAwaitsAKey(double seconds) const {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    while (Clock::now() < deadline) {
        const pid_t program = Program();
        if (program == 0 && Ended()) return true;
        if (program == 0 || !AwaitsAKey(program)) {
            // Looked at again as soon as the program shows something, and often besides.
            AwaitOutput(outputs_, std::min(deadline, Clock::now() + std::chrono::milliseconds(2)));
            continue;
        }
        // It waits; what it drew may still be on its way to tmux. A title change
        // written after it comes through behind it: once tmux shows that title,
        // it has taken in everything before.
        const std::string marker = "settled-" + std::to_string(++markers_);
        const int terminal = open(("/proc/" + std::to_string(program) + "/fd/1").c_str(), O_WRONLY | O_NOCTTY);
        if (terminal < 0) continue;
        const std::string title = "\033]2;" + marker + "\007";
        const bool written = write(terminal, title.data(), title.size()) == static_cast<ssize_t>(title.size());
        close(terminal);
        if (!written) continue;
        bool shown = false;
        while (!shown && Clock::now() < deadline) {
            const uint64_t seen = outputs_;
            const std::vector<std::string> answer = Tmux("display-message -p -t game '#{pane_title}'");
            shown = !answer.empty() && answer[0] == marker;
            if (!shown) AwaitOutput(seen, deadline);
        }
        // Still waiting, then it drew nothing after the marker.
        if (shown && Program() == program && AwaitsAKey(program)) return true;
    }
    return false;
}

void GameSession::Resize(int columns, int rows) {
    Tmux("resize-window -t game -x " + std::to_string(columns) + " -y " + std::to_string(rows));
    columns_ = columns;
}

void GameSession::Signal(int signalNumber) const {
    // The pane runs the shell script, and the program is that shell's child.
    const pid_t program = Program();
    if (program <= 0) throw std::runtime_error("the program is not running");
    kill(program, signalNumber);
}

std::optional<int> GameSession::WaitForExit(double seconds) const {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    const fs::path status = fs::path(directory_) / "exit_status";
    for (;;) {
        const uint64_t seen = outputs_;
        if (fs::exists(status)) break;
        // The script changes the title once the status is written: that is output.
        if (!AwaitOutput(seen, deadline) && !fs::exists(status)) return std::nullopt;
    }
    std::ifstream in(status);
    int code = -1;
    in >> code;
    return code;
}

std::string GameSession::SanitizerReports() const {
    std::string reports;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory_)) {
        if (entry.path().filename().string().rfind("sanitizer", 0) != 0) continue;
        std::ifstream in(entry.path());
        reports += std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return reports;
}
