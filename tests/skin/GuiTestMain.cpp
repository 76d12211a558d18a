#include <QGuiApplication>
#include <gtest/gtest.h>

// Painting text needs the font database, which lives with a GUI application.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
