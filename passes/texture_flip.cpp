// Flips texture coordinates between counting from the top and from the bottom of the image.
#include "passes/axes.h"

bool flipTextureCoordinates(Scene& scene, unsigned flags) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        for (int j = 0; j < object.uvCount; ++j) {
            UvEntry& uv = object.uvs[j];
            if (flags & FlipU) uv.u = 1.0f - uv.u;
            if (flags & FlipV) uv.v = 1.0f - uv.v;
        }
    }
    return true;
}
