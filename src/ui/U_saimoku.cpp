#include "U_saimoku.h"

#include "ui_U_saimoku.h"

#include "ResizeKit.h"
#include "StatusHints.h"

TSaimokuDialog::TSaimokuDialog(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TSaimokuDialog>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1169, 733));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TSaimokuDialog::~TSaimokuDialog() = default;
