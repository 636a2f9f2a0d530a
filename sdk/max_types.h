// Scalar types, class identifiers and time values shared by every part of the host SDK.
#pragma once

#include <cstdint>

using DWORD = std::uint32_t;
using ULONG = unsigned long;
using BOOL = int;
using MtlID = std::uint16_t;
using TimeValue = int;   // host time in ticks
using HWND = void*;      // window handle; the stand-in host has no windows

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Ticks of host time per frame at the host's 30 frames per second (4800 ticks a second).
constexpr TimeValue kTicksPerFrame = 160;
inline TimeValue GetTicksPerFrame() { return kTicksPerFrame; }

// Super class of a plug-in class: what kind of thing it is.
using SClass_ID = ULONG;
constexpr SClass_ID SCENE_IMPORT_CLASS_ID = 0xA10;
constexpr SClass_ID SCENE_EXPORT_CLASS_ID = 0xA20;
constexpr SClass_ID GEOMOBJECT_CLASS_ID = 0x10;
constexpr SClass_ID HELPER_CLASS_ID = 0x70;
constexpr SClass_ID MATERIAL_CLASS_ID = 0xC00;
constexpr SClass_ID TEXMAP_CLASS_ID = 0xC10;

// Two-word identifier of one plug-in class.
class Class_ID {
public:
    constexpr Class_ID() = default;
    constexpr Class_ID(ULONG a, ULONG b) : a_(a), b_(b) {}
    constexpr ULONG PartA() const { return a_; }
    constexpr ULONG PartB() const { return b_; }
    constexpr bool operator==(const Class_ID& o) const { return a_ == o.a_ && b_ == o.b_; }
    constexpr bool operator!=(const Class_ID& o) const { return !(*this == o); }

private:
    ULONG a_ = 0xFFFFFFFF, b_ = 0xFFFFFFFF;
};

// The built-in classes the plug-ins look for.
constexpr Class_ID triObjectClassID(9, 0);
constexpr Class_ID dummyObjectClassID(0x876234, 0);
constexpr Class_ID generatedMeshClassID(0x10, 0);
constexpr Class_ID MULTI_CLASS_ID(0x200, 0);
constexpr Class_ID DMTL_CLASS_ID(2, 0);
constexpr Class_ID BMTEX_CLASS_ID(0x240, 0);

// A range of host time; the stand-in scene is static, so every value is valid forever.
class Interval {
public:
    Interval() = default;
    Interval(TimeValue start, TimeValue end) : start_(start), end_(end) {}
    TimeValue Start() const { return start_; }
    TimeValue End() const { return end_; }

private:
    TimeValue start_ = -0x7FFFFFFF, end_ = 0x7FFFFFFF;
};
