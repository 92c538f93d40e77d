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
        iconv_t cd = iconv_open("UTF-32LE", "CP1251"); // if it fails, so does byte 0 below
        for (int b = 0; b < 256; ++b) {
            char32_t out = 0;
            char in = static_cast<char>(b), *inPtr = &in, *outPtr = reinterpret_cast<char *>(&out);
            std::size_t inLeft = 1, outLeft = sizeof out;
            const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
            QCOMPARE(converted, b != 0x98); // the one byte without a character, shown as U+FFFD
            QCOMPARE(unsigned(cp1251::toUnicode(b)), converted ? unsigned(out) : 0xFFFDu);
            const auto back = cp1251::fromUnicode(cp1251::toUnicode(b));
            QCOMPARE(back ? int(*back) : -1, converted ? b : -1);
        }
        iconv_close(cd);
    }

    void fromUtf8_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<bool>("roundTrips");
        QTest::newRow("Serbian, quotes, dash") << QByteArray("Љубав, ђак, џем „ц“ – 5 €…") << true;
        QTest::newRow("emoji") << QByteArray("a\xF0\x9F\x98\x80") << false;
        QTest::newRow("lead, then no continuation") << QByteArray("\xD0\x41") << false;
        QTest::newRow("truncated sequence") << QByteArray("\xD0") << false;
        QTest::newRow("overlong slash") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("stray continuation") << QByteArray("\xA9") << false; // read as Latin-1, ©
    }
    void fromUtf8()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(bool, roundTrips);
        const auto bytes = cp1251::fromUtf8(utf8.toStdString());
        QCOMPARE(bytes ? QByteArray::fromStdString(cp1251::toUtf8(*bytes)) : "<refused>",
                 roundTrips ? utf8 : "<refused>");
    }
};

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
