#include "DataRows.h"
#include "cipher/KeyText.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <openssl/evp.h>

using namespace vexo::cipher;
using vexo::test::addRow;

namespace {

// AES-128-ECB-PKCS#7 straight through OpenSSL with 16 raw key bytes.
QByteArray rawEncrypt(const QByteArray& key, const QByteArray& data) {
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    QByteArray out(data.size() + 16, Qt::Uninitialized);
    int body = 0;
    int tail = 0;
    EVP_EncryptInit_ex(context, EVP_aes_128_ecb(), nullptr,
                       reinterpret_cast<const unsigned char*>(key.constData()), nullptr);
    EVP_EncryptUpdate(context, reinterpret_cast<unsigned char*>(out.data()), &body,
                      reinterpret_cast<const unsigned char*>(data.constData()),
                      static_cast<int>(data.size()));
    EVP_EncryptFinal_ex(context, reinterpret_cast<unsigned char*>(out.data()) + body, &tail);
    EVP_CIPHER_CTX_free(context);
    return out.left(body + tail);
}

} // namespace

class KeyTextTest : public QObject {
    Q_OBJECT
private slots:
    void passwordsArePaddedToThirtyUnits_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("padded");
        addRow("4", "abcd", QStringLiteral("abcd") + QString(26, u'0'));
        addRow("29", QString(29, u'x'), QString(29, u'x') + u'0');
        addRow("30", QString(30, u'x'), QString(30, u'x'));
        addRow("31", QString(31, u'x'), QString(31, u'x'));
        addRow("empty", "", QString(30, u'0'));
        addRow("utf-16 units", "密码", QStringLiteral("密码") + QString(28, u'0'));
    }
    void passwordsArePaddedToThirtyUnits() {
        QFETCH(QString, password);
        QFETCH(QString, padded);
        QCOMPARE(paddedPassword(password), padded);
    }

    // The padded password follows the first separator, whatever it holds.
    void bodyKeyFollowsTheFirstSeparator() {
        QCOMPARE(bodyKeyOf(QStringLiteral("4.2.7_3c:22:fb:01:02:03_data_x_data_y")),
                 QStringLiteral("x_data_y"));
        QCOMPARE(bodyKeyOf(QStringLiteral("no separator")), QString());
    }

    void cipherOutputIsPaddedToWholeBlocks_data() {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("output");
        addRow("0", 0, 16);
        addRow("15", 15, 16);
        addRow("16", 16, 32);
        addRow("17", 17, 32);
        addRow("59", 59, 64);
    }
    void cipherOutputIsPaddedToWholeBlocks() {
        QFETCH(int, input);
        QFETCH(int, output);
        const QByteArray plain = vexo::test::randomBytes(input, 3);
        const auto enciphered = AES128EncryptWithKey(QStringLiteral("key"), plain);
        QVERIFY(enciphered);
        QCOMPARE(enciphered->size(), output);
        QCOMPARE(AES128DecodeWithKey(QStringLiteral("key"), *enciphered), plain);
    }

    // The key is the text's first 16 UTF-8 bytes, zero-filled: the same
    // bytes OpenSSL gets when handed them directly.
    void keysAreTheFirstSixteenBytesZeroFilled_data() {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QByteArray>("rawKey");
        addRow("10 characters", "0123456789", QByteArray("0123456789") + QByteArray(6, '\0'));
        addRow("17 characters", "abcdefghijklmnopq", QByteArray("abcdefghijklmnop"));
        addRow("key text", "4.2.7_3c:22:fb:01:02:03_data_x", QByteArray("4.2.7_3c:22:fb:0"));
        // Six three-byte characters: the 16th byte falls inside the sixth.
        addRow("non-ascii", "密码密码密码", QStringLiteral("密码密码密码").toUtf8().left(16));
        addRow("empty", "", QByteArray(16, '\0'));
    }
    void keysAreTheFirstSixteenBytesZeroFilled() {
        QFETCH(QString, keyText);
        QFETCH(QByteArray, rawKey);
        const QByteArray plain = vexo::test::randomBytes(40, 5);
        QCOMPARE(AES128EncryptWithKey(keyText, plain), rawEncrypt(rawKey, plain));
    }

    void decodingFailsWithAnotherKeyOrABrokenInput() {
        const QByteArray plain = QByteArrayLiteral("the quick brown fox jumps over it");
        const auto enciphered = AES128EncryptWithKey(QStringLiteral("right key"), plain);
        QVERIFY(enciphered);
        QVERIFY(!AES128DecodeWithKey(QStringLiteral("wrong key"), *enciphered));
        QVERIFY(!AES128DecodeWithKey(QStringLiteral("right key"), enciphered->chopped(1)));
        QVERIFY(!AES128DecodeWithKey(QStringLiteral("right key"), QByteArray()));
    }
};

VEXO_TEST_MAIN(KeyTextTest)
#include "tst_keytext.moc"
