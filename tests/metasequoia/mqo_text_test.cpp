#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "metasequoia/mqo_text.h"

namespace {

// Byte states of a whole string, each computed from the one before.
std::vector<int> statesOf(const std::string& s) {
    std::vector<int> states(s.size());
    int previous = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char next = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
        previous = states[i] = dbcsByteState(static_cast<unsigned char>(s[i]), next, previous);
    }
    return states;
}

// The definition of a match: equal bytes and equal byte states at every pattern position.
std::ptrdiff_t referenceFind(const std::string& text, const std::string& pattern, std::ptrdiff_t start) {
    if (pattern.empty()) return -1;
    const auto textStates = statesOf(text), patternStates = statesOf(pattern);
    for (std::size_t p = start < 0 ? 0 : start; p + pattern.size() <= text.size(); ++p) {
        bool match = true;
        for (std::size_t i = 0; i < pattern.size() && match; ++i)
            match = text[p + i] == pattern[i] && textStates[p + i] == patternStates[i];
        if (match) return static_cast<std::ptrdiff_t>(p);
    }
    return -1;
}

std::vector<std::string> readAllLines(const std::string& document) {
    MqoInput input(document.data(), document.size());
    std::vector<std::string> lines;
    std::string line;
    while (readTextLine(input, line) == 0) lines.push_back(line);
    EXPECT_EQ(readTextLine(input, line), -1);
    return lines;
}

TEST(MqoText, ByteStates) {
    EXPECT_EQ(dbcsByteState(0x41, 0x42, 0), DbcsSingle);
    EXPECT_EQ(dbcsByteState(0x83, 0x7D, 0), DbcsLead);      // lead followed by a trail byte
    EXPECT_EQ(dbcsByteState(0x83, 0x20, 0), DbcsSingle);    // lead without a trail byte after it
    EXPECT_EQ(dbcsByteState(0x7D, 0x00, DbcsLead), DbcsTrail);
    EXPECT_EQ(dbcsByteState(0x00, 0x40, DbcsLead), DbcsSingle);  // a zero byte is never part of a pair
    EXPECT_EQ(dbcsByteState(0x83, 0x7D, DbcsLead), DbcsTrail);   // the byte after a lead is its trail
    EXPECT_EQ(dbcsByteState(0xF6, 0x40, 0), DbcsSingle);         // not a lead byte here
}

TEST(MqoText, FindNeverMatchesHalfACharacter) {
    const std::string name = "\"\x83}\x83{\" }";  // "}" and "{" as trail bytes, then a real "}"
    EXPECT_EQ(findText(name, "}", 0), 7);
    EXPECT_EQ(findText(name, "{", 0), -1);
    EXPECT_EQ(findText(name, "\x83}", 0), 1);  // a whole double-byte character matches
    EXPECT_EQ(findText("\x83\x83}", "\x83}", 0), -1);  // the pair here is 83 83; the 83 at 1 is its trail
    EXPECT_EQ(findText("ab ab", "ab", 1), 3);
    EXPECT_EQ(findText("ab", "", 0), -1);
    EXPECT_EQ(findText("ab", "ab", 5), -1);
    EXPECT_EQ(findText("ab", "ab", -3), 0);
    // A partial match that fails must not hide a match starting inside it.
    EXPECT_EQ(findText("translatranslation 1", "translation ", 0), 7);
}

TEST(MqoText, FindAgreesWithTheDefinitionOfAMatch) {
    std::mt19937 random(12345);
    const char alphabet[] = {'}', '{', 'a', ' ', '\x83', '\x95', '\x40', '\x7D', '\xE0', '\xFC', '\0'};
    auto randomText = [&](std::size_t maxLength) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char& c : s) c = alphabet[random() % sizeof alphabet];
        return s;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        const std::string text = randomText(24), pattern = randomText(3);
        const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(random() % 6) - 1;
        ASSERT_EQ(findText(text, pattern, start), referenceFind(text, pattern, start))
            << "text of " << text.size() << " bytes, pattern of " << pattern.size();
    }
}

TEST(MqoText, ExtractBetween) {
    std::string out = "stale";
    extractBetween(out, "\"mat1\" col(1 2 3)", "\"", "\"", 0);
    EXPECT_EQ(out, "mat1");
    extractBetween(out, "a tex(\"x.png\") b", "\"", "\"", 2);
    EXPECT_EQ(out, "x.png");
    extractBetween(out, "abc(1 2", "(", ")", 0);
    EXPECT_EQ(out, "");  // no closing delimiter
    extractBetween(out, "abc", "(", ")", 0);
    EXPECT_EQ(out, "");  // no opening delimiter
    extractBetween(out, "abc)", "", ")", 1);
    EXPECT_EQ(out, "bc");
    extractBetween(out, "a(bc", "(", "", -4);
    EXPECT_EQ(out, "bc");
    extractBetween(out, "\"\x83\"\" x", "\"", "\"", 0);  // 0x22 cannot be a trail byte
    EXPECT_EQ(out, "\x83");
}

TEST(MqoText, LinesDropCarriageReturnsAndKeepAnyLength) {
    const std::string longLine(5000, 'x');
    EXPECT_EQ(readAllLines("a\r\nb\rc\n\n" + longLine + "\nlast"),
              (std::vector<std::string>{"a", "bc", "", longLine, "last"}));
    EXPECT_EQ(readAllLines("one\n"), (std::vector<std::string>{"one"}));
    EXPECT_TRUE(readAllLines("").empty());
}

TEST(MqoText, KeywordAtTheStart) {
    EXPECT_TRUE(beginsWith("Object \"a\" {", "Object "));
    EXPECT_FALSE(beginsWith(" Object \"a\" {", "Object "));
    EXPECT_FALSE(beginsWith("MaterialEx2 {", "Material "));
    EXPECT_TRUE(beginsWith("}", "}"));
    EXPECT_FALSE(beginsWith("", "}"));
    // A keyword ending in a lead byte does not match when the text pairs that byte with a trail byte.
    EXPECT_FALSE(beginsWith("a\x83\x40", "a\x83"));
}

}  // namespace
