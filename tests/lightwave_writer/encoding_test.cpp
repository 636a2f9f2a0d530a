// Byte-level encoding: appends, chunk framing and the bounded read primitives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "lightwave/encoding.h"
#include "written_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const ByteBuffer& buffer) { return Bytes(buffer.data(), buffer.data() + buffer.size()); }

struct AppendCase {
    const char* name;
    std::function<void(ByteBuffer&)> append;
    Bytes expected;
};

TEST(Encoding, AppendsAreBigEndianAndPadded) {
    const std::vector<AppendCase> cases = {
        {"VX 0", [](ByteBuffer& b) { b.appendVX(0); }, {0x00, 0x00}},
        {"VX 65279", [](ByteBuffer& b) { b.appendVX(65279); }, {0xFE, 0xFF}},
        {"VX 65280", [](ByteBuffer& b) { b.appendVX(65280); }, {0xFF, 0x00, 0xFF, 0x00}},
        {"VX largest", [](ByteBuffer& b) { b.appendVX(0xFFFFFF); }, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"S0 empty", [](ByteBuffer& b) { b.appendS0(""); }, {0x00, 0x00}},
        {"S0 null", [](ByteBuffer& b) { b.appendS0(nullptr); }, {0x00, 0x00}},
        {"S0 a", [](ByteBuffer& b) { b.appendS0("a"); }, {0x61, 0x00}},
        {"S0 ab", [](ByteBuffer& b) { b.appendS0("ab"); }, {0x61, 0x62, 0x00, 0x00}},
        {"U2 300", [](ByteBuffer& b) { b.appendU2(300); }, {0x01, 0x2C}},
        {"U2 drops high bits", [](ByteBuffer& b) { b.appendU2(0x7012C); }, {0x01, 0x2C}},
        {"U4", [](ByteBuffer& b) { b.appendU4(0x01020304u); }, {0x01, 0x02, 0x03, 0x04}},
        {"F4 1.0", [](ByteBuffer& b) { b.appendF4(1.0f); }, {0x3F, 0x80, 0x00, 0x00}},
        {"F4 -2.5", [](ByteBuffer& b) { b.appendF4(-2.5f); }, {0xC0, 0x20, 0x00, 0x00}},
        {"VEC12", [](ByteBuffer& b) { b.appendVec12(1.0f, -2.5f, 0.0f); },
         {0x3F, 0x80, 0, 0, 0xC0, 0x20, 0, 0, 0, 0, 0, 0}},
        {"sub-chunk header", [](ByteBuffer& b) { b.appendSubChunkHeader("IMAP", 42); }, {'I', 'M', 'A', 'P', 0, 42}},
    };
    for (const AppendCase& c : cases) {
        ByteBuffer buffer;
        c.append(buffer);
        EXPECT_EQ(bytesOf(buffer), c.expected) << c.name;
        EXPECT_TRUE(buffer.ok()) << c.name;
    }
}

TEST(Encoding, UnencodableValuesFailTheBufferAndAppendNothing) {
    const std::vector<std::pair<const char*, std::function<void(ByteBuffer&)>>> cases = {
        {"VX 2^24", [](ByteBuffer& b) { b.appendVX(0x1000000); }},
        {"VX -1", [](ByteBuffer& b) { b.appendVX(-1); }},
        {"sub-chunk of 65536 bytes", [](ByteBuffer& b) { b.appendSubChunkHeader("STIL", 65536); }},
    };
    for (const auto& [name, append] : cases) {
        ByteBuffer buffer;
        buffer.appendU2(7);
        append(buffer);
        EXPECT_FALSE(buffer.ok()) << name;
        EXPECT_EQ(bytesOf(buffer), (Bytes{0, 7})) << name;
        buffer.appendU2(8);  // the failure is sticky
        EXPECT_FALSE(buffer.ok()) << name;
    }
}

