// The stages of converting an LWO2 object to LWO2 through the host, timed one by one against the
// size of the object, up to a grid of 1024 x 1024 quads (1 048 576 polygons) with texture
// coordinates. Each stage must grow linearly; the fitted complexity is reported per stage.
//
//   read     readLightWaveObject on the file (written once per size by writeLwo2File)
//   build    buildHostScene: the read scene into a fresh host scene
//   capture  captureScene from that host scene, including the triangle merge
//   merge    mergeTriangles alone, on the object as the capture holds it just before merging:
//            points, adjacency edges with their hidden flags, one polygon per host triangle
//   write    writeLwo2File of the captured scene
//
// The object before merging is rebuilt here from the host mesh the same way the capture fills it,
// so that the merge can be timed without the walk, the copying and the axis conversion around it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "host/capture.h"
#include "host/mesh_builder.h"
#include "lightwave/lwo2_writer.h"
#include "lightwave/object_reader.h"
#include "passes/merge_triangles.h"
#include "sdk/adj_edge_list.h"
#include "sdk/host_scene.h"
#include "sdk/object.h"

namespace {

// A grid of side x side quads on one surface with an image, a texture coordinate on every point.
void makeGrid(Scene& scene, int side) {
    const int o = scene.addObject("Grid");
    SceneObject& grid = scene.objects[o];
    const int row = side + 1;
    grid.resizePoints(row * row);
    grid.resizeUvs(row * row);
    for (int y = 0; y < row; ++y)
        for (int x = 0; x < row; ++x) {
            const int p = grid.addPoint();
            grid.points[p].position.set(float(x), float(y), float((x * 7 + y * 3) % 5) * 0.1f);
            const int uv = grid.addUv();
            grid.uvs[uv].set(float(x) / float(side), float(y) / float(side));
        }
    grid.resizePolygons(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int corners[4] = {y * row + x, y * row + x + 1, (y + 1) * row + x + 1, (y + 1) * row + x};
            const int f = grid.addPolygon(4);
            for (int c = 0; c < 4; ++c) {
                grid.polygons[f].cornerPoints[c] = corners[c];
                grid.polygons[f].cornerUvs[c] = corners[c];
            }
            grid.polygons[f].material = 0;
        }
    const int m = scene.addMaterial("Grid");
    scene.materials[m].textureSlots[0] = scene.addTexture("grid.png");
}

// The capture's object before the merge, filled from the host mesh as the capture does.
void fillBeforeMerge(SceneObject& object, Mesh& mesh) {
    const AdjEdgeList adjacency(mesh);
    object.resizePoints(mesh.getNumVerts());
    for (const Point3& v : mesh.verts) {
        const int p = object.addPoint();
        object.points[p].position.set(v.x, v.y, v.z);
    }
    object.resizeEdges(adjacency.Count());
    for (const MEdge& host : adjacency.edges) {
        const int e = object.addEdge();
        object.edges[e].pointA = int(host.v[0]);
        object.edges[e].pointB = int(host.v[1]);
        if (!host.Visible(mesh.faces)) object.edges[e].flags |= Hidden;
    }
    object.resizeUvs(int(mesh.tVerts.size()));
    for (const UVVert& t : mesh.tVerts) {
        const int uv = object.addUv();
        object.uvs[uv].set(t.x, t.y);
    }
    object.resizePolygons(mesh.getNumFaces());
    for (int m = 0; m < mesh.getNumFaces(); ++m) {
        const int f = object.addPolygon(3);
        MeshPolygon& polygon = object.polygons[f];
        polygon.material = 0;
        for (int c = 0; c < 3; ++c) {
            polygon.cornerPoints[c] = int(mesh.faces[size_t(m)].v[c]);
            polygon.cornerEdges[c] = adjacency.FindEdge(mesh.faces[size_t(m)].v[c], mesh.faces[size_t(m)].v[(c + 1) % 3]);
            polygon.cornerUvs[c] = int(mesh.tvFace[size_t(m)].t[c]);
        }
    }
    object.compact();
}

// What the stages start from, for one grid size; made on first use and kept until another size
// is asked for, so that a large size is prepared once for all its runs.
class Stages {
public:
    static Stages& forSide(int side) {
        static std::unique_ptr<Stages> current;
        if (!current || current->side_ != side) {
            current.reset();  // free the previous size first
            current.reset(new Stages(side));
        }
        return *current;
    }
    ~Stages() { std::filesystem::remove(file_); }

