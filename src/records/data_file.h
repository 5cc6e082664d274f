#pragma once
// Fixed-width little-endian fields of the game's binary files, read and
// written one by one (never as a dump of a record in memory).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

// What became of reading a data file.
enum class DataFileResult { kRead, kCannotOpen, kWrongVersion };

struct ScreenText {
    int32_t column;
    int32_t row;
    const char* text;
};

// A data file the game cannot start without is missing or wrong: the texts in
// red over whatever the screen shows, one key, and the end of the program.
[[noreturn]] void ShowDataFileFailure(std::initializer_list<ScreenText> texts);

// Reads at most maxBytes of the named file; false when it is no regular file,
// cannot be opened or cannot be read. A file that breaks off early gives what it holds.
bool ReadFileStart(const std::string& fileName, size_t maxBytes, std::vector<uint8_t>& bytes);

class FieldReader {
public:
    explicit FieldReader(const std::vector<uint8_t>& bytes) : data(bytes) {}

    // Fills an integer of sizeof(T) bytes. When the data ends inside the field,
    // the bytes that remain replace its low-order bytes and the rest of the
    // field keeps what it held, as a short read into the field would.
    template <typename T>
    void Read(T& field) {
        static_assert(std::is_integral_v<T>);
        using U = std::make_unsigned_t<T>;
        U value = static_cast<U>(field);
        for (size_t i = 0; i < sizeof(T) && position < data.size(); ++i, ++position) {
            const U mask = static_cast<U>(static_cast<U>(0xFF) << (8 * i));
            value = static_cast<U>((value & static_cast<U>(~mask)) | static_cast<U>(static_cast<U>(data[position]) << (8 * i)));
        }
        field = static_cast<T>(value);
    }

    // Copies count raw bytes; at the end of the data the rest keeps its contents.
    void ReadBytes(void* destination, size_t count) {
        const size_t available = position < data.size() ? data.size() - position : 0;
        const size_t taken = count < available ? count : available;
        if (taken > 0) std::memcpy(destination, data.data() + position, taken);
        position += taken;
    }

    size_t Position() const { return position; }

    // The names a record's field list uses, so that one list serves reading and writing.
    template <typename T>
    void Field(T& field) {
        Read(field);
    }
    void Bytes(void* destination, size_t count) { ReadBytes(destination, count); }

private:
    const std::vector<uint8_t>& data;
    size_t position = 0;
};

class FieldWriter {
public:
    template <typename T>
    void Write(T field) {
        static_assert(std::is_integral_v<T>);
        using U = std::make_unsigned_t<T>;
        const U value = static_cast<U>(field);
        for (size_t i = 0; i < sizeof(T); ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }

    void WriteBytes(const void* source, size_t count) {
        const uint8_t* start = static_cast<const uint8_t*>(source);
        bytes.insert(bytes.end(), start, start + count);
    }

    template <typename T>
    void Field(const T& field) {
        Write(field);
    }
    void Bytes(const void* source, size_t count) { WriteBytes(source, count); }

    std::vector<uint8_t> bytes;
};
