// The sub-chunk loop of surfaces, clips and their nested blocks: ID4, U2 length L, L bytes.
#pragma once

#include <cstdint>

#include "lightwave/encoding.h"

// Walks the sub-chunks of `in` from the consumed count `count` up to `length`, calling
// handle(id, content, L) with a reader over exactly the sub-chunk's content (or what is left of
// it when the enclosing data ends first). Whatever the handler reads, the walk continues right
// behind the sub-chunk: a handler that wants more than L bytes gets a short read, never bytes of
// the next sub-chunk, and one that reads less has the rest skipped. With `stopBelowHeader`, fewer
// than 6 bytes left are skipped as a remainder. Returns the consumed count, which stands at the
// end of the last sub-chunk (beyond `length` when that sub-chunk claims more than is left).
template <class Handle>
long long walkSubChunks(ByteReader& in, long long count, long long length, bool stopBelowHeader,
                        Handle&& handle) {
    while (count < length) {
        if (stopBelowHeader && length - count < 6) {
            ByteReader rest;
            in.takeBytes(std::size_t(length - count), rest);
            return length;
        }
        std::uint32_t id;
        std::uint16_t size;
        if (readId4Code(in, id) != 4 || readU2(in, &size, 1) != 2) return count + 6;
        count += 6;
        ByteReader content;
        in.takeBytes(size, content);
        handle(id, content, size);
        count += size;
    }
    return count;
}
