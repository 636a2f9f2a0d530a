// What a round trip must keep of a read scene, in terms that do not depend on how the file
// numbers its points, polygons and materials: per layer the polygons as cyclic sequences of
// point positions with their surface names, and per surface its colour and image.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/scene.h"

struct CornerUv {
    bool present = false;
    float u = 0, v = 0;
};

struct PolygonShape {
    std::vector<Vec3> corners;  // point positions in corner order
    std::vector<CornerUv> uvs;  // texture coordinates, corner by corner
    std::string surface;
    bool carriedWhole = true;  // whether the host's triangle mesh can hand it back whole
};

struct LayerShape {
    std::string name;
    std::vector<PolygonShape> polygons;
};

struct SurfaceLook {
    float red = 0, green = 0, blue = 0;
    std::string image;  // file name of the colour texture, empty when there is none
};

// The name a polygon of `scene` with material -1 is exported under: the host gives such faces
// material id 0, which is the scene's first material; a scene without materials is written with
// the writer's default surface.
std::string surfaceNameOfUnassigned(const Scene& scene);

std::vector<LayerShape> layerShapes(const Scene& scene);

// The looks of the surfaces that polygons of `scene` use, by name (a polygon with material -1
// counts as using the surface `surfaceNameOfUnassigned` names, when the scene has that one).
std::map<std::string, SurfaceLook> usedSurfaceLooks(const Scene& scene);
// The looks of every material of `scene`, by name.
std::map<std::string, SurfaceLook> allSurfaceLooks(const Scene& scene);

// Two polygon lists compared as multisets: two polygons are equal when they have the same surface
// and one's corner positions and texture coordinates equal the other's after a rotation (same
// winding), each value within `tolerance`.
struct PolygonMatch {
    std::vector<PolygonShape> missing;     // expected polygons without a partner
    std::vector<PolygonShape> unexpected;  // actual polygons without a partner
};
PolygonMatch matchPolygons(const std::vector<PolygonShape>& expected, const std::vector<PolygonShape>& actual,
                           float tolerance);

// Differences between two surface tables: names, colours (within `tolerance`) and images.
std::vector<std::string> surfaceDifferences(const std::map<std::string, SurfaceLook>& expected,
                                            const std::map<std::string, SurfaceLook>& actual, float tolerance);

std::string describe(const PolygonShape& polygon);
