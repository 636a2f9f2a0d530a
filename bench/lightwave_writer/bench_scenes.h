// Scenes and helpers shared by the writer benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include "model/scene.h"

// Adds an object with a grid of columns x rows quads, one texture coordinate per point, and a
// seam: the quads of the last column give their right-hand points a second texture coordinate,
// so the writer emits per-polygon ("VMAD") records as well. All quads use `material`.
void addGridObject(Scene& scene, const char* name, int columns, int rows, int material);

// A scene of one grid object with about `polygons` quads, one textured material.
void buildGridScene(Scene& scene, int polygons);

// A scene of `objects` grid objects of about `polygonsPerObject` quads each, every tenth object the
// child of the one before it, eight textured materials shared round-robin.
void buildManyObjectScene(Scene& scene, int objects, int polygonsPerObject);

// A scratch folder for the written files, removed at exit.
const std::string& benchFolder();

// Bytes of the file at path (0 when missing) and of all files below a folder.
std::size_t fileBytes(const std::string& path);
std::size_t folderBytes(const std::string& path);

// Writes `bytes` zero bytes to `path` with one fwrite, as the plain baseline.
bool plainWrite(const std::string& path, std::size_t bytes);
