#pragma once
// The Win32 calls through which the Windows serial link reaches a port, and the
// line state it asks a port for. The calls are
// the system's own; a test swaps in a table that plays what real drivers
// return (unplug codes, a failing ClearCommError, a port left in another
// setting), which a pseudo-terminal under Wine cannot show. The link's code is
// the same either way.

#include <windows.h>

#include "core/device/line_settings.h"

namespace cv {

struct CommCalls {
    decltype(&::CreateFileW) createFile;
    decltype(&::CloseHandle) closeHandle;
    decltype(&::GetCommState) getCommState;
    decltype(&::SetCommState) setCommState;
    decltype(&::GetCommTimeouts) getCommTimeouts;
    decltype(&::SetCommTimeouts) setCommTimeouts;
    decltype(&::ClearCommError) clearCommError;
    decltype(&::PurgeComm) purgeComm;
    decltype(&::ReadFile) readFile;
    decltype(&::WriteFile) writeFile;
};

// The table in use, the system's calls unless a test replaced it. Replace it
// only while no link is open.
CommCalls& TheCommCalls();
CommCalls SystemCommCalls();

// The port's state with the whole line set as asked: `baud`, 8 data bits,
// `line`, DTR and RTS raised, nothing stopped, replaced or aborted on an error.
DCB LineState(const DCB& found, int baud, const LineSettings& line);

// Whether a port took what counts of `wanted`: speed, framing and flow control.
bool TookState(const DCB& applied, const DCB& wanted);

}  // namespace cv
