#pragma once
// The one binary codec of the game's files: fixed-width little-endian fields,
// read and written one by one (never as a dump of a record in memory).
//
// A record is described once, by a transfer function that names its fields in
// file order and is called with either a FieldReader or a FieldWriter:
//
//     template <typename Stream, typename Record>
//     void TransferThing(Stream& stream, Record& thing) {
//         stream.Field(thing.count);
//         stream.Field(thing.floor, 0, kFloorCount - 1);  // checked when read
//         stream.Text(thing.name, sizeof thing.name);
//         stream.Padding(2);
//     }
//
// The reader never trusts what it reads: a field that runs past the end of the
// data, a value outside its range, a text without its terminating zero or a
// count that the remaining bytes cannot hold sets its failure flag, which stays
// set. The caller looks at Failed() once the whole record set is read.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

class FieldReader {
public:
    explicit FieldReader(const std::vector<uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}
    FieldReader(const uint8_t* bytes, size_t count) : data(bytes), size(count) {}

    static constexpr bool kReading = true;

    // Fills an integer of sizeof(T) bytes. When the data ends inside the field,
    // the bytes that remain replace its low-order bytes and the rest of the
    // field keeps what it held, as a short read into the field would; the
    // reader has failed then.
    template <typename T>
    void Read(T& field) {
        static_assert(std::is_integral_v<T>);
        using U = std::make_unsigned_t<T>;
        if (Remaining() >= sizeof(T)) {
            U whole = 0;
            for (size_t i = 0; i < sizeof(T); ++i) whole = static_cast<U>(whole | static_cast<U>(static_cast<U>(data[position + i]) << (8 * i)));
            position += sizeof(T);
            field = static_cast<T>(whole);
            return;
        }
        failed = true;
        U value = static_cast<U>(field);
        for (size_t i = 0; i < sizeof(T) && position < size; ++i, ++position) {
            const U mask = static_cast<U>(static_cast<U>(0xFF) << (8 * i));
            value = static_cast<U>((value & static_cast<U>(~mask)) | static_cast<U>(static_cast<U>(data[position]) << (8 * i)));
        }
        field = static_cast<T>(value);
    }

    // Copies count raw bytes; at the end of the data the rest keeps its contents.
    void ReadBytes(void* destination, size_t count) {
        const size_t available = Remaining();
        const size_t taken = count < available ? count : available;
        if (taken < count) failed = true;
        if (taken > 0) std::memcpy(destination, data + position, taken);
        position += taken;
    }

    size_t Position() const { return position; }
    size_t Remaining() const { return position < size ? size - position : 0; }
    bool Failed() const { return failed; }
    // Marks what was read as unusable, for checks that span several fields.
    void Fail() { failed = true; }

    // ---- the vocabulary of the transfer functions ----
    template <typename T>
    void Field(T& field) {
        Read(field);
    }
    // A field whose value must lie in low..high, both included.
    template <typename T>
    void Field(T& field, std::type_identity_t<T> low, std::type_identity_t<T> high) {
        Read(field);
        if (field < low || field > high) failed = true;
    }
    void Bytes(void* destination, size_t count) { ReadBytes(destination, count); }
    // A text field of `width` bytes that must hold its terminating zero; the
    // bytes after the zero are kept as they stand.
    void Text(char* text, size_t width) {
        ReadBytes(text, width);
        if (std::memchr(text, 0, width) == nullptr) failed = true;
    }
    // The same into a string, which takes the text up to the zero.
    void Text(std::string& text, size_t width) {
        std::string field(width, '\0');
        ReadBytes(field.data(), width);
        const size_t end = field.find('\0');
        if (end == std::string::npos) failed = true;
        text.assign(field, 0, end == std::string::npos ? width : end);
    }
    // Bytes that carry no meaning.
    void Padding(size_t count) {
        const size_t available = Remaining();
        if (count > available) failed = true;
        position += count < available ? count : available;
    }
    void Check(bool holds) {
        if (!holds) failed = true;
    }
    // A signed 32-bit count, then that many records of at least recordSize
    // bytes each, transferred by `transfer` (a callable taking the reader and
    // one element). A count that is negative, above `most` or larger than the
    // remaining bytes can hold reads nothing and fails.
    template <typename T, typename Transfer>
    void List(std::vector<T>& list, int32_t most, size_t recordSize, Transfer transfer) {
        int32_t count = 0;
        Read(count);
        if (failed || count < 0 || count > most || static_cast<size_t>(count) > Remaining() / recordSize) {
            failed = true;
            return;
        }
        list.assign(static_cast<size_t>(count), T());
        for (T& element : list) transfer(*this, element);
    }

private:
    const uint8_t* data;
    size_t size;
    size_t position = 0;
    bool failed = false;
};

class FieldWriter {
public:
    static constexpr bool kReading = false;

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

    bool Failed() const { return false; }

    // ---- the vocabulary of the transfer functions ----
    template <typename T>
    void Field(const T& field) {
        Write(field);
    }
    template <typename T>
    void Field(const T& field, std::type_identity_t<T>, std::type_identity_t<T>) {
        Write(field);
    }
    void Bytes(const void* source, size_t count) { WriteBytes(source, count); }
    // All `width` bytes as they stand in memory.
    void Text(const char* text, size_t width) { WriteBytes(text, width); }
    // The string cut to width - 1 characters, then zeros up to the width.
    void Text(const std::string& text, size_t width) {
        const size_t length = text.size() < width ? text.size() : width - 1;
        WriteBytes(text.data(), length);
        bytes.resize(bytes.size() + width - length, 0);
    }
    void Padding(size_t count) {
        for (size_t i = 0; i < count; ++i) bytes.push_back(0);
    }
    void Check(bool) {}
    template <typename T, typename Transfer>
    void List(const std::vector<T>& list, int32_t, size_t, Transfer transfer) {
        Write(static_cast<int32_t>(list.size()));
        for (const T& element : list) transfer(*this, element);
    }

    std::vector<uint8_t> bytes;
};
