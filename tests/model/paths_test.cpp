#include <gtest/gtest.h>

#include <string>

#include "model/paths.h"

namespace {

std::string directoryOf(const std::string& path, const char* suffix = "") {
    char destination[256] = "garbage";
    EXPECT_TRUE(directoryWithSuffix(path.c_str(), destination, suffix));
    return destination;
}

}  // namespace

TEST(PathBytes, LeadAndTrailRanges) {
    for (int b : {0x81, 0x9F, 0xE0, 0xF5}) EXPECT_TRUE(isLeadByte(static_cast<unsigned char>(b))) << b;
    for (int b : {0x80, 0xA0, 0xDF, 0xF6, 0xFC, 0x5C, 0x00}) EXPECT_FALSE(isLeadByte(static_cast<unsigned char>(b))) << b;
    for (int b : {0x40, 0x5C, 0x7E, 0x80, 0xFC}) EXPECT_TRUE(isTrailByte(static_cast<unsigned char>(b))) << b;
    for (int b : {0x3F, 0x7F, 0xFD, 0xFF, 0x00}) EXPECT_FALSE(isTrailByte(static_cast<unsigned char>(b))) << b;
}

TEST(DirectoryPart, SeparatorsAndSuffix) {
    struct Case {
        const char* path;
        const char* suffix;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\scenes\\a.lws", "", "C:\\scenes\\"},
        {"C:\\scenes\\a.lws", "Object", "C:\\scenes\\Object"},
        {"a.lws", "", ""},
        {"a.lws", "Object", "Object"},
        {"dir/sub\\file", "", "dir/sub\\"},
        {"", "", ""},
        {"/", "x", "/x"},
    };
    for (const Case& c : cases) EXPECT_EQ(directoryOf(c.path, c.suffix), c.expected) << c.path;

    char destination[64];
    EXPECT_TRUE(directoryPart("dir/file.mqo", destination));
    EXPECT_STREQ(destination, "dir/");
    EXPECT_TRUE(directoryWithSuffix("dir/file.mqo", destination, nullptr));
    EXPECT_STREQ(destination, "dir/");
}

// 0x95 0x5C is one double-byte character whose second byte equals a backslash.
TEST(DirectoryPart, DoubleByteTrailIsNotASeparator) {
    EXPECT_EQ(directoryOf("C:\\\x95\x5C\\a.lws"), "C:\\\x95\x5C\\");
    EXPECT_EQ(directoryOf("C:\\dir\x95\x5Cname.lws"), "C:\\");
    // Without a lead byte in front, 0x5C is an ordinary backslash.
    EXPECT_EQ(directoryOf("C:\\dir\x5Cname.lws"), "C:\\dir\\");
    // A lead byte as the very last byte is an ordinary byte.
    EXPECT_EQ(directoryOf("d\\x\x95"), "d\\");
    // A lead byte followed by a non-trail byte does not swallow the separator after it.
    EXPECT_EQ(directoryOf("d\x95\x3F\\f"), "d\x95\x3F\\");
}
