#pragma once
// Lets a headless check prove that an installed cvtimer really starts: with
// CVTIMER_EXIT_WHEN_SHOWN set in the environment, the program prints
// "shown: <window title>" once its first window is on screen, and ends with
// status 0. Without the variable nothing changes.

namespace cv {

// Call once, after the QApplication exists.
void ExitWhenShownIfAsked();

}  // namespace cv