TEST(Encoding, ChunksInChunksCarryTheirContentLength) {
    ByteBuffer body;
    ChunkWriter chunk;
    chunk.beginInChunk("EMPT", body);
    EXPECT_TRUE(chunk.end());
    EXPECT_EQ(bytesOf(body), (Bytes{'E', 'M', 'P', 'T', 0, 0, 0, 0}));

    chunk.beginInChunk("DATA", body);  // the writer is reusable after end
    chunk.appendU2(1);
    chunk.appendS0("ab");
    EXPECT_TRUE(chunk.end());
    EXPECT_EQ(chunk.size(), 0u);
    EXPECT_EQ(chunk.enclosing, nullptr);
    EXPECT_EQ(bytesOf(body), (Bytes{'E', 'M', 'P', 'T', 0, 0, 0, 0, 'D', 'A', 'T', 'A', 0, 0, 0, 6, 0, 1, 'a', 'b', 0, 0}));
    EXPECT_TRUE(body.ok());

    // A chunk holding an unencodable value fails its enclosing buffer too.
    chunk.beginInChunk("BAD ", body);
    chunk.appendVX(-5);
    EXPECT_FALSE(chunk.end());
    EXPECT_FALSE(body.ok());
    chunk.beginInChunk("NEXT", body);
    EXPECT_TRUE(chunk.ok());  // but the writer itself starts clean again
}

TEST(Encoding, FormChunkInFileHoldsTheFormType) {
    TempDir dir;
    const std::string path = dir.file("empty.lwo");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ChunkWriter form;
    EXPECT_TRUE(form.beginInFile("FORM", file));
    form.appendId4("LWO2");
    EXPECT_TRUE(form.end());
    EXPECT_EQ(form.file, nullptr);
    std::fclose(file);
    EXPECT_EQ(readText(path), std::string("FORM\0\0\0\4LWO2", 12));
}

TEST(Encoding, ValuesReadBackAsWritten) {
    ByteBuffer buffer;
    buffer.appendId4("TXUV");
    buffer.appendU2(65535);
    buffer.appendU4(0xDEADBEEFu);
    buffer.appendF4(-0.375f);
    buffer.appendVec12(1.5f, -2.0f, 1e-30f);
    buffer.appendS0("odd");
    buffer.appendS0("even");
    for (int index : {0, 65279, 65280, 70000, 0xFFFFFF}) buffer.appendVX(index);

    ByteReader in(buffer.bytes());
    char id[5];
    std::uint32_t code = 0;
    std::uint16_t u2 = 0;
    std::uint32_t u4 = 0;
    float f4 = 0, vec[3] = {0, 0, 0};
    std::string text;
    EXPECT_EQ(readId4(in, id), 4);
    EXPECT_STREQ(id, "TXUV");
    EXPECT_EQ(readU2(in, &u2, 1), 2);
    EXPECT_EQ(u2, 65535);
    EXPECT_EQ(readU4(in, &u4, 1), 4);
    EXPECT_EQ(u4, 0xDEADBEEFu);
    EXPECT_EQ(readF4(in, &f4, 1), 4);
    EXPECT_EQ(f4, -0.375f);
    EXPECT_EQ(readVec12(in, vec, 1), 12);
    EXPECT_EQ(vec[0], 1.5f);
    EXPECT_EQ(vec[1], -2.0f);
    EXPECT_EQ(vec[2], 1e-30f);
    EXPECT_EQ(readS0(in, text), 4);
    EXPECT_EQ(text, "odd");
    EXPECT_EQ(readS0(in, text), 6);
    EXPECT_EQ(text, "even");
    for (int expected : {0, 65279, 65280, 70000, 0xFFFFFF}) {
        int index = -1;
        EXPECT_EQ(readVX(in, &index), expected < 65280 ? 2 : 4);
        EXPECT_EQ(index, expected);
    }
    EXPECT_TRUE(in.atEnd());
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(id4Code("FORM"), 0x464F524Du);
    ByteReader again(buffer.bytes());
    EXPECT_EQ(readId4Code(again, code), 4);
    EXPECT_EQ(code, id4Code("TXUV"));
}

