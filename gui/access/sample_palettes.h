#pragma once

#include <QColor>
#include <QPalette>

// The dark and High Contrast palettes the screenshots draw the windows in, and
// the contrast test measures our own colours against, so that what the
// pictures show is what the test checks.
namespace cv::sample_palettes {

inline QPalette Dark() {
    QPalette dark(QColor(230, 230, 230), QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 128));
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(38, 79, 120));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    return dark;
}

// The system colours of Windows' High Contrast Black, as Qt takes them when
// High Contrast is on: white text on black, yellow-on-black links, selection
// in cyan with black text.
inline QPalette HighContrast() {
    QPalette contrast(Qt::white, Qt::black);
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::AlternateBase, Qt::black);
    contrast.setColor(QPalette::Text, Qt::white);
    contrast.setColor(QPalette::PlaceholderText, QColor(63, 242, 63));
    contrast.setColor(QPalette::Button, Qt::black);
    contrast.setColor(QPalette::ButtonText, Qt::white);
    contrast.setColor(QPalette::Highlight, QColor(26, 235, 255));
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    contrast.setColor(QPalette::Link, QColor(255, 255, 0));
    return contrast;
}

}  // namespace cv::sample_palettes
