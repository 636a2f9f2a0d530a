#include "lightwave/lwo2_writer.h"

#include <cstdio>
#include <new>

#include "lightwave/lwo2_write_parts.h"
#include "passes/axes.h"
#include "passes/cleanup.h"
#include "passes/hierarchy.h"

namespace {

// LightWave's conventions: every polygon has a surface, free edges are two-point polygons, the
// opposite winding, v counted from the bottom of the image, world-space points, axes (x, y, -z).
void convertForLightWave(Scene& scene) {
    assignDefaultMaterial(scene);
    removeFaceEdges(scene);
    convertEdgesToLines(scene);
    reversePolygons(scene);
    flipTextureCoordinates(scene, FlipV);
    bakeTransforms(scene);
    remapAxes(scene, AxisPosX, AxisPosY, AxisNegZ);
    setHandedness(scene, 1);
}

// The FORM body after the form type: tags, layers, clips, surfaces. False when some value
// cannot be encoded.
bool buildBody(const Scene& scene, ByteBuffer& form) {
    ChunkWriter chunk;
    writeTags(scene, chunk, form);
    for (int j = 0; j < scene.objectCount; ++j) writeLayer(scene, j, chunk, form);
    for (int i = 0; i < scene.textureCount; ++i) writeClip(scene.textures[i], i + 1, chunk, form);
    for (int m = 0; m < scene.materialCount; ++m) writeSurface(scene.materials[m], chunk, form);
    return form.ok();
}

// Writes the FORM envelope around the finished body: "FORM", its U4 size, the body. The body is
// written from where it was built, without a second copy.
bool writeFile(const char* path, const ByteBuffer& body) {
    if (body.size() > 0xFFFFFFFFu) return false;
    ByteBuffer header;
    header.appendId4("FORM");
    header.appendU4(std::uint32_t(body.size()));
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool good = std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
                std::fwrite(body.data(), 1, body.size(), file) == body.size();
    good = std::fflush(file) == 0 && !std::ferror(file) && good;
    return std::fclose(file) == 0 && good;
}

}  // namespace

bool writeLwo2FileConsuming(const char* path, Scene& working) {
    if (!path || !referencesValid(working)) return false;
    try {
        convertForLightWave(working);
        ByteBuffer form;
        form.appendId4("LWO2");
        if (!buildBody(working, form)) return false;
        return writeFile(path, form);
    } catch (const std::bad_alloc&) {
        return false;  // the body could not be held in memory
    }
}

bool writeLwo2File(const char* path, const Scene& scene) {
    if (!path || !referencesValid(scene)) return false;
    Scene working;
    working.copyFrom(scene);
    return writeLwo2FileConsuming(path, working);
}