// Every primitive at the end of its bound: nothing consumed, 0 returned, the short read noted.
TEST(Encoding, ShortReadsConsumeNothing) {
    const Bytes bytes = {0xFF, 0x00, 0x01};
    const std::vector<std::pair<const char*, std::function<int(ByteReader&)>>> cases = {
        {"Id4", [](ByteReader& in) { char id[5]; return readId4(in, id); }},
        {"U2 x2", [](ByteReader& in) { std::uint16_t v[2]; return readU2(in, v, 2); }},
        {"U4", [](ByteReader& in) { std::uint32_t v; return readU4(in, &v, 1); }},
        {"F4", [](ByteReader& in) { float v; return readF4(in, &v, 1); }},
        {"Vec12", [](ByteReader& in) { float v[3]; return readVec12(in, v, 1); }},
        {"Raw4", [](ByteReader& in) { std::uint8_t v[4]; return readRaw4(in, v, 1); }},
        {"VX long form cut", [](ByteReader& in) { int v; return readVX(in, &v); }},
        {"S0 without terminator", [](ByteReader& in) { char s[8]; return readS0(in, s, 8); }},
        {"skip past the end", [](ByteReader& in) { return int(skipBytes(in, 4)); }},
    };
    for (const auto& [name, read] : cases) {
        ByteReader in(bytes.data(), name == std::string("S0 without terminator") ? 1 : bytes.size());
        const std::size_t before = in.remaining();
        EXPECT_EQ(read(in), 0) << name;
        EXPECT_EQ(in.remaining(), before) << name;
        EXPECT_FALSE(in.ok()) << name;
    }
}

TEST(Encoding, StringsAreReadWholeAndCopiedWithinTheCallersBuffer) {
    const std::string longName(300, 'x');
    ByteBuffer buffer;
    buffer.appendS0(longName.c_str());
    buffer.appendS0("ab");

    ByteReader in(buffer.bytes());
    char small[8];
    EXPECT_EQ(readS0(in, small, sizeof small), 302);
    EXPECT_STREQ(small, "xxxxxxx");  // truncated copy, whole string consumed
    EXPECT_EQ(readS0(in, small, sizeof small), 4);
    EXPECT_STREQ(small, "ab");

    ByteReader whole(buffer.bytes());
    std::string text;
    EXPECT_EQ(readS0(whole, text), 302);
    EXPECT_EQ(text, longName);

    // A terminator that ends the bound on an odd count: the missing pad is not consumed.
    const Bytes odd = {'a', 'b', 0};
    ByteReader cut(odd);
    EXPECT_EQ(readS0(cut, text), 3);
    EXPECT_EQ(text, "ab");
    EXPECT_TRUE(cut.atEnd());
    EXPECT_TRUE(cut.ok());
}

TEST(Encoding, PartsBoundTheirReadsAndSkipsCountExactly) {
    const Bytes bytes = {0, 1, 0, 2, 0, 3, 0, 4};
    ByteReader in(bytes);
    ByteReader part;
    EXPECT_TRUE(in.takeBytes(4, part));
    std::uint16_t values[3] = {0, 0, 0};
    EXPECT_EQ(readU2(part, values, 3), 0);  // a third value would leave the part
    EXPECT_EQ(readU2(part, values, 2), 4);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(skipBytes(in, 0), 0);
    EXPECT_EQ(skipBytes(in, -3), -3);
    EXPECT_EQ(in.remaining(), 4u);
    EXPECT_EQ(skipBytes(in, 2), 2);
    EXPECT_EQ(readU2(in, values, 1), 2);
    EXPECT_EQ(values[0], 4);
    EXPECT_TRUE(in.ok());

    ByteReader rest(bytes);
    EXPECT_FALSE(rest.takeBytes(100, part));  // a chunk that claims more than the file holds
    EXPECT_EQ(part.remaining(), bytes.size());
    EXPECT_TRUE(rest.atEnd());
    EXPECT_FALSE(rest.ok());
}

TEST(Encoding, ReadWholeFileReportsMissingFiles) {
    std::vector<std::uint8_t> bytes = {1};
    EXPECT_FALSE(readWholeFile("/nonexistent/dir/file.lwo", bytes));
    EXPECT_TRUE(bytes.empty());
    TempDir dir;
    const std::string path = dir.file("data.bin");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite("abc", 1, 3, file);
    std::fclose(file);
    EXPECT_TRUE(readWholeFile(path.c_str(), bytes));
    EXPECT_EQ(bytes, (Bytes{'a', 'b', 'c'}));
    // A folder opens like a file but reports an absurd length; it is refused, not reserved for.
    EXPECT_FALSE(readWholeFile(dir.file("").c_str(), bytes));
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
