#include "lightwave/object_form.h"

#include <cstdio>

bool listObjectChunks(const std::uint8_t* data, std::size_t size, std::uint32_t formType,
                      std::vector<ObjectChunk>& chunks) {
    chunks.clear();
    ByteReader in(data, size);
    std::uint32_t form = 0, formSize = 0, type = 0;
    if (readId4Code(in, form) != 4 || form != id4Code("FORM")) return false;
    if (readU4(in, &formSize, 1) != 4) return false;
    if (readId4Code(in, type) != 4 || type != formType) return false;

    // The consumed count starts with the form type, as the FORM size counts it.
    std::uint64_t consumed = 4;
    while (consumed < formSize) {
        if (in.atEnd()) break;  // the file ends between chunks: everything it holds was read
        ObjectChunk chunk;
        if (readId4Code(in, chunk.id) != 4 || readU4(in, &chunk.length, 1) != 4) return false;
        ByteReader content;
        if (!in.takeBytes(chunk.length, content)) return false;  // the file ends inside the chunk
        chunk.data = content.current();
        chunks.push_back(chunk);
        consumed += 8 + std::uint64_t(chunk.length);
    }
    return true;
}

bool loadObjectFile(const char* path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* in = path ? std::fopen(path, "rb") : nullptr;
    if (!in) return false;
    // The stream's size is only a hint: a folder, for one, reports an absurd size and reads nothing.
    if (std::fseek(in, 0, SEEK_END) == 0) {
        const long length = std::ftell(in);
        if (length > 0 && length < (1L << 30)) bytes.reserve(std::size_t(length));
        std::rewind(in);
    }
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) bytes.insert(bytes.end(), block, block + got);
    const bool good = !std::ferror(in);
    std::fclose(in);
    if (!good) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return good;
}
