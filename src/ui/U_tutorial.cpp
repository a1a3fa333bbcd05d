#include "U_tutorial.h"

#include "ui_U_tutorial.h"

#include "ResizeKit.h"
#include "StatusHints.h"

TTutorialDialog::TTutorialDialog(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TTutorialDialog>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1080, 712));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TTutorialDialog::~TTutorialDialog() = default;