    const std::string& file() const { return file_; }
    const Scene& read() {
        if (!read_) {
            read_ = std::make_unique<Scene>();
            readLightWaveObject(file_.c_str(), *read_);
        }
        return *read_;
    }
    HostScene& host() {
        if (!host_) {
            Scene working;
            working.copyFrom(read());
            host_ = std::make_unique<HostScene>();
            HostImport import(*host_);
            buildHostScene(working, &import, host_.get());
        }
        return *host_;
    }
    const SceneObject& beforeMerge() {
        if (!beforeMerge_) {
            Object* object = host().NodesInOrder().at(0)->EvalWorldState(0, TRUE).obj;
            beforeMerge_ = std::make_unique<SceneObject>();
            fillBeforeMerge(*beforeMerge_, static_cast<TriObject*>(object)->GetMesh());
        }
        return *beforeMerge_;
    }
    const Scene& captured() {
        if (!captured_) {
            captured_ = std::make_unique<Scene>();
            captureScene(*captured_, &host());
        }
        return *captured_;
    }
    int polygons() const { return side_ * side_; }

private:
    explicit Stages(int side)
        : side_(side),
          file_((std::filesystem::temp_directory_path() /
                 ("e2e_stage_bench_" + std::to_string(::getpid()) + "_" + std::to_string(side) + ".lwo"))
                    .string()) {
        Scene grid;
        makeGrid(grid, side);
        writeLwo2File(file_.c_str(), grid);
    }

    int side_;
    std::string file_;
    std::unique_ptr<Scene> read_;
    std::unique_ptr<HostScene> host_;
    std::unique_ptr<SceneObject> beforeMerge_;
    std::unique_ptr<Scene> captured_;
};

int sideOf(const benchmark::State& state) { return int(state.range(0)); }

void finish(benchmark::State& state, Stages& stages) {
    state.SetComplexityN(stages.polygons());
    state.counters["polygons"] = double(stages.polygons());
}

void BM_Read(benchmark::State& state) {
    Stages& stages = Stages::forSide(sideOf(state));
    for (auto _ : state) {
        auto scene = std::make_unique<Scene>();
        if (!readLightWaveObject(stages.file().c_str(), *scene)) state.SkipWithError("the grid file does not read");
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
    finish(state, stages);
}

void BM_Build(benchmark::State& state) {
    Stages& stages = Stages::forSide(sideOf(state));
    const Scene& read = stages.read();
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>();
        scene->copyFrom(read);
        auto host = std::make_unique<HostScene>();
        HostImport import(*host);
        state.ResumeTiming();
        buildHostScene(*scene, &import, host.get());
        state.PauseTiming();
        host.reset();
        scene.reset();
        state.ResumeTiming();
    }
    finish(state, stages);
}

void BM_Capture(benchmark::State& state) {
    Stages& stages = Stages::forSide(sideOf(state));
    HostScene& host = stages.host();
    for (auto _ : state) {
        auto scene = std::make_unique<Scene>();
        captureScene(*scene, &host);
        if (scene->objectCount != 1 || scene->objects[0].polygonCount != stages.polygons())
            state.SkipWithError("the capture did not give back the grid's quads");
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
    finish(state, stages);
}

void BM_Merge(benchmark::State& state) {
    Stages& stages = Stages::forSide(sideOf(state));
    const SceneObject& before = stages.beforeMerge();
    for (auto _ : state) {
        state.PauseTiming();
        auto object = std::make_unique<SceneObject>();
        object->copyFrom(before);
        state.ResumeTiming();
        mergeTriangles(*object);
        state.PauseTiming();
        if (object->polygonCount != stages.polygons()) state.SkipWithError("the merge did not give back the quads");
        object.reset();
        state.ResumeTiming();
    }
    finish(state, stages);
}

void BM_Write(benchmark::State& state) {
    Stages& stages = Stages::forSide(sideOf(state));
    const Scene& captured = stages.captured();
    const std::string out = stages.file() + ".out.lwo";
    for (auto _ : state)
        if (!writeLwo2File(out.c_str(), captured)) state.SkipWithError("the file could not be written");
    std::filesystem::remove(out);
    finish(state, stages);
}

// Grid sides 256, 512 and 1024: 65 536 to 1 048 576 quads.
#define STAGE(fn) BENCHMARK(fn)->RangeMultiplier(2)->Range(256, 1024)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)
STAGE(BM_Read);
STAGE(BM_Build);
STAGE(BM_Capture);
STAGE(BM_Merge);
STAGE(BM_Write);

}  // namespace
