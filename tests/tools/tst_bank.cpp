#include "BankBuilder.h"
#include "BankTool.h"
#include "GifMaker.h"
#include "PictureFiles.h"
#include "ShapeStats.h"
#include "TestFiles.h"

#include <QtTest>
#include <sstream>

namespace fs = std::filesystem;

// The name of picture n, as the source names it.
const auto picture = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n) + "-slika"; };

// Questions that keep every rule, from position first to the block's share of a game. Their
// rule lines fill all three lines of the rule's place; one word more takes a fourth.
static std::string good(int k, int first)
{
    std::string text;
    for (int n = first; n <= BlockQuota[k]; ++n) {
        const std::string id = std::to_string(k) + "." + std::to_string(n);
        text += "!" + QString(" реч").repeated(54).toStdString() + "\n" +
                (k == 1 ? "= " + picture(n) + "\n" : "") + "? " +
                (k == 6 ? "Питање " + id + "?" : std::string(1, " S{PGJ"[k])) + "\n+ " + id +
                "\n- б\n\n";
    }
    return text;
}

// The tool's exit status and what it wrote to its error stream.
static std::pair<int, std::string> run(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    return {RunBankTool(args, out, err), err.str()}; // braced: the tool runs first
}

class TestBank : public QObject
{
    Q_OBJECT
private slots:
    void checkRefusesOneBrokenSource_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("broken"); // the first paragraphs of the block's file
        QTest::addColumn<int>("line");       // of the one problem told; 0: the file is missing
        QTest::addColumn<QString>("says");
        QTest::addColumn<std::string>("gif"); // what replaces picture 01, if anything
        QTest::addColumn<QString>("packed");  // "-": pack refuses; else it warns, packs this tail
        const auto row = [](const char *name, int block, QString broken, int line, QString says,
                            std::string gif = {}, QString packed = "-") {
            QTest::newRow(name) << block << broken << line << says << gif << packed;
        };
        const auto two = [](QString a, QString b) {
            return "! п\n? {\n+ " + a + "\n- " + b + "\n\n";
        };
        const QString one = "! п\n= 01-slika\n? S\n+ а\n- б\n\n";
        std::string error;
        const auto padded = [&](int size) { return *PadGif(testgif::picture(), size, error); };
        row("outside Windows-1251", 2, two("тачно 😀", "нетачно"), 3, "U+1F600");
        row("a tab", 2, two("тачно\tда", "нетачно"), 3, "\\x09");
        row("an unknown escape", 2, two("тачно \\q", "нетачно"), 3, "\\xHH");
        row("a byte below 10", 2, two("тачно\\x09", "нетачно"), 3, "мањи од 10");
        row("a byte stored as the separator", 2, two("а\\x0Bб", "в"), 3, "знак за раздвајање");
        row("a byte stored as CR", 2, two("а\\x17б", "в"), 3, "крај реда");
        row("an empty answer", 2, "! п\n? {\n+\n- в\n\n", 3, "празан");
        row("a repeated answer", 2, two("исто", "исто"), 4, "исти одговор већ стоји у реду 3");
        row("a repeated question", 6, "! п\n? Питање 6.2?\n+ а\n- б\n\n", 7, "6-opsta.txt, ред 2");
        row("one answer", 2, "! п\n? {\n+ само\n\n", 2, "од два до четири");
        row("a wrong answer first", 2, "! п\n? {\n- б\n+ а\n\n", 3, "пре нетачних");
        row("the kind code of another block", 2, "! п\n? P\n+ а\n- б\n\n", 2, "у блоку 2");
        row("a kind code as a free question", 6, "! п\n? J\n+ а\n- б\n\n", 2, "ознака врсте");
        row("no rule line", 3, "? P\n+ а\n- б\n\n", 1, "ред „!“");
        const QString asked = "? {\n+ а\n- б\n\n", wide = QString(" реч").repeated(55);
        row("a rule longer than three lines", 2, "!" + wide + "\n" + asked, 1, "три реда", {},
            "!" + wide.mid(1));
        row("a rule outside Windows-1251", 2, "! Müller\n" + asked, 1, "U+00FC", {}, "");
        row("a rule byte stored as the separator", 2, "! а\\x0B\n" + asked, 1, "раздвај", {}, "");
        row("a rule byte below 10", 2, "! а\\x09\n" + asked, 1, "мањи од 10");
        row("a kept line read as a rule", 2, "? {\n+ а\n- б\n~ !в\n\n", 4, "као правило");
        row("a rule and a kept line", 2, "! п\n? {\n+ а\n- б\n~ в\n\n", 5, "исто место");
        row("no picture line", 1, "! п\n? S\n+ а\n- б\n\n", 1, "ред „=“");
        row("picture 02 at place 1", 1, "! п\n= 02-slika\n? S\n+ а\n- б\n\n", 2, "место питања");
        row("a picture that is not there", 1, "! п\n= 01-nema\n? S\n+ а\n- б\n\n", 2, "нема слике");
        row("a picture larger than its place", 1, one, 2, "место у архиви", padded(4456));
        row("a picture 3 bytes short of its place", 1, one, 2, "најмање 5", padded(4452));
        row("a picture of another size", 1, one, 2, "113 x 130", testgif::picture(100, 100));
        row("an answer wider than its row", 2, two(QString(36, u'Ш'), "б"), 3, "ред одговора 433");
        row("a question in three lines", 6,
            two("а", "б").replace("{", QString("реченица ").repeated(16)), 2, "два реда");
        row("fewer questions than a game takes", 6, "", 5, "једна игра узима 2");
        row("a line without separators", 2, "@ ред\n\n", 1, "знак за раздвајање (бајт 1)");
        row("a line stored as a block marker", 2, "@ 44\n\n", 1, "ознака краја блока");
        row("an unknown sign", 2, "! п\n? {\n+ а\n- б\n* в\n\n", 5, "знаци редова");
        row("no blank after the sign", 2, "! п\n? {\n+ а\n- б\n-в\n\n", 5, "један размак");
        row("no question line", 2, "! п\n+ а\n- б\n\n", 1, "ред „?“");
        row("a block without its file", 5, "", 0, "нема датотеке блока 5");
    }
    void checkRefusesOneBrokenSource()
    {
        QFETCH(int, block);
        QFETCH(QString, broken);
        QFETCH(int, line);
        QFETCH(QString, says);
        QFETCH(std::string, gif);
        QFETCH(QString, packed);
        // The smallest bank that keeps every rule, and its pictures beside it.
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString(), questions = root / "questions";
        for (const char *folder : {"questions", "pictures"})
            fs::create_directories(root / folder);
        for (int k = 1; k <= kBlockCount; ++k)
            if (k != block || line)
                testbank::write(questions / kSourceNames[k],
                                k == block ? broken.toStdString() + good(k, 2) : good(k, 1));
        for (int n = 1; n <= kPictureCount; ++n)
            testbank::write(root / "pictures" / (picture(n) + ".gif"),
                            n == 1 && !gif.empty() ? gif : testgif::picture());
        const auto [status, err] = run({"check", questions});
        const QString told = QString::fromStdString(err), file = kSourceNames[block].data();
        QVERIFY2(status == 1 && told.contains("Грешака: 1.") && told.contains(says) &&
                     told.contains(line ? QString("/%1:%2: ").arg(file).arg(line) : "/questions: "),
                 err.c_str());
        QCOMPARE(run({"pack", questions, root / "out"}).first, packed == "-" ? 1 : 0);
        if (packed != "-") // the tail of block 2's first record, after its last answer
            QVERIFY(readFile((root / "out" / "Pitanja.dat").c_str()).split('\n')[3].endsWith(
                "\x01" + EncodeText(cp1251::literal(packed.toStdString())) + "\r"));
    }

    void padsAPictureWithAComment()
    {
        const std::string gif = testgif::picture();
        // None; the smallest comment; one byte past a full sub-block, which must be split.
        for (std::size_t padding : {0, 5, 260, 3000}) {
            std::string error;
            const auto padded = PadGif(gif, gif.size() + padding, error);
            QVERIFY2(padded && padded->size() == gif.size() + padding, error.c_str());
            const auto layout = ReadGifLayout(*padded, error);
            QVERIFY2(layout && layout->trailer == padded->size() - 1, error.c_str());
            QCOMPARE(QImage::fromData(*padded, "gif"), QImage::fromData(gif, "gif"));
        }
    }

    void measuresTheShapeOfCorrectAnswers_data()
    {
        QTest::addColumn<QString>("source");         // block 2, three questions a game
        QTest::addColumn<QList<double>>("expected"); // blind guesser, then rate and chance per tell
        QTest::addColumn<QString>("marks");          // '!' where a tell gives the answer away
        // Letters count, not UTF-8 bytes: "аб" is shorter than "abc".
        QTest::newRow("ends") << "? {\n+ аб\n- abc\n\n? {\n+ абвгд\n- а\n- abc\n- abcd\n\n"
                              << QList<double>{1.125, 0.5, 0.375, 0.5, 0.375, 0, 0, 0, 0} << "!!--";
        QTest::newRow("ties") << "? {\n+ једно\n- два дела\n- по-ла\n\n"
                              << QList<double>{1, 0, 0, 0, 1 / 3., 1, 1 / 3., 0, 0} << "--!-";
        QTest::newRow("capitals")
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
        QCOMPARE(shape.guessed, expected[0]);
        for (int tell = 0; tell < kShapeTellCount; ++tell) {
            QCOMPARE(shape.rate[tell], expected[1 + 2 * tell]);
            QCOMPARE(shape.chance[tell], expected[2 + 2 * tell]);
            QCOMPARE(GivesAway(shape.rate[tell], shape.chance[tell]), marks[tell] == '!');
        }
    }

    void unpackThenPackGivesBackTheSameBytes()
    {
        std::string every; // every byte a stored line can hold after its fields
        for (int b = 0; b < 256; ++b)
            every += b == 1 || b == 13 ? "" : std::string(1, char(b));
        std::vector<std::string> lines = testbank::lines(testbank::kSmallest);
        // Odd records carry a rule ("!" stored as 0x17), even ones none or other bytes.
        lines[0] += EncodeText("текст после последњег раздвајања");
        lines[1] += every;
        lines[4] += EncodeText(cp1251::literal("! правило "));
        lines[7] += "\x17" + every;
        lines[9] += "\x17";
        lines[3] = testbank::record("{", {" тачно\\ ", "нетачно\u00A0", "\\x20"});
        lines[23] = testbank::record("44 и 4?", {"а", "б"}); // stored as "** ..."
        lines[24] = testbank::record("4", {"а", "б"});       // stored as "*..."
        // Records, not markers; a bare LF; a head without answers; five answers; an empty record
        lines.insert(lines.begin() + 3,
                     {"** ", "*", "без\nраздвајања", "x\x01",
                      testbank::record("{", {"1", "2", "3", "4", "5"}), "\xF6\x01\xFF\x01\x01"});
        lines.insert(lines.begin(), "");
        const std::string bank = testbank::join(lines);
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const std::string file = root / "Pitanja.dat", src = root / "src";
        const auto read = [&](const fs::path &path) { return readFile((root / path).c_str()); };
        testbank::write(file, bank);
        QCOMPARE(run({"unpack", file, src}).first, 0);
        QCOMPARE(run({"pack", "--no-pictures", "--as-is", src, root / "out"}).first, 0);
        QCOMPARE(read("out/Pitanja.dat"), QByteArray::fromStdString(bank));
        const QByteArray first = read("src/1-slike.txt"), second = read("src/2-bolje.txt");
        QVERIFY(first.contains("\n! Зато што 1.") && first.contains("\n~ \\x0A\\x0C"));
        QVERIFY(second.contains("\n! \\x20правило\\x20\n? {") && second.contains("- 5\n\n"));
        // Unpacking over sources is refused and leaves them as they were.
        testbank::write(file, testbank::bytes(testbank::kSmallest));
        QCOMPARE(run({"unpack", file, src}).first, 1);
        QCOMPARE(read("src/1-slike.txt"), first);
    }
};

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
