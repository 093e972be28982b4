#pragma once
// Little-endian reading and writing on byte buffers, the one byte order of the records.

#include <cstdint>
#include <cstring>
#include <vector>

namespace kontaro::xls {

using Bytes = std::vector<std::uint8_t>;

inline std::uint16_t GetU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t GetU32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}
inline double GetDouble(const std::uint8_t* p)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void SetU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void SetU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void PutU8(Bytes& out, std::uint8_t v) { out.push_back(v); }
inline void PutU16(Bytes& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void PutDouble(Bytes& out, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

} // namespace kontaro::xls
