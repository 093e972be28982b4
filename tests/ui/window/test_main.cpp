// The widget tests need one QApplication for the whole run, on the offscreen
// platform also when the test list is read at build time.
#include <QApplication>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The platform libraries keep caches until exit; leaks are checked below the Qt line.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
