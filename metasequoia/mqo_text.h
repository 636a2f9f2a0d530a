// Text scanning for Metasequoia documents: line reading over an in-memory document and
// searches that respect Shift-JIS double-byte characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte states along a string: a single-byte character, the lead byte and the trail byte of a
// double-byte character.
enum DbcsState : int { DbcsSingle = 0, DbcsLead = 1, DbcsTrail = 2 };

// A document held in memory with a read position; lines and binary blocks are taken from it in turn.
class MqoInput {
public:
    MqoInput(const char* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t remaining() const { return size_ - position_; }
    bool atEnd() const { return position_ >= size_; }
    // The next n bytes, or null (nothing consumed) when fewer than n remain.
    const char* takeBytes(std::size_t n);
    // Reads one line into `line` without its line feed, dropping every carriage return.
    // 0 for a line (also a last line without a line feed), -1 when the input is exhausted.
    int readLine(std::string& line);

private:
    const char* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// One line of any length; see MqoInput::readLine.
int readTextLine(MqoInput& input, std::string& line);

// State of `byte` given the byte after it and the state of the byte before it.
int dbcsByteState(unsigned char byte, unsigned char nextByte, int previousState);

// Position of the first match of `pattern` in `text` at or after `start`, or -1. A match must agree
// with the text in bytes and in byte states, so it never begins or ends inside a double-byte
// character. An empty pattern never matches.
std::ptrdiff_t findText(std::string_view text, std::string_view pattern, std::ptrdiff_t start);

// destination = the text after `open` (searched from `start`) up to the next `close`. An empty
// `open` starts at `start`; an empty `close` runs to the end of the text. The destination is empty
// when either delimiter is missing.
void extractBetween(std::string& destination, std::string_view text, std::string_view open,
                    std::string_view close, std::ptrdiff_t start);

// True when `text` begins with `keyword` (a match of findText at position 0).
bool beginsWith(std::string_view text, std::string_view keyword);
// True when `pattern` occurs anywhere in `text` (findText from position 0).
bool containsText(std::string_view text, std::string_view pattern);
