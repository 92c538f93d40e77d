#pragma once

#include "ScreenDialog.h"

#include <cstdint>
#include <filesystem>

class QLineEdit;
class QPushButton;
class TitleStrip;

// The Serbian Cyrillic alphabet in order, both cases; position n of one is the same letter as
// position n of the other.
inline constexpr char16_t kLowerAlphabet[] = u"абвгдђежзијклљмнњопрстћуфхцчџш";
inline constexpr char16_t kUpperAlphabet[] = u"АБВГДЂЕЖЗИЈКЛЉМНЊОПРСТЋУФХЦЧЏШ";

// What a key typed into the name box becomes: Latin letters and ten punctuation keys give the
// Cyrillic letter at the same place of the keyboard, everything else passes unchanged.
QChar TranslateKey(QChar typed);

// Takes the player's name and adds the game's line to the list in writeFolder. "Излаз" with a
// name stores it and closes Accepted; "Одустани" leaves without storing (Rejected).
class frmUpis : public ScreenDialog
{
    Q_OBJECT
public:
    frmUpis(std::filesystem::path writeFolder, std::int16_t finalScore, QWidget *parent = nullptr);

    void cmdIzlaz_Click();
    void cmdOdustani_Click();

    TitleStrip *Label1;
    QLineEdit *txtIme;
    QPushButton *cmdIzlaz, *cmdOdustani;

    QString playerName;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::filesystem::path m_writeFolder;
    std::int16_t m_finalScore;
};
