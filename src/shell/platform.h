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
// temporary file beside it (the name with ".tmp" added), which is flushed to
// the disk and renamed over the file, and the folder is flushed after it.
// False when a step fails. Up to the rename the file stays as it was and the
// temporary file is removed; only flushing the folder comes after the rename,
// and its failure leaves the new file in place, perhaps not yet on the disk.
bool PlatformWriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// A test seam: the count-th step from now on of PlatformWriteFileAtomically
// (opening, each write, flushing, closing, renaming, opening and flushing the
// folder) fails as a full disk would; 0 lets every step succeed.
void PlatformFailFileStep(int count);

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
