#pragma once

#include "ScoreList.h"
#include "ScreenDialog.h"

#include <filesystem>

class QListWidget;
class QPushButton;
class TitleStrip;

// The high-score list, numbered, in a fixed-pitch font so that its columns line up; it can be
// cleared at once.
class frmLista : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmLista(std::filesystem::path writeFolder, QWidget *parent = nullptr);

    void cmdBrisi_Click();
    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QListWidget *List1;
    QPushButton *cmdIzlaz, *cmdBrisi;

private:
    void Form_Load();
    void showEmpty();

    std::filesystem::path m_writeFolder;
    ScoreList m_list;
};
