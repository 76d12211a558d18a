#pragma once

#include "Application.h"

#include <QTest>

// Runs a QtTest class inside the program's own application object, so errors that escape
// handlers take the same path as in the program.
#define SNIPORA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        TApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
