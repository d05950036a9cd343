#pragma once
// Messages are whole sentences with numbered placeholders, %1 to %9, so that
// every language can put the values where its word order wants them.

#include <initializer_list>
#include <string>
#include <string_view>

namespace cv {

// The sentence with %1 replaced by the first value, %2 by the second and so
// on; a placeholder without a value stays as it is, and values are not
// searched for placeholders themselves.
std::string FillPlaceholders(std::string_view sentence, std::initializer_list<std::string_view> values);

}  // namespace cv
