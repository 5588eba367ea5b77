#include "cipher/KeyText.h"

#include "cipher/Aes.h"
#include "platform/HardwareAddress.h"
#include "platform/Log.h"
#include "platform/Settings.h"

namespace vexo::cipher {
namespace {

constexpr qsizetype kPaddedPasswordLength = 30;
const QString kKeyTextSeparator = QStringLiteral("_data_");

} // namespace

QString getMacAddress() {
    const QString address = platform::hardwareAddress();
    if (address.isEmpty())
        qCWarning(lcVexo, "获取MAC地址失败");
    return address;
}

QString paddedPassword(const QString& password) {
    if (password.size() >= kPaddedPasswordLength)
        return password;
    return password + QString(kPaddedPasswordLength - password.size(), u'0');
}

QString getEncrtyptPassword() {
    const QString password = platform::Settings::value(platform::keys::kSOUREPASSWORD);
    return QStringLiteral("4.2.7_") + getMacAddress() + kKeyTextSeparator +
           paddedPassword(password);
}

QString bodyKeyOf(const QString& keyText) {
    const qsizetype separator = keyText.indexOf(kKeyTextSeparator);
    return separator < 0 ? QString() : keyText.mid(separator + kKeyTextSeparator.size());
}

std::optional<QByteArray> AES128EncryptWithKey(const QString& key, const QByteArray& data) {
    return runAes(key, AesStream::Direction::Encrypt, data);
}

std::optional<QByteArray> AES128DecodeWithKey(const QString& key, const QByteArray& data) {
    return runAes(key, AesStream::Direction::Decrypt, data);
}

} // namespace vexo::cipher
