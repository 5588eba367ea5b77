#pragma once

#include <QObject>

class QSocketNotifier;

namespace vexo::cli {

// Ctrl-C. The first one is caught: it wakes a terminal read and is passed on
// to the main thread as interrupted(); a second one ends the process the
// usual way, for a user who does not want to wait.
class Interrupts : public QObject {
    Q_OBJECT
public:
    explicit Interrupts(QObject* parent = nullptr);
    ~Interrupts() override;

    // Whether Ctrl-C has been pressed; safe from anywhere.
    static bool seen();

signals:
    void interrupted();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vexo::cli
