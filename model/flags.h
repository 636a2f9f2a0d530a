// Flag bits shared by the model's records.
#pragma once

constexpr unsigned Hidden = 0x1u;              // edge invisible in the source mesh
constexpr unsigned Deleted = 0x10u;            // entry removed by the next compaction of its array
constexpr unsigned SelectedOnly = 0x200000u;   // Scene::exportFlags: capture selected nodes only
