#pragma once

#include "support/TestEnvironment.h"

#include <QApplication>

// main() for a QtTest class that drives real widgets (on the offscreen
// platform, which CTest sets for every test).
#define VEXO_UI_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        vexo::test::prepareEnvironment();                                                          \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
