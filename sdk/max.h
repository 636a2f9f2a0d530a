// Everything of the host SDK in one include.
#pragma once

#include "sdk/adj_edge_list.h"
#include "sdk/cstr.h"
#include "sdk/host_scene.h"
#include "sdk/inode.h"
#include "sdk/interface.h"
#include "sdk/material.h"
#include "sdk/matrix3.h"
#include "sdk/max_types.h"
#include "sdk/mesh.h"
#include "sdk/object.h"
#include "sdk/plugin_api.h"
#include "sdk/point3.h"
#include "sdk/reference.h"
