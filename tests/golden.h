#pragma once
// What the default sheet produces on disk and on the wire, byte for byte.
// Written out by hand: tests compare the program's output against these.

#include <string>
#include <vector>

namespace cv::golden {

inline constexpr const char* kDefaultTimerFile =
    "Hands Washing       ,0360,0030,0003,0001\n"
    "Beef Cookout Check  ,0370,0240,0003,0001\n"
    "Test All Sanitizer  ,0380,0120,0003,0001\n"
    "Travel Path         ,0390,0120,0003,0001\n"
    "Temp Check/PHU      ,0390,0120,0003,0001\n"
    "Holding Time Check  ,0420,0120,0003,0001\n"
    "Labor Check         ,0540,0240,0003,0001\n"
    "Guest Trac          ,0540,0240,0003,0001\n"
    "Rest Room Caddy     ,0405,0240,0003,0001\n"
    "Shake Machine       ,0480,0045,0003,0001\n";

// Another sheet, differing from the default one in every field of every timer.
inline constexpr const char* kLunchTimerFile =
    "Lunch 1             ,0660,0060,0005,0002\n"
    "Lunch 2             ,0661,0061,0005,0002\n"
    "Lunch 3             ,0662,0062,0005,0002\n"
    "Lunch 4             ,0663,0063,0005,0002\n"
    "Lunch 5             ,0664,0064,0005,0002\n"
    "Lunch 6             ,0665,0065,0005,0002\n"
    "Lunch 7             ,0666,0066,0005,0002\n"
    "Lunch 8             ,0667,0067,0005,0002\n"
    "Lunch 9             ,0668,0068,0005,0002\n"
    "Lunch 10            ,0669,0069,0005,0002\n";

inline const std::vector<std::string> kDefaultMessages = {
    "{86,0,1,0360,0030,0003}", "{87,0,Hands Washing       }", "{86,1,1,0370,0240,0003}",
    "{87,1,Beef Cookout Check  }", "{86,2,1,0380,0120,0003}", "{87,2,Test All Sanitizer  }",
    "{86,3,1,0390,0120,0003}", "{87,3,Travel Path         }", "{86,4,1,0390,0120,0003}",
    "{87,4,Temp Check/PHU      }", "{86,5,1,0420,0120,0003}", "{87,5,Holding Time Check  }",
    "{86,6,1,0540,0240,0003}", "{87,6,Labor Check         }", "{86,7,1,0540,0240,0003}",
    "{87,7,Guest Trac          }", "{86,8,1,0405,0240,0003}", "{87,8,Rest Room Caddy     }",
    "{86,9,1,0480,0045,0003}", "{87,9,Shake Machine       }",
};

}  // namespace cv::golden
