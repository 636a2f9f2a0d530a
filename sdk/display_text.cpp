#include "sdk/display_text.h"

#include <iconv.h>

#include <cstdio>
#include <cstring>

namespace {

bool isUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t extra;
        if (c < 0x80) extra = 0;
        else if (c >= 0xC2 && c <= 0xDF) extra = 1;
        else if (c >= 0xE0 && c <= 0xEF) extra = 2;
        else if (c >= 0xF0 && c <= 0xF4) extra = 3;
        else return false;
        if (extra > s.size() - i - 1) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// Shift-JIS to UTF-8 through the C library's converter; false when the bytes are not Shift-JIS.
bool fromShiftJis(const std::string& s, std::string& out) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input = s;
    std::string buffer(s.size() * 3 + 4, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* to = buffer.data();
    size_t outLeft = buffer.size();
    const bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (ok) out.assign(buffer.data(), buffer.size() - outLeft);
    return ok;
}

}  // namespace

std::string displayText(const char* text) {
    const std::string s = text ? text : "";
    if (isUtf8(s)) return s;
    std::string converted;
    if (fromShiftJis(s, converted)) return converted;
    std::string escaped;
    for (unsigned char c : s) {
        if (c < 0x80) {
            escaped += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            escaped += hex;
        }
    }
    return escaped;
}
