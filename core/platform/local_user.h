#pragma once
// Who is using the program and what the clock on the wall says, as the
// system tells it.

#include <ctime>
#include <string>

namespace cv {

// The name the user logged in with, in UTF-8; "" when the system does not say.
std::string LoginName();

// `when` as a calendar time in the local time zone; false when the system
// cannot convert it.
bool LocalCalendarTime(std::time_t when, std::tm& local);

}  // namespace cv
