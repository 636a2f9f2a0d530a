// Names as the host shows them to the user. Scene texts are 8-bit in the system code page, which
// for Japanese documents is Shift-JIS; this terminal speaks UTF-8.
#pragma once

#include <string>

// `text` as UTF-8: unchanged when it already is valid UTF-8 (plain ASCII included), converted when
// it is valid Shift-JIS (code page 932), and otherwise with every byte above 0x7F shown as \xNN.
std::string displayText(const char* text);
