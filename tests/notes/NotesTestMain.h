#pragma once

#include "support/TestEnvironment.h"

#include <QGuiApplication>

// main() for a QtTest class that needs fonts and images but no widgets.
#define VEXO_GUI_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv) {                                                              \
        vexo::test::prepareEnvironment();                                                          \
        QGuiApplication app(argc, argv);                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
