#include "U_study.h"

#include "ui_U_study.h"

#include "ResizeKit.h"
#include "StatusHints.h"

TDialogStudy::TDialogStudy(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TDialogStudy>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1136, 734));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TDialogStudy::~TDialogStudy() = default;
