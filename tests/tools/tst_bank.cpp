#include "BankBuilder.h"
#include "BankCheck.h"
#include "BankTool.h"
#include "GifMaker.h"
#include "PictureArchive.h"
#include "PictureFiles.h"
#include "QuestionBank.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// A question that keeps every rule, at position n of block k.
std::string good(int k, int n)
{
    static const char *const kCodes[] = {"", "S", "{", "P", "G", "J"};
    const std::string id = std::to_string(k) + "." + std::to_string(n);
    std::string text = "! Правило питања " + id + ".\n";
    if (k == 1)
        text += "= " + twoDigits(n) + "-slika\n";
    text += k == 6 ? "? Питање " + id + "?\n" : std::string("? ") + kCodes[k] + "\n";
    return text + "+ тачно " + id + "\n- нетачно\n\n";
}

// Good questions from position first to the block's share of a game.
std::string goodFrom(int k, int first)
{
    std::string text;
    for (int n = first; n <= BlockQuota[k]; ++n)
        text += good(k, n);
    return text;
}

std::string readFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// A folder with questions/ holding the smallest bank that keeps every rule and pictures/ holding
// the 39 pictures of the archive.
struct Workspace
{
    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    fs::path questions = root / "questions";
    fs::path pictures = root / "pictures";

    Workspace()
    {
        fs::create_directories(questions);
        fs::create_directories(pictures);
        for (int k = 1; k <= kBlockCount; ++k)
            source(k, "# Блок " + std::to_string(k) + "\n\n" + goodFrom(k, 1));
        static const std::vector<std::string> kPictures = [] {
            std::vector<std::string> gifs;
            for (int n = 1; n <= kPictureCount; ++n)
                gifs.push_back(testgif::picture(n));
            return gifs;
        }();
        for (int n = 1; n <= kPictureCount; ++n)
            writeFile(picture(n), kPictures[n - 1]);
    }
    void source(int k, const std::string &text) { writeFile(questions / kSourceNames[k], text); }
    fs::path picture(int n) const { return pictures / (twoDigits(n) + "-slika.gif"); }
};

struct Run
{
    int status;
    std::string out;
    std::string err;
};

