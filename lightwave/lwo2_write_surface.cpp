// "CLIP" and "SURF" chunks of an LWO2 file. Every surface carries one image-map block of a fixed
// layout; the sub-chunk lengths below are the sizes of the content that follows each header.
#include <cstring>

#include "lightwave/lwo2_write_parts.h"

namespace {

void appendEnvelope(ByteBuffer& out) { out.appendVX(0); }

void appendImageMapHeader(ByteBuffer& out) {
    out.appendSubChunkHeader("IMAP", 42);
    out.appendU2(0x80);  // ordinal: an empty string and its pad byte to an S0 reader
    out.appendSubChunkHeader("CHAN", 4);
    out.appendId4("COLR");
    out.appendSubChunkHeader("OPAC", 8);
    out.appendU2(0);
    out.appendF4(1.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("ENAB", 2);
    out.appendU2(1);
    out.appendSubChunkHeader("NEGA", 2);
    out.appendU2(0);
}

void appendTextureMap(ByteBuffer& out) {
    out.appendSubChunkHeader("TMAP", 98);
    out.appendSubChunkHeader("CNTR", 14);
    out.appendVec12(0.0f, 0.0f, 0.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("SIZE", 14);
    out.appendVec12(1.0f, 1.0f, 1.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("ROTA", 14);
    out.appendVec12(0.0f, 0.0f, 0.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("FALL", 16);
    out.appendU2(0);
    out.appendVec12(0.0f, 0.0f, 0.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("OREF", 2);
    out.appendS0("");
    out.appendSubChunkHeader("CSYS", 2);
    out.appendU2(0);
}

void appendImageBlock(ByteBuffer& out, int colorTexture) {
    out.appendSubChunkHeader("BLOK", 254);
    appendImageMapHeader(out);
    appendTextureMap(out);
    out.appendSubChunkHeader("PROJ", 2);
    out.appendU2(5);  // texture-coordinate projection
    out.appendSubChunkHeader("AXIS", 2);
    out.appendU2(2);
    // The clip number takes two bytes here; from 0xFF00 on a reader would decode them as the
    // start of a four-byte index, so such a clip cannot be named.
    const int clip = colorTexture + 1;
    if (clip >= VxLongThreshold) out.fail();
    out.appendSubChunkHeader("IMAG", 2);
    out.appendU2(clip);
    out.appendSubChunkHeader("WRAP", 4);
    out.appendU2(1);
    out.appendU2(1);
    out.appendSubChunkHeader("WRPW", 6);
    out.appendF4(1.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("WRPH", 6);
    out.appendF4(1.0f);
    appendEnvelope(out);
    out.appendSubChunkHeader("VMAP", 18);
    out.appendS0("OBJ_UVTextureMap");
    out.appendSubChunkHeader("AAST", 6);
    out.appendU2(1);
    out.appendF4(1.0f);
    out.appendSubChunkHeader("PIXB", 2);
    out.appendU2(1);
}

}  // namespace

void writeClip(const Texture& texture, int clipIndex, ChunkWriter& chunk, ByteBuffer& body) {
    chunk.beginInChunk("CLIP", body);
    chunk.appendU4(std::uint32_t(clipIndex));
    chunk.appendSubChunkHeader("STIL", s0Size(texture.name ? std::strlen(texture.name) : 0));
    chunk.appendS0(texture.name);
    chunk.end();
}

void writeSurface(const Material& material, ChunkWriter& chunk, ByteBuffer& body) {
    chunk.beginInChunk("SURF", body);
    chunk.appendS0(material.name);
    chunk.appendS0(material.name);
    chunk.appendSubChunkHeader("COLR", 14);
    chunk.appendVec12(material.color.r, material.color.g, material.color.b);
    appendEnvelope(chunk);
    chunk.appendSubChunkHeader("VCOL", 24);
    chunk.appendF4(0.0f);
    appendEnvelope(chunk);
    chunk.appendId4("RGBA");
    chunk.appendS0("OBJ_VColorMap");
    chunk.appendSubChunkHeader("SMAN", 4);
    chunk.appendF4(material.smoothingAngle);
    appendImageBlock(chunk, material.textureSlots[0]);
    chunk.end();
}
