#include "metasequoia/mqo_numbers.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t position) {
    while (position < text.size() && isBlank(text[position])) ++position;
    return position;
}

std::size_t skipDigits(std::string_view text, std::size_t position) {
    while (position < text.size() && isDigit(text[position])) ++position;
    return position;
}

}  // namespace

bool scanFloat(std::string_view text, std::size_t& position, float& value) {
    const std::size_t begin = skipBlanks(text, position);
    std::size_t p = begin;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    const std::size_t mantissa = p;
    p = skipDigits(text, p);
    std::size_t digits = p - mantissa;
    if (p < text.size() && text[p] == '.') {
        const std::size_t fraction = p + 1;
        p = skipDigits(text, fraction);
        digits += p - fraction;
    }
    if (digits == 0) return false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t e = p + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        const std::size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) p = exponentEnd;
    }
    float parsed = 0.0f;
    const auto result = std::from_chars(text.data() + mantissa, text.data() + p, parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + p) parsed = 0.0f;
    value = negative ? -parsed : parsed;
    position = p;
    return true;
}

bool scanInteger(std::string_view text, std::size_t& position, std::int64_t& value) {
    std::size_t p = skipBlanks(text, position);
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    const std::size_t digits = p;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; p < text.size() && isDigit(text[p]); ++p) {
        const unsigned digit = static_cast<unsigned>(text[p] - '0');
        if (magnitude > (static_cast<std::uint64_t>(INT64_MAX) - digit) / 10) overflow = true;
        else magnitude = magnitude * 10 + digit;
    }
    if (p == digits) return false;
    if (overflow) value = negative ? INT64_MIN : INT64_MAX;
    else value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    position = p;
    return true;
}

std::size_t scanFloats(std::string_view text, float* values, std::size_t count) {
    std::size_t position = 0, read = 0;
    while (read < count && scanFloat(text, position, values[read])) ++read;
    for (std::size_t i = read; i < count; ++i) values[i] = 0.0f;
    return read;
}

std::size_t scanIntegers(std::string_view text, std::int64_t* values, std::size_t count) {
    std::size_t position = 0, read = 0;
    while (read < count && scanInteger(text, position, values[read])) ++read;
    for (std::size_t i = read; i < count; ++i) values[i] = 0;
    return read;
}

float wordToFloat(std::string_view word) {
    std::size_t position = 0;
    float value = 0.0f;
    return scanFloat(word, position, value) ? value : 0.0f;
}

int clampToInt(std::int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int wordToInt(std::string_view word) {
    std::size_t position = 0;
    std::int64_t value = 0;
    return scanInteger(word, position, value) ? clampToInt(value) : 0;
}
