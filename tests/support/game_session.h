#pragma once
// End-to-end tests: the built program in a tmux session of its own, in a fresh
// working directory that holds copies of the ready-to-play data files.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct SessionOptions {
    std::vector<std::string> arguments;
    int columns = 80;
    int rows = 25;
    // TERM for the program; empty keeps tmux's own (which has colours).
    std::string terminal;
    // HOLLOWMERE_SEED: the same seed gives the same game.
    unsigned seed = 1;
    std::map<std::string, std::string> environment;
    // The game's waits (flashes, explosions, the final screens, the quick
    // move's pause) are skipped unless the test asks for them.
    bool realWaits = false;

    SessionOptions& WithArguments(std::vector<std::string> list) {
        arguments = std::move(list);
        return *this;
    }
    SessionOptions& WithSize(int width, int height) {
        columns = width;
        rows = height;
        return *this;
    }
    SessionOptions& WithTerminal(std::string name) {
        terminal = std::move(name);
        return *this;
    }
    SessionOptions& WithSeed(unsigned value) {
        seed = value;
        return *this;
    }
    SessionOptions& WithVariable(const std::string& name, const std::string& value) {
        environment[name] = value;
        return *this;
    }
    SessionOptions& WithRealWaits() {
        realWaits = true;
        return *this;
    }
};

// One screen cell as tmux shows it: the character, its foreground colour
// (0..7, or -1 for the default) and whether it is bold.
struct ShownCell {
    char character = ' ';
    int foreground = -1;
    bool bold = false;
};

class GameSession {
public:
    // Makes the working directory with the data files; the program starts with Start.
    GameSession();
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    const std::string& WorkingDirectory() const { return directory_; }
    void WriteFile(const std::string& name, const std::string& content) const;
    void RemoveFile(const std::string& name) const;
    bool FileExists(const std::string& name) const;

    void Start(const SessionOptions& options = {});
    // Starts the program once more in the same working directory, as a player
    // would after it has ended (the last run's pane is closed first).
    void Restart(const SessionOptions& options = {});
    // Types text literally.
    void Type(const std::string& text) const;
    // Presses keys by tmux's names ("Down", "Enter", "Escape", "NPage" ...).
    void Press(const std::string& keyName) const;

    // The screen, one string per row, each padded to the pane's width.
    std::vector<std::string> Screen() const;
    // The screen with colours.
    std::vector<std::vector<ShownCell>> ColouredScreen() const;
    // Where the terminal's cursor stands: column, then row.
    std::pair<int, int> Cursor() const;
    std::string Dump() const;

    // Waits until the screen satisfies the test; false after the timeout. The
    // screen is read again each time the program has drawn something.
    bool WaitForScreen(const std::function<bool(const std::vector<std::string>&)>& test, double seconds = 20) const;
    // Waits until the row holds the text at the column.
    bool WaitForText(int row, int column, const std::string& text, double seconds = 20) const;
    // Waits until the text shows anywhere.
    bool WaitForText(const std::string& text, double seconds = 20) const;
    // Waits until the program has read every key typed and waits for another,
    // with all it drew on the screen, or until it has ended; false after the timeout.
    bool WaitUntilItAwaitsAKey(double seconds = 20) const;
    // Makes the pane the given size, as a player resizing the terminal would.
    void Resize(int columns, int rows);
    // Sends a signal to the program (not to tmux or the shell around it).
    void Signal(int signalNumber) const;
    // The program's exit code (0..255) once it has ended; nothing after the timeout.
    std::optional<int> WaitForExit(double seconds = 20) const;
    // What sanitizers reported while the program ran (empty when nothing).
    std::string SanitizerReports() const;

private:
    using Clock = std::chrono::steady_clock;

    // A tmux command through the control client; the lines of its answer.
    std::vector<std::string> Tmux(const std::string& command) const;
    void StartControlClient();
    void StopControlClient();
    // Reads what the control client says until a line is complete; false at the deadline or its end.
    bool ReadControlLine(std::string& line, Clock::time_point deadline) const;
    // Waits until the pane has shown more output than `seen` pieces; false at the deadline.
    bool AwaitOutput(uint64_t seen, Clock::time_point deadline) const;
    // The running program's process, or 0 while there is none.
    pid_t Program() const;
    bool Ended() const;

    std::string directory_;
    std::string socket_;
    bool started_ = false;
    int columns_ = 80;
    // The tmux client in control mode: one connection for every command, and
    // word of every piece of output the pane shows.
    int control_ = -1;
    pid_t controlClient_ = -1;
    // The tmux server's process, to end it should it outlive the session.
    pid_t server_ = -1;
    mutable std::string controlPending_;
    mutable uint64_t outputs_ = 0;
    mutable uint64_t markers_ = 0;
};

// Expects the text at (row, column) within the session's time limit; on failure
// the message shows the screen.
#define EXPECT_SHOWN(session, row, column, text) \
    EXPECT_TRUE((session).WaitForText(row, column, text)) << "expected \"" << (text) << "\"" << (session).Dump()
