#pragma once

#include <QString>

namespace vexo::platform {

// MD5 of the file's content as 32 upper-case hexadecimal digits, read in a
// streaming pass. Empty for anything that is not a readable regular file.
QString fileDigest(const QString& path);

// MD5 of the text's UTF-8 bytes (up to the first zero byte) as 32 upper-case
// hexadecimal digits. Names image thumbnails and protects drive-vault passwords.
QString MD5_32BitUpper(const QString& text);

} // namespace vexo::platform
