#include "core/device/port_holder.h"

namespace cv {

// A COM port is opened with no sharing; which process holds it is known to
// the system's handle table only, which a program without administrator
// rights cannot read. The busy error itself says enough to act on.
std::optional<PortHolder> FindPortHolder(const std::string& /*devicePath*/) { return std::nullopt; }

}  // namespace cv
