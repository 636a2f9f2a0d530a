// The FORM envelope of a LightWave object file, read from bytes in memory: the list of its
// top-level chunks, each checked to lie wholly inside the file before any reader sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lightwave/encoding.h"

struct ObjectChunk {
    std::uint32_t id = 0;
    std::uint32_t length = 0;           // stated content length
    const std::uint8_t* data = nullptr;  // `length` bytes of content

    ByteReader content() const { return ByteReader(data, length); }
};

// Checks "FORM", the U4 size and the form type, then lists the chunks in file order until the
// FORM size is used up. The listing stops early, and is complete, when the file ends exactly at a
// chunk boundary (some writers state a FORM size larger than what they wrote). False when the
// envelope is not a FORM of `formType`, or the file ends inside a chunk header or a chunk's
// content.
bool listObjectChunks(const std::uint8_t* data, std::size_t size, std::uint32_t formType,
                      std::vector<ObjectChunk>& chunks);

// Reads a whole file into `bytes`; false when it cannot be opened or read (a folder, for one).
// Unlike trusting the size a stream reports, memory grows only with the bytes actually read.
bool loadObjectFile(const char* path, std::vector<std::uint8_t>& bytes);
