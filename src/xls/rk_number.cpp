#include "xls/rk_number.h"

#include <cmath>
#include <cstring>

namespace kontaro::xls {

std::optional<std::uint32_t> EncodeRk(double x)
{
    for (const std::uint32_t flag : {0u, 1u}) {
        const double v = flag ? x * 100.0 : x;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof v);
        if ((bits & 0x3FFFFFFFFull) == 0) {
            return static_cast<std::uint32_t>(bits >> 32) | flag;
        }
        if (std::isfinite(v) && v == std::floor(v) && v >= -536870912.0 && v <= 536870911.0) {
            const auto whole = static_cast<std::int32_t>(v);
            return (static_cast<std::uint32_t>(whole) << 2) | 2u | flag;
        }
    }
    return std::nullopt;
}

double DecodeRk(std::uint32_t rk)
{
    double value = 0;
    if (rk & 2u) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 1u) ? value / 100.0 : value;
}

} // namespace kontaro::xls
