#include "core/device/comm_calls_win32.h"

namespace cv {

CommCalls SystemCommCalls() {
    return {&::CreateFileW,     &::CloseHandle,     &::GetCommState,   &::SetCommState, &::GetCommTimeouts,
            &::SetCommTimeouts, &::ClearCommError,  &::PurgeComm,      &::ReadFile,     &::WriteFile};
}

CommCalls& TheCommCalls() {
    static CommCalls calls = SystemCommCalls();
    return calls;
}

// The whole line as asked, whatever the port had: drivers keep line settings
// across opens (the inbox driver starts at 1200 baud 7E1), and a flag left on
// by another program (CTS or DSR flow control, DSR sensitivity, XON/XOFF,
// abort on error) would stop bytes or answers for no reason the user can see.
DCB LineState(const DCB& found, int baud, const LineSettings& line) {
    DCB dcb = found;  // keeps the driver's own XON/XOFF limits
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = static_cast<DWORD>(baud);
    dcb.ByteSize = 8;
    dcb.fBinary = TRUE;
    switch (line.parity) {
        case Parity::None: dcb.Parity = NOPARITY; break;
        case Parity::Odd: dcb.Parity = ODDPARITY; break;
        case Parity::Even: dcb.Parity = EVENPARITY; break;
        case Parity::Mark: dcb.Parity = MARKPARITY; break;
        case Parity::Space: dcb.Parity = SPACEPARITY; break;
    }
    dcb.fParity = line.parity != Parity::None;
    dcb.StopBits = line.stopBits == StopBits::Two ? TWOSTOPBITS : ONESTOPBIT;
    const bool rtsCts = line.flowControl == FlowControl::RtsCts;
    const bool xonXoff = line.flowControl == FlowControl::XonXoff;
    dcb.fOutxCtsFlow = rtsCts;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    // Raised as Linux raises them on open; CDC-ACM units often send nothing until DTR is on.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = rtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    dcb.fOutX = xonXoff;
    dcb.fInX = xonXoff;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    return dcb;
}

bool TookState(const DCB& applied, const DCB& wanted) {
    return applied.BaudRate == wanted.BaudRate && applied.ByteSize == wanted.ByteSize &&
           applied.Parity == wanted.Parity && applied.StopBits == wanted.StopBits &&
           applied.fOutxCtsFlow == wanted.fOutxCtsFlow && applied.fOutxDsrFlow == wanted.fOutxDsrFlow &&
           applied.fOutX == wanted.fOutX && applied.fInX == wanted.fInX;
}

}  // namespace cv
