// The Material chunk: one material per line, with its name, colour and colour texture.
#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_numbers.h"

namespace {

void readColor(MqoReader& reader, Material& material, std::ptrdiff_t partAt) {
    extractBetween(reader.part, reader.line, "(", ")", partAt);
    float rgba[4];
    const std::size_t read = scanFloats(reader.part, rgba, 4);
    // Alpha is opaque unless the document writes it.
    if (read < 4) rgba[3] = 1.0f;
    material.color.set(rgba[0], rgba[1], rgba[2], rgba[3]);
}

int textureNamed(MqoReader& reader, const char* name) {
    // Scene names end at the first zero byte; the lookup compares what the scene stores.
    const auto known = reader.textureByName.find(name);
    if (known != reader.textureByName.end()) return known->second;
    const int index = reader.scene.addTexture(name);
    reader.textureByName.emplace(name, index);
    return index;
}

void readMaterialLine(MqoReader& reader) {
    extractBetween(reader.part, reader.line, "\"", "\"", 0);
    const int index = reader.scene.addMaterial(reader.part.c_str());
    if (index < 0) return;
    const std::ptrdiff_t colorAt = findText(reader.line, " col(", 0);
    if (colorAt >= 0) readColor(reader, reader.scene.materials[index], colorAt);
    const std::ptrdiff_t textureAt = findText(reader.line, " tex(", 0);
    if (textureAt >= 0) {
        extractBetween(reader.part, reader.line, "\"", "\"", textureAt);
        // tex("") names no image: the material stays without a texture.
        if (!reader.part.empty() && reader.part[0] != '\0')
            reader.scene.materials[index].textureSlots[0] = textureNamed(reader, reader.part.c_str());
    }
}

}  // namespace

void readMaterialChunk(MqoReader& reader) {
    while (reader.readLine() == 0) {
        if (beginsWith(reader.line, "}")) return;
        readMaterialLine(reader);
    }
}
