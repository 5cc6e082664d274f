#pragma once
// The few operating-system services the game needs, behind one small layer so
// that the rest of the code never talks to the platform directly.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

// Milliseconds since an arbitrary fixed point (system start), low 32 bits.
uint32_t PlatformTickCount();

// Sleeps the calling thread for the given number of milliseconds.
void PlatformSleep(uint32_t milliseconds);

// Opens the named file for reading ("rb"), but only a regular file: a folder,
// a named pipe or a device counts as missing (a pipe would keep the game
// waiting for ever). Null when there is no such file or it cannot be opened.
std::FILE* PlatformOpenForReading(const std::string& path);

// True when the named file is a regular file that can be opened for reading.
bool PlatformCanRead(const std::string& path);

// Reads at most maxBytes from the start of the named regular file into
// `bytes`; false when it cannot be opened or a read fails. A file that breaks
// off early gives what it holds.
bool PlatformReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Replaces the named file with the bytes, whole or not at all: they go to a
// temporary file beside it (the name with this process's id and ".tmp"
// added, so that two programs writing one file never share it), which is
// flushed to the disk and renamed over the file, and the folder is flushed
// after it. False when a step up to the rename fails: the file stays as it
// was and the temporary file is removed. Once renamed the new file is in
// place, and true: a folder that cannot be flushed afterwards only leaves it
// perhaps not yet on the disk.
bool PlatformWriteFileAtomically(const std::string& path, const void* data, std::size_t size);

enum class NewFileResult { kWritten, kNameTaken, kFailed };
// Writes a file that may replace nothing: kNameTaken when something already
// has the name. A file that cannot be written whole is removed again.
NewFileResult PlatformWriteNewFile(const std::string& path, const void* data, std::size_t size);

// A test seam: the count-th step from now on of PlatformWriteFileAtomically
// (opening, each write, flushing, closing, opening the folder, renaming,
// flushing the folder) or of PlatformWriteNewFile (opening, each write,
// flushing, closing) fails as a full disk would; 0 lets every step succeed.
void PlatformFailFileStep(int count);

// True when anything has the name (a file of any kind, a folder, a pipe),
// whether it can be read or not; a name whose state cannot be learnt (a
// folder on the way that may not be searched) counts as taken too.
bool PlatformPathExists(const std::string& path);

// Renames a file, replacing whatever had the new name; true when it was renamed.
bool PlatformRenameFile(const std::string& from, const std::string& to);

// An exclusive lock on the named lock file (created when missing), held from
// construction until the object goes. Programs that lock the same file take
// turns; a lock that cannot be had (a folder that cannot be written) is not
// held, and the program goes on without it.
class PlatformFileLock {
public:
    explicit PlatformFileLock(const std::string& path);
    ~PlatformFileLock();
    PlatformFileLock(const PlatformFileLock&) = delete;
    PlatformFileLock& operator=(const PlatformFileLock&) = delete;
    bool Held() const { return descriptor >= 0; }

private:
    int descriptor = -1;
};

// Removes a file; true when it was removed.
bool PlatformRemoveFile(const std::string& path);

// Creates a folder. Returns 0 when this call created it, 1 when it already
// existed, -1 on any other failure.
int PlatformMakeDirectory(const std::string& path);

// The local date and time now.
std::tm PlatformLocalTime();

// Value of an environment variable, or the empty string when it is unset.
std::string PlatformEnvironment(const char* name);

// Signals: ignore one, or route it to a handler that may only set a flag.
void PlatformIgnoreSignal(int signalNumber);
void PlatformSetSignalHandler(int signalNumber, void (*handler)(int));
// Ends the process as the signal's own default action would.
[[noreturn]] void PlatformEndBySignal(int signalNumber);

// Turns the terminal's flow control off (Ctrl-S would freeze the screen).
void PlatformFlowControlOff();

// Waits for one key on standard input while curses is not running (the
// terminal is put in non-canonical mode for the read and restored after it).
void PlatformWaitForKeyOnStdin();