Run run(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBankTool(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

class TestBank : public QObject
{
    Q_OBJECT
private slots:
    void checkRefusesOneBrokenSource_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("broken");  // the first paragraphs of the block's file
        QTest::addColumn<QString>("picture"); // how picture 01 is spoilt
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        const QString pictureOne = QString::fromStdString(good(1, 1));
        auto row = [](const char *name, int block, const QString &broken, int line,
                      const char *says, const char *picture = "") {
            QTest::newRow(name) << block << broken << picture
                                << QString::fromUtf8(kSourceNames[block].data()) << line
                                << QString::fromUtf8(says);
        };
        row("outside Windows-1251", 2, "! п\n? {\n+ тачно 😀\n- нетачно\n\n", 3, "U+1F600");
        row("a tab", 2, "! п\n? {\n+ тачно\tда\n- нетачно\n\n", 3, "\\x09");
        row("an unknown escape", 2, "! п\n? {\n+ тачно \\q\n- нетачно\n\n", 3, "\\xHH");
        row("a byte below 10", 2, "! п\n? {\n+ тачно\\x09\n- нетачно\n\n", 3, "мањи од 10");
        row("a byte stored as the separator", 2, "! п\n? {\n+ а\\x0Bб\n- в\n\n", 3,
            "знак за раздвајање");
        row("a byte stored as CR", 2, "! п\n? {\n+ а\\x17б\n- в\n\n", 3, "крај реда");
        row("an empty answer", 2, "! п\n? {\n+\n- в\n\n", 3, "празан");
        row("a repeated answer", 2, "! п\n? {\n+ исто\n- исто\n\n", 4,
            "исти одговор већ стоји у реду 3");
        row("a repeated question", 6, "! п\n? Питање 6.2?\n+ а\n- б\n\n", 7,
            "исто питање већ стоји у 6-opsta.txt, ред 2");
        row("one answer", 2, "! п\n? {\n+ само\n\n", 2, "од два до четири");
        row("five answers", 2, "! п\n? {\n+ а\n- б\n- в\n- г\n- д\n\n", 2, "од два до четири");
        row("a wrong answer first", 2, "! п\n? {\n- б\n+ а\n\n", 3, "пре нетачних");
        row("the kind code of another block", 2, "! п\n? P\n+ а\n- б\n\n", 2, "у блоку 2");
        row("a kind code as a free question", 6, "! п\n? J\n+ а\n- б\n\n", 2, "ознака врсте");
        row("no rule line", 3, "? P\n+ а\n- б\n\n", 1, "ред „!“");
        row("no picture line", 1, "! п\n? S\n+ а\n- б\n\n", 1, "ред „=“");
        row("the picture of another position", 1, "! п\n= 02-slika\n? S\n+ а\n- б\n\n", 2,
            "број слике је место питања");
        row("a picture that is not there", 1, "! п\n= 01-nema\n? S\n+ а\n- б\n\n", 2, "нема слике");
        row("a picture larger than its place", 1, pictureOne, 2, "место у архиви", "large");
        row("a picture of another size", 1, pictureOne, 2, "113 x 130", "size");
        row("a picture 3 bytes short of its place", 1, pictureOne, 2, "најмање 5", "short");
        row("an answer wider than its row", 2,
            "! п\n? {\n+ " + QString(36, QChar(u'Ш')) + "\n- б\n\n", 3, "ред одговора 433");
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
        QTest::newRow("a block without its file")
            << 5 << ""
            << ""
            << "questions" << 0 << QString::fromUtf8("нема датотеке блока 5");
    }
    void checkRefusesOneBrokenSource()
    {
        QFETCH(int, block);
        QFETCH(QString, broken);
        QFETCH(QString, picture);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, says);
        Workspace w;
        if (file == "questions")
            fs::remove(w.questions / kSourceNames[block]);
        else
            w.source(block, broken.toStdString() + goodFrom(block, 2));
        std::string error;
        if (picture == "large")
            writeFile(w.picture(1), testgif::noise());
        else if (picture == "size")
            writeFile(w.picture(1), testgif::picture(1, 100, 100));
        else if (picture == "short")
            writeFile(w.picture(1), *PadGif(testgif::picture(1), 4455 - 3, error));

        const std::vector<Problem> problems = CheckSources(ReadSources(w.questions), {});
        std::string told;
        for (const Problem &p : problems)
            told += DescribeProblem(p) + "\n";
        QVERIFY2(problems.size() == 1, told.c_str());
        QCOMPARE(QString::fromStdString(problems[0].file.filename().string()), file);
        QCOMPARE(problems[0].line, line);
        QVERIFY2(QString::fromStdString(problems[0].message).contains(says), told.c_str());
        const Run refused = run({"check", w.questions.string()});
        QCOMPARE(refused.status, 1);
        QVERIFY(QString::fromStdString(refused.err).contains(QString::fromStdString(told)));
    }

    void packsTheBankAndEveryPictureToItsExactPlace()
    {
        Workspace w;
        QCOMPARE(run({"check", w.questions.string()}).status, 0);
        const fs::path out = w.root / "out";
        const Run packed = run({"pack", w.questions.string(), out.string()});
        QVERIFY2(packed.status == 0, packed.err.c_str());

        QuestionBank bank;
        std::string workText;
        Random random({0.5});
        LoadQuestionBank(bank, workText, out, random);
        for (int k = 1; k <= kBlockCount; ++k)
            QCOMPARE(bank.blockSize[k], BlockQuota[k]);

        const std::string archive = readFile(out / kPictureArchiveName);
        QCOMPARE(static_cast<std::int64_t>(archive.size()), kPictureArchiveSize);
        for (int n = 1; n <= kPictureCount; ++n) {
            const PicturePlace place = *FindPicture(100 + n);
            QByteArray bytes(archive.data() + place.offset - 1, static_cast<int>(place.length));
            const std::string original = testgif::picture(n);
            QVERIFY(bytes.startsWith(QByteArray::fromStdString(original).chopped(1)));
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            QCOMPARE(reader.format(), QByteArray("gif"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.size(), QSize(kPictureWidth, kPictureHeight));
        }
    }

    void padsAPictureWithAComment_data()
    {
        QTest::addColumn<int>("padding");
        QTest::addColumn<QString>("refusal");
        for (int padding : {0, 5, 6, 258, 259, 260, 261, 3000})
            QTest::newRow(qPrintable(QString("%1 bytes").arg(padding))) << padding << QString();
        for (int padding : {1, 4})
            QTest::newRow(qPrintable(QString("%1 bytes").arg(padding)))
                << padding << QString::fromUtf8("најмање 5");
        QTest::newRow("one byte too long") << -1 << QString::fromUtf8("место у архиви");
    }
    void padsAPictureWithAComment()
    {
        QFETCH(int, padding);
        QFETCH(QString, refusal);
        const std::string gif = testgif::picture(7);
        std::string error;
        const auto padded = PadGif(gif, gif.size() + padding, error);
        if (!refusal.isEmpty()) {
            QVERIFY(!padded);
            QVERIFY2(QString::fromStdString(error).contains(refusal), error.c_str());
            return;
        }
        QVERIFY2(padded, error.c_str());
        QCOMPARE(padded->size(), gif.size() + padding);
        const auto layout = ReadGifLayout(*padded, error);
        QVERIFY2(layout, error.c_str());
        QCOMPARE(layout->trailer, padded->size() - 1);
        QImage image = QImage::fromData(QByteArray::fromStdString(*padded), "gif");
        QCOMPARE(image.size(), QSize(kPictureWidth, kPictureHeight));
        QCOMPARE(image, QImage::fromData(QByteArray::fromStdString(gif), "gif"));
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
        writeFile(root / "Pitanja.dat", bank.toStdString());
        const Run unpacked =
            run({"unpack", (root / "Pitanja.dat").string(), (root / "src").string()});
        QVERIFY2(unpacked.status == 0, unpacked.err.c_str());
        std::vector<std::string> args = {"pack", "--no-pictures", (root / "src").string(),
                                         (root / "out").string()};
        const Run checked = run(args);
        QCOMPARE(checked.status, asIs ? 1 : 0);
        if (asIs) {
            args.insert(args.begin() + 1, "--as-is");
            const Run packed = run(args);
            QVERIFY2(packed.status == 0, packed.err.c_str());
        }
        QCOMPARE(QByteArray::fromStdString(readFile(root / "out" / "Pitanja.dat")), bank);
    }

    void packRefusesWhatCheckRefuses_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("source"); // block 2
        QTest::addColumn<int>("status");
        const QString noRule = "? {\n+ а\n- б\n\n";
        const QString repeated = "! п\n? {\n+ а\n- а\n\n";
        QTest::newRow("no rule line") << QStringList{} << noRule << 1;
        QTest::newRow("no rule line, no pictures") << QStringList{"--no-pictures"} << noRule << 0;
        QTest::newRow("a repeated answer, no pictures")
            << QStringList{"--no-pictures"} << repeated << 1;
        QTest::newRow("a repeated answer, as it stands")
            << QStringList{"--no-pictures", "--as-is"} << repeated << 0;
        QTest::newRow("an unwritable byte, as it stands")
            << QStringList{"--as-is"} << "! п\n? {\n+ а\\x0B\n- б\n\n"
            << 1;
    }
    void packRefusesWhatCheckRefuses()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, source);
        QFETCH(int, status);
        Workspace w;
        w.source(2, source.toStdString() + goodFrom(2, 2));
        std::vector<std::string> args = {"pack"};
        for (const QString &option : options)
            args.push_back(option.toStdString());
        args.push_back(w.questions.string());
        args.push_back((w.root / "out").string());
        const Run packed = run(args);
        QCOMPARE(packed.status, status);
        QCOMPARE(fs::exists(w.root / "out" / "Pitanja.dat"), status == 0);
        if (status != 0)
            QVERIFY(QString::fromStdString(packed.err).contains("2-bolje.txt:"));
    }

    void unpackRefusesWhatSixSourcesCannotHold_data()
    {
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<bool>("sourcesThere");
        QTest::addColumn<QString>("says");
        std::vector<std::string> lines = testbank::lines(testbank::kSmallest);
        const std::string whole = testbank::join(lines);
        QTest::newRow("a folder that has sources")
            << QByteArray::fromStdString(whole) << true << QString::fromUtf8("већ има изворе");
        lines.pop_back();
        QTest::newRow("five markers") << QByteArray::fromStdString(testbank::join(lines)) << false
                                      << QString::fromUtf8("мора бити шест");
        QTest::newRow("a record after the sixth marker")
            << QByteArray::fromStdString(whole + "x\x01y\x01z\x01\r\n") << false
            << QString::fromUtf8("после шесте");
    }
    void unpackRefusesWhatSixSourcesCannotHold()
    {
        QFETCH(QByteArray, bank);
        QFETCH(bool, sourcesThere);
        QFETCH(QString, says);
        Workspace w;
        if (!sourcesThere)
            fs::remove_all(w.questions);
        writeFile(w.root / "Pitanja.dat", bank.toStdString());
        const Run unpacked =
            run({"unpack", (w.root / "Pitanja.dat").string(), w.questions.string()});
        QCOMPARE(unpacked.status, 1);
        QVERIFY2(QString::fromStdString(unpacked.err).contains(says), unpacked.err.c_str());
        QCOMPARE(fs::exists(w.questions / "6-opsta.txt"), sourcesThere);
    }
};

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
