#include "Cp1251.h"

#include <QtTest>
#include <iconv.h>

class TestCp1251 : public QObject
{
    Q_OBJECT
private slots:
    // glibc's own table is the reference for all 256 bytes.
    void matchesIconvForEveryByte()
    {
        iconv_t cd = iconv_open("UTF-32LE", "CP1251");
        QVERIFY(cd != reinterpret_cast<iconv_t>(-1));
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char32_t out = 0;
            char *inPtr = &in;
            char *outPtr = reinterpret_cast<char *>(&out);
            std::size_t inLeft = 1, outLeft = sizeof out;
            const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
            if (converted) {
                QCOMPARE(static_cast<unsigned>(cp1251::toUnicode(b)), static_cast<unsigned>(out));
                QCOMPARE(int(cp1251::fromUnicode(out).value_or(0)), b);
            } else {
                QCOMPARE(b, 0x98); // the one byte without a character
                QVERIFY(!cp1251::fromUnicode(cp1251::toUnicode(b)));
            }
        }
        iconv_close(cd);
    }

    void utf8RoundTrip()
    {
        const std::string text = "Љубав, ђак, џем, ћирилица „цитат“ – 5 €…";
        const auto bytes = cp1251::fromUtf8(text);
        QVERIFY(bytes);
        QCOMPARE(bytes->size(), std::size_t(QString::fromStdString(text).size()));
        QCOMPARE(cp1251::toUtf8(*bytes), text);
    }

    void refusesWhatItCannotHold_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("emoji") << QByteArray("a\xF0\x9F\x98\x80");
        QTest::newRow("chinese") << QByteArray("\xE4\xB8\xAD");
        QTest::newRow("greek") << QByteArray("\xCE\xB1");
        QTest::newRow("truncated sequence") << QByteArray("\xD0");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF");
        QTest::newRow("stray continuation") << QByteArray("\x80");
    }
    void refusesWhatItCannotHold()
    {
        QFETCH(QByteArray, utf8);
        QVERIFY(!cp1251::fromUtf8(utf8.toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
