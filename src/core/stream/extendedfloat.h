#pragma once

#include <array>
#include <cstdint>

// The 80-bit extended-precision float of the stream (64-bit mantissa with an
// explicit integer bit, 15-bit exponent), converted by hand so the format
// does not depend on the compiler's long double.
namespace ExtendedFloat {

using Bytes = std::array<std::uint8_t, 10>; // little-endian, as stored

[[nodiscard]] Bytes fromDouble(double value);
[[nodiscard]] double toDouble(const Bytes &bytes);

} // namespace ExtendedFloat
