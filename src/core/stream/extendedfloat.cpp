#include "stream/extendedfloat.h"

#include <cmath>
#include <cstring>

namespace ExtendedFloat {

namespace {

constexpr int kBias = 16383;

Bytes pack(bool negative, int exponent, std::uint64_t mantissa)
{
    Bytes out {};
    for (int i = 0; i < 8; ++i)
        out[size_t(i)] = std::uint8_t(mantissa >> (8 * i));
    const std::uint16_t signExponent = std::uint16_t((negative ? 0x8000 : 0) | (exponent & 0x7FFF));
    out[8] = std::uint8_t(signExponent);
    out[9] = std::uint8_t(signExponent >> 8);
    return out;
}

} // namespace

Bytes fromDouble(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exponent = int((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    if (exponent == 0x7FF) // infinity keeps only the integer bit; a NaN keeps its payload
        return pack(negative, 0x7FFF, (std::uint64_t(1) << 63) | (fraction << 11));
    if (exponent == 0) {
        if (fraction == 0)
            return pack(negative, 0, 0);
        // Subnormal double: normalise so the integer bit is set.
        int top = 51;
        while (((fraction >> top) & 1) == 0)
            --top;
        return pack(negative, top - 1074 + kBias, fraction << (63 - top));
    }
    return pack(negative, exponent - 1023 + kBias, (std::uint64_t(1) << 63) | (fraction << 11));
}

double toDouble(const Bytes &bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[size_t(i)];
    const int signExponent = bytes[8] | (bytes[9] << 8);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = signExponent & 0x7FFF;
    double result = 0.0;
    if (exponent == 0x7FFF) {
        const bool infinity = (mantissa << 1) == 0;
        result = infinity ? HUGE_VAL : std::nan("");
    } else if (mantissa != 0) {
        // Denormals (exponent 0) use the exponent of 1 without an integer bit.
        const int e = (exponent == 0 ? 1 : exponent) - kBias - 63;
        result = std::ldexp(double(mantissa), e);
    }
    return negative ? -result : result;
}

} // namespace ExtendedFloat
