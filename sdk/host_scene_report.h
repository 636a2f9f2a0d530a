// A readable account of a host scene: its node tree with each node's placement, mesh and
// material, then every material reachable from the nodes.
#pragma once

#include <ostream>

#include "sdk/host_scene.h"

void PrintHostScene(HostScene& scene, std::ostream& out);
