#pragma once
// A word to the person at the PC from a program that has no window: the
// day-part plan's runs, which the system's scheduler starts in the background.
// It must reach them whatever they are doing, and take nothing from them: no
// modal box that grabs the keyboard.
//
// Linux: a notification through the desktop's notification service
// (org.freedesktop.Notifications), by `notify-send` (libnotify-bin) or, where
// that is missing, `gdbus` (libglib2.0-bin), so that nothing links against a
// bus library. Windows: a balloon from an icon in the notification area
// (Shell_NotifyIconW), which Windows 10 and 11 show as a toast; a toast of our
// own would need an application identity that the zip cannot register.

#include <string>

namespace cv {

enum class NoticeLevel { Information, Warning };

// Shows the notice and returns "" once the system took it; otherwise a
// sentence saying why not (no notification service, no desktop session). On
// Windows the call keeps the icon for a few seconds, until the balloon has
// been seen or has timed out.
std::string ShowDesktopNotice(const std::string& title, const std::string& text, NoticeLevel level);

}  // namespace cv
