#include "frmUpis.h"

#include "Controls.h"
#include "Cp1251.h"
#include "Fonts.h"
#include "Message.h"
#include "ScoreList.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace {

constexpr int kNameLength = 10;

// Alphabet position of the Cyrillic letter under each Latin key a..z; 0 for y, which stays.
constexpr int kLetterPosition[26] = {1,  2,  27, 5,  7,  25, 4,  26, 10, 11, 12, 13, 15,
                                     16, 18, 19, 14, 20, 21, 22, 24, 3,  17, 29, 0,  9};

struct PunctuationKey
{
    char16_t key;
    int position;
    bool capital;
};
constexpr PunctuationKey kPunctuation[] = {
    {u'[', 30, false}, {u'{', 30, true},  {u']', 6, false}, {u'}', 6, true},    {u'\\', 8, false},
    {u'|', 8, true},   {u';', 28, false}, {u':', 28, true}, {u'\'', 23, false}, {u'"', 23, true},
};

QChar letterAt(int position, bool capital)
{
    return QChar(capital ? kUpperAlphabet[position - 1] : kLowerAlphabet[position - 1]);
}

// Lets into the name box only what the list file can hold: printable characters of the
// Windows-1251 code page. Text pasted with anything else is refused as a whole.
class ListTextValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        for (const char32_t c : input.toUcs4()) {
            if (c < 0x20 || c == 0x7F || !cp1251::fromUnicode(c))
                return Invalid;
        }
        return Acceptable;
    }
};

// Why the line was not stored, in the player's words, and that nothing was lost.
QString failedSaveMessage(ListSave why)
{
    const char *cause = "датотека листе није могла да се прочита или упише";
    switch (why) {
    case ListSave::FileWriteProtected:
        cause = "датотека листе је заштићена од уписа";
        break;
    case ListSave::NameIsFolder:
        cause = "на месту датотеке листе је фасцикла истог имена";
        break;
    case ListSave::FolderMissing:
        cause = "фасцикла листе не постоји";
        break;
    case ListSave::FolderNotWritable:
        cause = "у фасциклу листе не може да се пише";
        break;
    case ListSave::DiskFull:
        cause = "диск је пун";
        break;
    case ListSave::Busy:
        cause = "листу предуго држи други покренути примерак програма";
        break;
    case ListSave::Outscored:
        cause = "у међувремену је листа попуњена бољим резултатима";
        break;
    default:
        break;
    }
    return QStringLiteral("Листа није сачувана: %1. Ранија листа је остала каква је била.")
        .arg(QString::fromUtf8(cause));
}

} // namespace

QChar TranslateKey(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'a' && c <= u'z' && kLetterPosition[c - u'a'] != 0)
        return letterAt(kLetterPosition[c - u'a'], false);
    if (c >= u'A' && c <= u'Z' && kLetterPosition[c - u'A'] != 0)
        return letterAt(kLetterPosition[c - u'A'], true);
    for (const PunctuationKey &p : kPunctuation) {
        if (p.key == c)
            return letterAt(p.position, p.capital);
    }
    return typed;
}

frmUpis::frmUpis(std::filesystem::path writeFolder, std::int16_t finalScore, QWidget *parent)
    : ScreenDialog(twipsSize(2625, 1725), parent), m_writeFolder(std::move(writeFolder)), m_finalScore(finalScore)
{
    setFont(arial(9.75));

    Label1 = new TitleStrip(QStringLiteral("  Упишите своје име"), twips(0, 0, 2655, 255), this);
    txtIme = new QLineEdit(this);
    txtIme->setGeometry(twips(120, 480, 2295, 375));
    txtIme->setMaxLength(kNameLength);
    txtIme->setAccessibleName(QStringLiteral("Име"));
    txtIme->setValidator(new ListTextValidator(txtIme));
    txtIme->installEventFilter(this);
    cmdIzlaz = pushButton(this, twips(120, 1200, 1095, 375), QStringLiteral("Излаз"));
    cmdOdustani = pushButton(this, twips(1320, 1200, 1095, 375), QStringLiteral("Одустани"));

    QWidget::setTabOrder(txtIme, cmdIzlaz);
    QWidget::setTabOrder(cmdIzlaz, cmdOdustani);
    txtIme->setFocus();

    connect(cmdIzlaz, &QPushButton::clicked, this, &frmUpis::cmdIzlaz_Click);
    connect(cmdOdustani, &QPushButton::clicked, this, &frmUpis::cmdOdustani_Click);
}

bool frmUpis::eventFilter(QObject *watched, QEvent *event)
{
    // A typed key reaches the box as its Cyrillic letter. The translated letters translate to
    // themselves, so the event sent on does not come back changed.
    if (watched == txtIme && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QString text = key->text();
        for (QChar &c : text)
            c = TranslateKey(c);
        if (text != key->text()) {
            QKeyEvent translated(QEvent::KeyPress, key->key(), key->modifiers(), text,
                                 key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(txtIme, &translated);
            return true;
        }
    }
    return ScreenDialog::eventFilter(watched, event);
}

void frmUpis::cmdIzlaz_Click()
{
    playerName = txtIme->text();
    if (playerName.trimmed().isEmpty())
        return;
    const auto name = cp1251::fromUtf8(playerName.toStdString());
    if (!name)
        return; // cannot happen: the box takes only what the code page holds
    const ScoreEntry line = BuildScoreLine(*name, m_finalScore);
    // The list is read again under its lock, so a line another copy stored meanwhile counts.
    ScoreList list;
    if (const ListSave saved = AddScoreLine(list, line, m_writeFolder);
        saved != ListSave::Saved) {
        showMessage(this, QMessageBox::Warning, failedSaveMessage(saved));
        return;
    }
    closeScreen(Accepted);
}

void frmUpis::cmdOdustani_Click()
{
    closeScreen(Rejected);
}
