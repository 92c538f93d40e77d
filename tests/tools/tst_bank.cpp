#include "BankBuilder.h"
#include "BankTool.h"
#include "GifMaker.h"
#include "PictureFiles.h"
#include "ShapeStats.h"
#include "TestFiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Questions that keep every rule, from position first to the block's share of a game.
std::string goodFrom(int k, int first)
{
    std::string text;
    for (int n = first; n <= BlockQuota[k]; ++n) {
        const std::string id = std::to_string(k) + "." + std::to_string(n);
        text += "! Правило питања " + id + ".\n" + (k == 1 ? "= " + twoDigits(n) + "-slika\n" : "");
        text += k == 6 ? "? Питање " + id + "?\n" : std::string("? ") + " S{PGJ"[k] + "\n";
        text += "+ тачно " + id + "\n- нетачно\n\n";
    }
    return text;
}

// A question of block 2 with these two answers.
QString answers(const QString &right, const QString &wrong)
{
    return "! п\n? {\n+ " + right + "\n- " + wrong + "\n\n";
}

// The tool's exit status; what it told on its error stream goes into err.
int run(const std::vector<std::string> &args, std::string &err)
{
    std::ostringstream out;
    std::ostringstream errors;
    const int status = RunBankTool(args, out, errors);
    err = errors.str();
    return status;
}

QByteArray fileAt(const fs::path &file)
{
    return readFile(QString::fromStdString(file.string()));
}

} // namespace

