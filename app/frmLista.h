#pragma once

#include "Module1.h"
#include "ScreenDialog.h"

class QListWidget;
class QPushButton;
class TitleStrip;

// The high-score list, numbered, in a fixed-pitch font so that its columns line up; it can be
// cleared at once.
class frmLista : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmLista(Module1 &module, QWidget *parent = nullptr);

    void cmdBrisi_Click();
    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QListWidget *List1;
    QPushButton *cmdIzlaz, *cmdBrisi;

private:
    void Form_Load();
    void showEmpty();

    Module1 &m_module;
};
