#pragma once

#include <QString>

namespace vexo::cipher {

// True when the path's extension (after the last "." of its last component,
// compared in lower case) is one of the text-like kinds whose single-file
// items are enciphered as a whole when hidden.
bool iswenbenwenjian(const QString& path);

// The extension of the path's last component as written: the text after its
// last "."; empty when there is none.
QString pathExtension(const QString& path);

} // namespace vexo::cipher