class TestBank : public QObject
{
    Q_OBJECT
private slots:
    void checkRefusesOneBrokenSource_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("broken");     // the first paragraphs of the block's file
        QTest::addColumn<QByteArray>("picture"); // what picture 01 is replaced by, if anything
        QTest::addColumn<QString>("where");      // file:line of the one problem told
        QTest::addColumn<QString>("says");
        const QString pictureOne = "! п\n= 01-slika\n? S\n+ а\n- б\n\n"; // picture 01 spoilt
        std::string error;
        auto padded = [&](std::size_t length) {
            return QByteArray::fromStdString(*PadGif(testgif::picture(), length, error));
        };
        auto row = [](const char *name, int block, const QString &broken, int line,
                      const char *says, const QByteArray &picture = {}) {
            const std::string file(kSourceNames[block]);
            QTest::newRow(name) << block << broken << picture
                                << QString::fromStdString("/" + file + ":" + std::to_string(line))
                                << QString::fromUtf8(says);
        };
        row("outside Windows-1251", 2, answers("тачно 😀", "нетачно"), 3, "U+1F600");
        row("a tab", 2, answers("тачно\tда", "нетачно"), 3, "\\x09");
        row("an unknown escape", 2, answers("тачно \\q", "нетачно"), 3, "\\xHH");
        row("a byte below 10", 2, answers("тачно\\x09", "нетачно"), 3, "мањи од 10");
        row("a byte stored as the separator", 2, answers("а\\x0Bб", "в"), 3, "знак за раздвајање");
        row("a byte stored as CR", 2, answers("а\\x17б", "в"), 3, "крај реда");
        row("an empty answer", 2, "! п\n? {\n+\n- в\n\n", 3, "празан");
        row("a repeated answer", 2, answers("исто", "исто"), 4, "исти одговор већ стоји у реду 3");
        row("a repeated question", 6, "! п\n? Питање 6.2?\n+ а\n- б\n\n", 7,
            "исто питање већ стоји у 6-opsta.txt, ред 2");
        row("one answer", 2, "! п\n? {\n+ само\n\n", 2, "од два до четири");
        row("a wrong answer first", 2, "! п\n? {\n- б\n+ а\n\n", 3, "пре нетачних");
        row("the kind code of another block", 2, "! п\n? P\n+ а\n- б\n\n", 2, "у блоку 2");
        row("a kind code as a free question", 6, "! п\n? J\n+ а\n- б\n\n", 2, "ознака врсте");
        row("no rule line", 3, "? P\n+ а\n- б\n\n", 1, "ред „!“");
        row("no picture line", 1, "! п\n? S\n+ а\n- б\n\n", 1, "ред „=“");
        row("the picture of another position", 1, "! п\n= 02-slika\n? S\n+ а\n- б\n\n", 2,
            "број слике је место питања");
        row("a picture that is not there", 1, "! п\n= 01-nema\n? S\n+ а\n- б\n\n", 2, "нема слике");
        row("a picture larger than its place", 1, pictureOne, 2, "место у архиви", padded(4456));
        row("a picture of another size", 1, pictureOne, 2, "113 x 130",
            QByteArray::fromStdString(testgif::picture(100, 100)));
        row("a picture 3 bytes short of its place", 1, pictureOne, 2, "најмање 5", padded(4452));
        row("an answer wider than its row", 2, answers(QString(36, QChar(u'Ш')), "б"), 3,
            "ред одговора 433");
        row("a question in three lines", 6,
            "! п\n? " + QString("Која је реч написана погрешно у овој реченици ").repeated(3) +
                "?\n+ а\n- б\n\n",
            2, "два реда");
        row("fewer questions than a game takes", 6, "", 5, "једна игра узима 2");
        row("a line without separators", 2, "@ ред без знака\n\n", 1,
            "знак за раздвајање (бајт 1)");
        row("a line stored as a block marker", 2, "@ 44\n\n", 1, "ознака краја блока");
        row("an unknown sign", 2, "! п\n? {\n+ а\n- б\n* в\n\n", 5, "знаци редова");
        row("no blank after the sign", 2, "! п\n? {\n+ а\n- б\n-в\n\n", 5, "један размак");
        row("no question line", 2, "! п\n+ а\n- б\n\n", 1, "ред „?“");
        QTest::newRow("a block without its file") << 5 << QString() << QByteArray() << "/questions"
                                                  << QString::fromUtf8("нема датотеке блока 5");
    }
    void checkRefusesOneBrokenSource()
    {
        QFETCH(int, block);
        QFETCH(QString, broken);
        QFETCH(QByteArray, picture);
        QFETCH(QString, where);
        QFETCH(QString, says);
        // The smallest bank that keeps every rule, and the 39 pictures of the archive beside it.
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const fs::path questions = root / "questions";
        fs::create_directories(questions);
        fs::create_directories(root / "pictures");
        for (int k = 1; k <= kBlockCount; ++k) {
            const std::string file = (questions / kSourceNames[k]).string();
            if (k != block)
                testbank::write(file, "# Блок\n\n" + goodFrom(k, 1));
            else if (where != QLatin1String("/questions"))
                testbank::write(file, broken.toStdString() + goodFrom(k, 2));
        }
        for (int n = 1; n <= kPictureCount; ++n)
            testbank::write((root / "pictures" / (twoDigits(n) + "-slika.gif")).string(),
                            n == 1 && !picture.isEmpty() ? picture.toStdString()
                                                         : testgif::picture());

        std::string err;
        QCOMPARE(run({"check", questions.string()}, err), 1);
        const QString told = QString::fromStdString(err);
        QVERIFY2(told.contains(QString::fromUtf8("Грешака: 1.")), err.c_str());
        QVERIFY2(told.contains(where + ": ") && told.contains(says), err.c_str());
        QCOMPARE(run({"pack", questions.string(), (root / "out").string()}, err), 1);
        QVERIFY(!fs::exists(root / "out" / "Pitanja.dat"));
    }

    void padsAPictureWithAComment_data()
    {
        QTest::addColumn<int>("padding");
        // none; the smallest comment; one byte past a full sub-block, which must be split
        for (int padding : {0, 5, 260, 3000})
            QTest::newRow(qPrintable(QString("%1 bytes").arg(padding))) << padding;
    }
    void padsAPictureWithAComment()
    {
        QFETCH(int, padding);
        const std::string gif = testgif::picture();
        std::string error;
        const auto padded = PadGif(gif, gif.size() + padding, error);
        QVERIFY2(padded, error.c_str());
        QCOMPARE(padded->size(), gif.size() + padding);
        const auto layout = ReadGifLayout(*padded, error);
        QVERIFY2(layout && layout->trailer == padded->size() - 1, error.c_str());
        const QImage image = QImage::fromData(QByteArray::fromStdString(*padded), "gif");
        QCOMPARE(image.size(), QSize(kPictureWidth, kPictureHeight));
        QCOMPARE(image, QImage::fromData(QByteArray::fromStdString(gif), "gif"));
    }

    void measuresTheShapeOfCorrectAnswers_data()
    {
        QTest::addColumn<QString>("source");         // block 2, three questions a game
        QTest::addColumn<QList<double>>("expected"); // blind guesser, then rate and chance per tell
        QTest::addColumn<QString>("marks");          // '!' where a tell gives the answer away
        // Letters count, not UTF-8 bytes: "аб" is shorter than "abc".
        QTest::newRow("shortest and longest")
            << "? {\n+ аб\n- abc\n\n? {\n+ абвгд\n- а\n- abc\n- abcd\n\n"
            << QList<double>{1.125, 0.5, 0.375, 0.5, 0.375, 0, 0, 0, 0} << "!!--";
        QTest::newRow("a tie for shortest, fewest blanks and hyphens")
            << "? {\n+ једно\n- два дела\n- по-ла\n\n"
            << QList<double>{1, 0, 0, 0, 1 / 3., 1, 1 / 3., 0, 0} << "--!-";
        QTest::newRow("middle by capitals")
            << "? {\n+ Ђак Пера\n- ЉУТ\n- мир\n- Нова\n\n? {\n+ АБВ\n- аб\n- Аб\n\n"
            << QList<double>{0.875, 0, 0, 1, 7 / 24., 0, 0, 0.5, 5 / 12.} << "-!--";
    }
    void measuresTheShapeOfCorrectAnswers()
    {
        QFETCH(QString, source);
        QFETCH(QList<double>, expected);
        QFETCH(QString, marks);
        std::vector<Problem> problems;
        const BlockShape shape =
            MeasureShape(ParseSource("2-bolje.txt", source.toStdString(), problems), BlockQuota[2]);
        QVERIFY(problems.empty());
        QCOMPARE(shape.questions, source.count("\n\n"));
        QCOMPARE(shape.guessed, expected[0]);
        for (int tell = 0; tell < kShapeTellCount; ++tell) {
            QCOMPARE(shape.rate[tell], expected[1 + 2 * tell]);
            QCOMPARE(shape.chance[tell], expected[2 + 2 * tell]);
            QCOMPARE(GivesAway(shape.rate[tell], shape.chance[tell]), marks[tell] == '!');
        }
    }

    void unpackThenPackGivesBackTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<bool>("asIs"); // the bank breaks the rules and is packed as it stands
        std::vector<std::string> lines = testbank::lines(testbank::kSmallest);
        lines[0] += EncodeText("текст после последњег раздвајања");
        for (int b = 0; b < 256; ++b) // every byte a stored line can hold after its fields
            if (b != 1 && b != 13)
                lines[1] += static_cast<char>(b);
        lines[3] = testbank::record("{", {" тачно\\ ", "нетачно\u00A0", "\\x20"});
        lines[23] = testbank::record("44 и 4?", {"а", "б"}); // stored as "** ..."
        lines[24] = testbank::record("4", {"а", "б"});       // stored as "*..."
        QTest::newRow("a bank that keeps the rules")
            << QByteArray::fromStdString(testbank::join(lines)) << false;

        lines.insert(lines.begin(), "");        // an empty record
        lines.insert(lines.begin() + 4, "** "); // records, not markers
        lines.insert(lines.begin() + 5, "*");
        lines.insert(lines.begin() + 6, "без\nраздвајања"); // a bare LF is an ordinary byte
        lines.insert(lines.begin() + 7, "x\x01");           // a head without answers
        lines.insert(lines.begin() + 8, testbank::record("{", {"1", "2", "3", "4", "5"}));
        lines.insert(lines.begin() + 9, "\xF6\x01\xFF\x01\x01");
        QTest::newRow("a bank with edge cases")
            << QByteArray::fromStdString(testbank::join(lines)) << true;
    }
    void unpackThenPackGivesBackTheSameBytes()
    {
        QFETCH(QByteArray, bank);
        QFETCH(bool, asIs);
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const std::string file = (root / "Pitanja.dat").string();
        const std::string src = (root / "src").string();
        testbank::write(file, bank.toStdString());
        std::string err;
        QCOMPARE(run({"unpack", file, src}, err), 0);
        std::vector<std::string> args = {"pack", "--no-pictures", src, (root / "out").string()};
        QCOMPARE(run(args, err), asIs ? 1 : 0);
        if (asIs) {
            args.insert(args.begin() + 1, "--as-is");
            QVERIFY2(run(args, err) == 0, err.c_str());
        }
        QCOMPARE(fileAt(root / "out" / "Pitanja.dat"), bank);

        // Unpacking again would overwrite the sources: refused, and they stay as they are.
        const QByteArray sixth = fileAt(root / "src" / "6-opsta.txt");
        testbank::write(file, testbank::bytes(testbank::kSmallest));
        QCOMPARE(run({"unpack", file, src}, err), 1);
        QVERIFY2(QString::fromStdString(err).contains(QString::fromUtf8("већ има изворе")),
                 err.c_str());
        QCOMPARE(fileAt(root / "src" / "6-opsta.txt"), sixth);
    }
};

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
