#include "support/screen_test.h"

#include <curses.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <term.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "toolkit/drawing.h"
#include "toolkit/terminal.h"

namespace {

// Every key a screen test needs is typed before the code runs (and is there to
// be read when Type returns), so a read that finds none waits for a key the test forgot.
void FailOnKeyStarvation() { throw KeyStarvation(); }

const char* CapabilityOf(int key) {
    switch (key) {
        case KEY_DOWN: return "kcud1";
        case KEY_UP: return "kcuu1";
        case KEY_LEFT: return "kcub1";
        case KEY_RIGHT: return "kcuf1";
        case KEY_HOME: return "khome";
        case KEY_END: return "kend";
        case KEY_DC: return "kdch1";
        case KEY_NPAGE: return "knp";
        case KEY_PPAGE: return "kpp";
        case KEY_A1: return "ka1";
        case KEY_A3: return "ka3";
        case KEY_B2: return "kb2";
        case KEY_C1: return "kc1";
        case KEY_C3: return "kc3";
        case KEY_ENTER: return "kent";
        case KEY_BACKSPACE: return "kbs";
        case KEY_F(1): return "kf1";
        case KEY_F(5): return "kf5";
        case KEY_IC: return "kich1";
        default: return nullptr;
    }
}

// Whatever curses writes is read away at once by a child process (cat, into
// nothing), so drawing never blocks. It ends when the terminal's other side is
// closed, which the test's end (or the test process's) does, or when told to.
pid_t StartDrainer(int master) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, master, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char name[] = "cat";
    char* arguments[] = {name, nullptr};
    pid_t child = -1;
    const int failed = posix_spawnp(&child, name, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? child : -1;
}

}  // namespace

void ScreenTest::SetUp() {
    ResetGameState();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(slave_, 0);
    winsize size{};
    size.ws_row = 25;
    size.ws_col = 80;
    ASSERT_EQ(ioctl(slave_, TIOCSWINSZ, &size), 0);

    drainer_ = StartDrainer(master_);
    ASSERT_GT(drainer_, 0);

    // The terminal's descriptors stay out of every program the test starts.
    input_ = fdopen(fcntl(slave_, F_DUPFD_CLOEXEC, 0), "r");
    output_ = fdopen(fcntl(slave_, F_DUPFD_CLOEXEC, 0), "w");
    ASSERT_NE(input_, nullptr);
    ASSERT_NE(output_, nullptr);
    setenv("LINES", "25", 1);
    setenv("COLUMNS", "80", 1);
    screen_ = newterm("xterm-256color", output_, input_);
    ASSERT_NE(screen_, nullptr);
    set_term(screen_);
    mainWindow = stdscr;
    TerminalConfigure();
    TerminalStartColours();
    InitColorPairs();
    TerminalSetInputModes();
    SetKeyWaitHook(FailOnKeyStarvation, 0);
    ASSERT_EQ(LINES, 25);
    ASSERT_EQ(COLS, 80);
}

void ScreenTest::TearDown() {
    SetKeyWaitHook(nullptr);
    if (screen_ != nullptr) {
        endwin();
        delscreen(screen_);
        screen_ = nullptr;
    }
    mainWindow = nullptr;
    if (input_ != nullptr) std::fclose(input_);
    if (output_ != nullptr) std::fclose(output_);
    input_ = output_ = nullptr;
    if (slave_ >= 0) close(slave_);
    if (drainer_ > 0) {
        kill(drainer_, SIGKILL);
        while (waitpid(drainer_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    drainer_ = -1;
    if (master_ >= 0) close(master_);
    slave_ = master_ = -1;
}

void ScreenTest::Send(const std::string& bytes) {
    // A death test's child that quit has put the shared terminal back in line
    // mode; the game's own mode comes first.
    reset_prog_mode();
    int pendingBefore = 0;
    ioctl(slave_, FIONREAD, &pendingBefore);
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    // The terminal hands typed bytes on a moment later; wait until they are readable,
    // so that a read without waiting sees them.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int pending = 0;
    while (ioctl(slave_, FIONREAD, &pending) == 0 && pending < pendingBefore + static_cast<int>(bytes.size())) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "typed keys never reached the terminal";
        usleep(1000);
    }
}

void ScreenTest::Type(const std::string& keys) { Send(keys); }

void ScreenTest::Press(int key) {
    if (key >= 0 && key <= 255) {
        Send(std::string(1, static_cast<char>(key)));
        return;
    }
    const char* capability = CapabilityOf(key);
    ASSERT_NE(capability, nullptr) << "no terminal capability known for key code " << key;
    const char* sequence = tigetstr(capability);
    ASSERT_TRUE(sequence != nullptr && sequence != reinterpret_cast<char*>(-1)) << capability;
    Send(sequence);
}

std::string ScreenTest::Row(int row) const { return TextAt(row, 0, 80); }

std::string ScreenTest::TextAt(int row, int column, int length) const {
    std::string text;
    for (int i = 0; i < length && column + i < 80; ++i) text.push_back(CharAt(row, column + i));
    return text;
}

uint64_t ScreenTest::Cell(int row, int column) const {
    int cursorRow = 0;
    int cursorColumn = 0;
    getyx(stdscr, cursorRow, cursorColumn);
    const chtype cell = mvwinch(stdscr, row, column);
    wmove(stdscr, cursorRow, cursorColumn);
    return cell;
}

char ScreenTest::CharAt(int row, int column) const { return static_cast<char>(Cell(row, column) & A_CHARTEXT); }

int ScreenTest::PairAt(int row, int column) const { return static_cast<int>(PAIR_NUMBER(Cell(row, column))); }

bool ScreenTest::BoldAt(int row, int column) const { return (Cell(row, column) & A_BOLD) != 0; }

bool ScreenTest::RunUntilItWaitsForAKey(const std::function<void()>& code) {
    try {
        code();
    } catch (const KeyStarvation&) {
        return true;
    }
    return false;
}

ColourCode ScreenTest::ColourAt(int row, int column) const {
    const int cell = static_cast<int>(Cell(row, column) & (A_COLOR | A_BOLD));
    for (int code = 0; code < 256; ++code) {
        if (ColourAttr(static_cast<ColourCode>(code)) == cell) return static_cast<ColourCode>(code);
    }
    return kNoColourCode;
}

std::string ScreenTest::Dump() const {
    std::string screen = "\n";
    for (int row = 0; row < 25; ++row) screen += Row(row) + "|\n";
    return screen;
}
