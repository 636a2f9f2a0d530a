#include "metasequoia/mqo_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/paths.h"

namespace {

unsigned char byteAt(std::string_view text, std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

int stateAt(std::string_view text, std::size_t i, int previousState) {
    const unsigned char byte = byteAt(text, i);
    // Below 0x81 no byte can lead a pair: the common single-byte case needs no further look.
    if (byte < 0x81 && previousState != DbcsLead) return DbcsSingle;
    return dbcsByteState(byte, byteAt(text, i + 1), previousState);
}

// True when no byte of the text has its high bit set, tested eight bytes at a time.
bool isSingleByteText(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (word & 0x8080808080808080ull) return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

// Walks the byte states of a text from its start; stateBefore(p) is the state of byte p - 1.
class StateWalker {
public:
    explicit StateWalker(std::string_view text) : text_(text) {}

    int stateBefore(std::size_t p) {
        while (next_ < p) {
            state_ = stateAt(text_, next_, state_);
            ++next_;
        }
        return state_;
    }

private:
    std::string_view text_;
    std::size_t next_ = 0;  // bytes before next_ have been walked
    int state_ = DbcsSingle;
};

// A pattern of single-byte characters matches at p exactly when the bytes agree and text byte p is
// not the trail byte of a double-byte character: the bytes after it are then single-byte too.
std::ptrdiff_t findSingleBytePattern(std::string_view text, std::string_view pattern, std::size_t start) {
    if (isSingleByteText(text)) {
        const std::size_t p = text.find(pattern, start);
        return p == std::string_view::npos ? -1 : static_cast<std::ptrdiff_t>(p);
    }
    StateWalker walker(text);
    std::size_t p = text.find(pattern, start);
    while (p != std::string_view::npos) {
        if (stateAt(text, p, walker.stateBefore(p)) == DbcsSingle) return static_cast<std::ptrdiff_t>(p);
        p = text.find(pattern, p + 1);
    }
    return -1;
}

std::ptrdiff_t findAnyPattern(std::string_view text, std::string_view pattern, std::size_t start) {
    StateWalker walker(text);
    for (std::size_t p = start; p + pattern.size() <= text.size(); ++p) {
        int textState = walker.stateBefore(p);
        int patternState = DbcsSingle;
        std::size_t i = 0;
        for (; i < pattern.size(); ++i) {
            textState = stateAt(text, p + i, textState);
            patternState = stateAt(pattern, i, patternState);
            if (text[p + i] != pattern[i] || textState != patternState) break;
        }
        if (i == pattern.size()) return static_cast<std::ptrdiff_t>(p);
    }
    return -1;
}

}  // namespace

const char* MqoInput::takeBytes(std::size_t n) {
    if (n > remaining()) return nullptr;
    const char* bytes = data_ + position_;
    position_ += n;
    return bytes;
}

int MqoInput::readLine(std::string& line) {
    line.clear();
    if (atEnd()) return -1;
    const char* begin = data_ + position_;
    const void* feed = std::memchr(begin, '\n', remaining());
    const std::size_t length = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - begin) : remaining();
    position_ += feed ? length + 1 : length;
    line.assign(begin, length);
    if (line.find('\r') != std::string::npos) line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    return 0;
}

int readTextLine(MqoInput& input, std::string& line) { return input.readLine(line); }

int dbcsByteState(unsigned char byte, unsigned char nextByte, int previousState) {
    if (byte == 0) return DbcsSingle;
    if (previousState == DbcsLead) return DbcsTrail;
    return isLeadByte(byte) && isTrailByte(nextByte) ? DbcsLead : DbcsSingle;
}

std::ptrdiff_t findText(std::string_view text, std::string_view pattern, std::ptrdiff_t start) {
    if (pattern.empty()) return -1;
    if (start < 0) start = 0;
    const std::size_t from = static_cast<std::size_t>(start);
    if (from >= text.size()) return -1;
    return isSingleByteText(pattern) ? findSingleBytePattern(text, pattern, from)
                                     : findAnyPattern(text, pattern, from);
}

void extractBetween(std::string& destination, std::string_view text, std::string_view open,
                    std::string_view close, std::ptrdiff_t start) {
    destination.clear();
    if (start < 0) start = 0;
    std::ptrdiff_t begin = start;
    if (!open.empty()) {
        const std::ptrdiff_t at = findText(text, open, start);
        if (at < 0) return;
        begin = at + static_cast<std::ptrdiff_t>(open.size());
    }
    if (begin > static_cast<std::ptrdiff_t>(text.size())) return;
    std::ptrdiff_t end = static_cast<std::ptrdiff_t>(text.size());
    if (!close.empty()) {
        end = findText(text, close, begin);
        if (end < 0) return;
    }
    destination.assign(text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

bool beginsWith(std::string_view text, std::string_view keyword) {
    if (keyword.empty() || text.substr(0, keyword.size()) != keyword) return false;
    // The states of the keyword's bytes depend on the byte after it, so that byte takes part.
    return findText(text.substr(0, keyword.size() + 1), keyword, 0) == 0;
}

bool containsText(std::string_view text, std::string_view pattern) { return findText(text, pattern, 0) >= 0; }
