// Names are shown in UTF-8 whatever code page they were stored in.
#include <gtest/gtest.h>

#include "sdk/display_text.h"

namespace {

TEST(DisplayText, ShowsEveryStoredNameAsUtf8) {
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"Box", "Box"},
        {"", ""},
        {"\xE3\x82\xA4\xE3\x82\xB9", "\xE3\x82\xA4\xE3\x82\xB9"},           // already UTF-8: "イス"
        {"\x83\x43\x83\x58", "\xE3\x82\xA4\xE3\x82\xB9"},                   // Shift-JIS "イス"
        {"face-\x93\xAA", "face-\xE9\xA0\xAD"},                              // Shift-JIS "頭"
        {"\x95\x5C", "\xE8\xA1\xA8"},                                         // trail byte 0x5C: "表"
        {"bad\x81", "bad\\x81"},                                              // cut-off pair
    };
    for (const Case& c : cases) EXPECT_EQ(displayText(c.stored), c.shown) << c.stored;
    EXPECT_EQ(displayText(nullptr), "");
}

}  // namespace
