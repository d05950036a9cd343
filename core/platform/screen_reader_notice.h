#pragma once
// A word for the screen reader, if one is listening, said on behalf of a
// window: what a send has come to, while the supervisor's focus stays where it
// is. On Windows this is UI Automation's notification event (Windows 10, version
// 1709 and later; earlier versions say nothing). On Linux there is no such
// request: Orca presents what the focused control's description says, which the
// window sets as well.

#include <cstdint>
#include <string>

namespace cv {

// window: the top-level window's native handle (an HWND on Windows), 0 for none.
void NoticeToScreenReader(std::uintptr_t window, const std::string& utf8Text);

}  // namespace cv
