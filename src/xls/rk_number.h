#pragma once
// The RK form of a number: a 32-bit value that holds either the high half of a double or a
// 30-bit integer, each optionally divided by 100.

#include <cstdint>
#include <optional>

namespace kontaro::xls {

// The RK value of x, or nothing when x has no exact RK form (it then needs a NUMBER record).
std::optional<std::uint32_t> EncodeRk(double x);
double DecodeRk(std::uint32_t rk);

} // namespace kontaro::xls
