// The host's owned 8-bit string.
#pragma once

#include <string>

class CStr {
public:
    CStr() = default;
    CStr(const char* s) : text_(s ? s : "") {}  // null gives the empty string

    // The zero-terminated text, valid while the string lives unchanged.
    operator char*() { return text_.data(); }
    operator const char*() const { return text_.c_str(); }
    const char* data() const { return text_.c_str(); }
    int Length() const { return int(text_.size()); }
    bool operator==(const char* s) const { return text_ == (s ? s : ""); }

private:
    std::string text_;
};
