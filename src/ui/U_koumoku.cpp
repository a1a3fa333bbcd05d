#include "U_koumoku.h"

#include "ui_U_koumoku.h"

#include "ResizeKit.h"
#include "StatusHints.h"

TKoumokuDialog::TKoumokuDialog(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TKoumokuDialog>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1195, 723));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TKoumokuDialog::~TKoumokuDialog() = default;
