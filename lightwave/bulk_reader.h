// Inline decoding for the bulk chunks of an object file (points, polygons, polygon tags, vertex
// maps), where a call per value through ByteReader would dominate the reading time. It decodes
// the same big-endian values as the read primitives of encoding.h and never reads past `end`:
// every read checks the bound first and reports a short read by returning false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "lightwave/encoding.h"

class BulkReader {
public:
    BulkReader(const std::uint8_t* data, std::size_t size) : begin_(data), p_(data), end_(data + size) {}
    // The unread rest of `in` (which itself is left where it is).
    explicit BulkReader(const ByteReader& in) : BulkReader(in.current(), in.remaining()) {}

    std::size_t consumed() const { return std::size_t(p_ - begin_); }
    std::size_t remaining() const { return std::size_t(end_ - p_); }
    const std::uint8_t* current() const { return p_; }
    void rewind() { p_ = begin_; }

    bool u2(unsigned& value) {
        if (end_ - p_ < 2) return false;
        value = (unsigned(p_[0]) << 8) | p_[1];
        p_ += 2;
        return true;
    }
    bool u4(std::uint32_t& value) {
        if (end_ - p_ < 4) return false;
        value = load32(p_);
        p_ += 4;
        return true;
    }
    bool id4(std::uint32_t& code) { return u4(code); }
    bool f4(float& value) {
        if (end_ - p_ < 4) return false;
        value = toFloat(load32(p_));
        p_ += 4;
        return true;
    }
    // Three F4 (a VEC12 or COL12).
    bool vec12(float& x, float& y, float& z) {
        if (end_ - p_ < 12) return false;
        x = toFloat(load32(p_));
        y = toFloat(load32(p_ + 4));
        z = toFloat(load32(p_ + 8));
        p_ += 12;
        return true;
    }
    // VX: four bytes when the first is 0xFF (24-bit index), else two.
    bool vx(int& index) {
        if (end_ - p_ < 2) return false;
        if (p_[0] == 0xFF) {
            if (end_ - p_ < 4) return false;
            index = (int(p_[1]) << 16) | (int(p_[2]) << 8) | int(p_[3]);
            p_ += 4;
        } else {
            index = (int(p_[0]) << 8) | int(p_[1]);
            p_ += 2;
        }
        return true;
    }
    // Reads `count` F4 values; the first min(count, kept) go to `values`, the rest are passed over.
    bool floats(unsigned count, float* values, unsigned kept) {
        if (std::size_t(end_ - p_) / 4 < count) return false;
        for (unsigned i = 0; i < count && i < kept; ++i) values[i] = toFloat(load32(p_ + 4 * i));
        p_ += std::size_t(count) * 4;
        return true;
    }

private:
    static std::uint32_t load32(const std::uint8_t* p) {
        return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
    }
    static float toFloat(std::uint32_t bits) {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    const std::uint8_t* begin_;
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};
