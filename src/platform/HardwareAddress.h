#pragma once

#include <QString>

namespace vexo::platform {

// The computer's network hardware address as 17 lower-case characters
// ("3c:22:fb:01:02:03"): $VEXO_MAC_ADDRESS when set, else the address of the
// default-route interface, else of the first non-loopback interface with a
// non-zero address. Empty when there is none.
QString hardwareAddress();

// The same search over a given /sys/class/net folder and /proc/net/route file.
QString hardwareAddressFrom(const QString& classNetDir, const QString& routeFile);

} // namespace vexo::platform
