#include "support/game_session.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

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

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(40)); }

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
    if (started_) Tmux("kill-server");
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
}

std::string GameSession::Tmux(const std::string& arguments) const {
    return RunCommand("env -u TMUX tmux -L " + socket_ + " -f /dev/null " + arguments + " 2>&1");
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
    // A sanitizer build reports into files here instead of into the screen.
    command += "export ASAN_OPTIONS=" + Quoted("exitcode=86:log_path=" + directory_ + "/sanitizer") + "\n";
    command += "export UBSAN_OPTIONS=" + Quoted("print_stacktrace=1:exitcode=87:log_path=" + directory_ + "/sanitizer") + "\n";
    if (!options.terminal.empty()) command += "export TERM=" + Quoted(options.terminal) + "\n";
    for (const auto& [name, value] : options.environment) command += "export " + name + "=" + Quoted(value) + "\n";
    command += Quoted(std::string(HOLLOWMERE_PLAY_DIR) + "/" + kProgramName);
    for (const std::string& argument : options.arguments) command += " " + Quoted(argument);
    command += "\necho $? > exit_status.part && mv exit_status.part exit_status\n";
    // The pane stays open so that what the program printed last can be read.
    command += "exec sleep 600\n";
    WriteFile("run.sh", command);
    const std::string output = Tmux("new-session -d -s game -x " + std::to_string(options.columns) + " -y " +
                                    std::to_string(options.rows) + " " + Quoted("sh " + directory_ + "/run.sh"));
    if (!output.empty()) throw std::runtime_error("tmux did not start: " + output);
    started_ = true;
}

void GameSession::Restart(const SessionOptions& options) {
    if (started_) Tmux("kill-server");
    started_ = false;
    // A server of its own: the old one may still be letting go of its socket.
    socket_ += "-again";
    fs::remove(fs::path(directory_) / "exit_status");
    Start(options);
}

void GameSession::Type(const std::string& text) const { Tmux("send-keys -t game -l " + Quoted(text)); }

void GameSession::Press(const std::string& keyName) const { Tmux("send-keys -t game " + keyName); }

std::vector<std::string> GameSession::Screen() const {
    std::vector<std::string> rows = SplitLines(Tmux("capture-pane -p -t game"));
    for (std::string& row : rows) {
        if (static_cast<int>(row.size()) < columns_) row.append(static_cast<std::size_t>(columns_) - row.size(), ' ');
    }
    return rows;
}

std::vector<std::vector<ShownCell>> GameSession::ColouredScreen() const {
    std::vector<std::vector<ShownCell>> screen;
    for (const std::string& line : SplitLines(Tmux("capture-pane -p -e -t game"))) {
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
    std::istringstream in(Tmux("display-message -p -t game '#{cursor_x} #{cursor_y}'"));
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (test(Screen())) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        Pause();
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

void GameSession::Resize(int columns, int rows) {
    Tmux("resize-window -t game -x " + std::to_string(columns) + " -y " + std::to_string(rows));
    columns_ = columns;
}

void GameSession::Signal(int signalNumber) const {
    // The pane runs the shell script, and the program is that shell's child.
    const std::string shell = Tmux("list-panes -t game -F '#{pane_pid}'");
    std::ifstream children("/proc/" + std::to_string(std::atoi(shell.c_str())) + "/task/" +
                           std::to_string(std::atoi(shell.c_str())) + "/children");
    pid_t program = 0;
    if (!(children >> program) || program <= 0) throw std::runtime_error("the program is not running");
    kill(program, signalNumber);
}

std::optional<int> GameSession::WaitForExit(double seconds) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    const fs::path status = fs::path(directory_) / "exit_status";
    while (!fs::exists(status)) {
        if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
        Pause();
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
