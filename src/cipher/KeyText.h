#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vexo::cipher {

// The computer's hardware address text (17 characters; empty when there is none).
QString getMacAddress();

// The master password extended with "0" to 30 UTF-16 units; a password of 30
// units or more is used unchanged.
QString paddedPassword(const QString& password);

// "4.2.7_<hardware address>_data_<padded master password>": the key text of
// the moment, from which the stored form takes its keys.
QString getEncrtyptPassword();

// The padded password inside a key text: the text after the first "_data_"
// (the hardware address before it never holds one, the password may); empty
// when there is none.
QString bodyKeyOf(const QString& keyText);

// AES-128-ECB with PKCS#7 padding, keyed by the first 16 UTF-8 bytes of key
// (zero-filled when shorter). Empty optional when the cipher reports an error,
// as a wrong key usually does when deciphering.
std::optional<QByteArray> AES128EncryptWithKey(const QString& key, const QByteArray& data);
std::optional<QByteArray> AES128DecodeWithKey(const QString& key, const QByteArray& data);

} // namespace vexo::cipher
