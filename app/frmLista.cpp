#include "frmLista.h"

#include "Controls.h"
#include "Cp1251.h"
#include "Fonts.h"
#include "Message.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QListWidget>
#include <QPushButton>

frmLista::frmLista(std::filesystem::path writeFolder, QWidget *parent)
    : ScreenDialog(twipsSize(6120, 5460), parent), m_writeFolder(std::move(writeFolder))
{
    setFont(arial(9.75));

    Label1 = new TitleStrip(QStringLiteral("  Листа најбољих"), twips(0, 0, 5535, 255), this);
    List1 = new QListWidget(this);
    List1->setGeometry(twips(360, 600, 5415, 4110));
    List1->setFont(courierNew(12, true));
    cmdIzlaz = pushButton(this, twips(360, 4920, 975, 375), QStringLiteral("Излаз"));
    cmdBrisi = pushButton(this, twips(4080, 4920, 1695, 375), QStringLiteral("Поништи листу"));

    QWidget::setTabOrder(cmdIzlaz, List1);
    QWidget::setTabOrder(List1, cmdBrisi);
    cmdIzlaz->setFocus();

    connect(cmdBrisi, &QPushButton::clicked, this, &frmLista::cmdBrisi_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &frmLista::cmdIzlaz_Click);

    Form_Load();
}

void frmLista::Form_Load()
{
    ScoreList &list = m_list;
    LoadScoreList(list, m_writeFolder);
    List1->clear();
    if (list.count == 0) {
        showEmpty();
        return;
    }
    cmdBrisi->setEnabled(true);
    for (int i = 1; i <= list.count; ++i) {
        List1->addItem(QString::asprintf("%3d.", i) +
                       QString::fromStdString(cp1251::toUtf8(list.lines[i])));
    }
}

void frmLista::showEmpty()
{
    List1->clear();
    List1->addItem(QStringLiteral(" Нема уписаних."));
    cmdBrisi->setEnabled(false);
}

void frmLista::cmdBrisi_Click()
{
    if (ClearScoreList(m_writeFolder)) {
        showEmpty();
        return;
    }
    showMessage(this, QMessageBox::Warning,
                QStringLiteral("Листа није поништена: датотека листе не може да се обрише. "
                               "Испод је оно што у њој још стоји."));
    Form_Load();
}

void frmLista::cmdIzlaz_Click()
{
    closeScreen();
}
