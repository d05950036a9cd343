#include "core/platform/blocking_call.h"

namespace cv {

BlockingCallCanceller::~BlockingCallCanceller() = default;

void BlockingCallCanceller::BindToThisThread() {}

void BlockingCallCanceller::Unbind() {}

void BlockingCallCanceller::Cancel() {}

}  // namespace cv
