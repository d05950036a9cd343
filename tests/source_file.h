#pragma once
// A file of the source tree that a test reads, such as a golden output.
// scripts/test-unprivileged runs the tests again as a user who may not be
// able to read the checkout, and gives them a copy of those files through
// CVTIMER_SOURCE_COPY.

#include <cstdlib>
#include <string>

namespace cv {

inline std::string SourceFile(const std::string& relative) {
    const char* copy = std::getenv("CVTIMER_SOURCE_COPY");
    return (copy && *copy ? std::string(copy) : std::string(CVTIMER_SOURCE_DIR)) + "/" + relative;
}

}  // namespace cv
