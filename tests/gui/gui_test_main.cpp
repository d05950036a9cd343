// One QApplication for every GUI test in the process.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef CVTIMER_CHECK_FONTS
    // Layouts and printed pages measured with the project's own font set, not
    // with whatever fonts this machine happens to have (tests/fonts/fonts.conf).
    qputenv("FONTCONFIG_FILE", CVTIMER_CHECK_FONTS);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
