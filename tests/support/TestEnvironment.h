#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTest>

namespace vexo::test {

// The hardware address every test computer has unless a test changes it.
inline const QString kTestMacAddress = QStringLiteral("3c:22:fb:01:02:03");

// Gives the test process a world of its own before Qt starts: fresh
// XDG_CONFIG_HOME (settings), XDG_CACHE_HOME and XDG_DATA_HOME, a fresh
// volumes root, a fixed hardware address, the UTC time zone and an English
// desktop. Everything lives below one temporary folder that goes away when
// the process ends.
void prepareEnvironment();

// The temporary folder of this process, and the volumes root inside it.
QString scratchRoot();
QString testVolumesRoot();

// Removes every settings entry.
void clearSettings();

} // namespace vexo::test

// main() for a QtTest class that needs no widgets.
#define VEXO_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char** argv) {                                                              \
        vexo::test::prepareEnvironment();                                                          \
        QCoreApplication app(argc, argv);                                                          \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
