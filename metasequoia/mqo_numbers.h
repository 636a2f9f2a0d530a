// Decimal numbers as a document writes them. Only plain decimal notation counts as a number
// (no hexadecimal, no "inf" or "nan"). A real number outside the range of float reads as 0, so no
// infinity enters the scene; an integer too large for 64 bits saturates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Skips blanks at `position`, then reads one number; on success `position` moves past it.
// false, with `position` unchanged, when no number starts there.
bool scanFloat(std::string_view text, std::size_t& position, float& value);
bool scanInteger(std::string_view text, std::size_t& position, std::int64_t& value);

// Reads up to `count` numbers separated by blanks, stopping at the first text that is not a number.
// Every value not read is 0. Returns how many were read.
std::size_t scanFloats(std::string_view text, float* values, std::size_t count);
std::size_t scanIntegers(std::string_view text, std::int64_t* values, std::size_t count);

// The longest leading decimal number of a word, 0 when it has none.
float wordToFloat(std::string_view word);
// The same as an integer, limited to the range of int.
int wordToInt(std::string_view word);
// An integer limited to the range of int.
int clampToInt(std::int64_t value);
