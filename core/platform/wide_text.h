#pragma once
// Windows only. The core keeps text as UTF-8; the Windows API takes and gives
// UTF-16. Conversions happen right at the API, so a folder named "Küche" or a
// system message in any language reaches the user as written.

#include <string>
#include <string_view>

namespace cv {

// Invalid UTF-8 gives an empty string.
std::wstring WideFromUtf8(std::string_view text);

std::string Utf8FromWide(std::wstring_view text);

// The system's own text for a GetLastError() code, without the closing period
// and line break; "error N" when the system has none.
std::string SystemMessage(unsigned long code);

}  // namespace cv
