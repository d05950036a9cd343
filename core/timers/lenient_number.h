#pragma once
// Numbers typed by people and found in old files are read the forgiving way the
// C library's atoi reads them: leading white space, an optional sign, then
// digits up to the first other character. No digits gives 0.

#include <cstdint>
#include <string_view>

namespace cv {

// Unlike atoi, never undefined: digits beyond 32 bits wrap modulo 2^32.
std::int32_t LenientAtoi(std::string_view text);

}  // namespace cv
