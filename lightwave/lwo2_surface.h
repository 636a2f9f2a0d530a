// Surface ("SURF") and still-image clip ("CLIP") reading of LWO2 files: the base colour, the
// smoothing angle, the vertex maps a surface uses and its colour image's projection and clip.
// Each reader returns the bytes it consumed (see lwo2_reading.h).
#pragma once

#include <cstdint>

#include "lightwave/encoding.h"
#include "model/material.h"

// Bit of Material::flags that is set while the image block being read is a colour layer.
constexpr unsigned ColorLayerBit = 0x8000u;

// One "BLOK" of a surface: its header, texture mapping, projection, axis, image and UV map.
long long readSurfaceBlock(Material& material, ByteReader& in, std::uint32_t length);
// A block header ("IMAP", "PROC", "GRAD", "SHDR"): decides whether the block is a colour layer.
long long readBlockHeader(Material& material, ByteReader& in, std::uint32_t length);
// A block's "TMAP": projection centre and size.
long long readTextureMapping(Material& material, ByteReader& in, std::uint32_t length);
