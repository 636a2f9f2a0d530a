// Groups polygons by merge edges and counts the outline loops of each group.
#include "passes/merge_groups.h"

#include <cstddef>
#include <numeric>
#include <vector>

namespace {

class DisjointSets {
public:
    explicit DisjointSets(int n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    int find(int x) {
        while (parent_[x] != x) {
            parent_[x] = parent_[parent_[x]];
            x = parent_[x];
        }
        return x;
    }
    void join(int a, int b) { parent_[find(a)] = find(b); }

private:
    std::vector<int> parent_;
};

}  // namespace

void demoteUnmergeableGroups(const SceneObject& object, OutlineWalk& walk) {
    const int polygonCount = object.polygonCount;
    DisjointSets groups(polygonCount);
    for (int e = 0; e < object.edgeCount; ++e)
        if (walk.isMergeEdge(e)) groups.join(walk.firstUse(e).polygon, walk.secondUse(e).polygon);

    // Every corner lies on exactly one walk cycle; a cycle through an outline corner is one
    // outline loop of the group the cycle stays in.
    std::vector<std::size_t> firstCorner(polygonCount + 1, 0);
    for (int p = 0; p < polygonCount; ++p)
        firstCorner[p + 1] = firstCorner[p] + static_cast<std::size_t>(object.polygons[p].cornerCount);
    std::vector<bool> visited(firstCorner[polygonCount], false);
    std::vector<int> loops(polygonCount, 0);
    for (int p = 0; p < polygonCount; ++p) {
        for (int c = 0; c < object.polygons[p].cornerCount; ++c) {
            const CornerRef start{p, c};
            if (visited[firstCorner[p] + c] || walk.isMergeCorner(start)) continue;
            CornerRef at = start;
            bool outline = false;
            do {
                visited[firstCorner[at.polygon] + at.corner] = true;
                at = walk.step(at, outline);
            } while (!(at == start));
            ++loops[groups.find(p)];
        }
    }

    std::vector<int> demoted;
    for (int e = 0; e < object.edgeCount; ++e)
        if (walk.isMergeEdge(e) && loops[groups.find(walk.firstUse(e).polygon)] != 1) demoted.push_back(e);
    for (int e : demoted) walk.demote(e);
}
