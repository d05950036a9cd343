#include "core/platform/screen_reader_notice.h"

namespace cv {

void NoticeToScreenReader(std::uintptr_t, const std::string&) {}

}  // namespace cv
