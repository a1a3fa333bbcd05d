#include "U_study.h"

#include "ui_U_study.h"

#include "DocumentView.h"
#include "Messages.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "learning/StudyTopics.h"

#include <QFileInfo>
#include <QHideEvent>

TDialogStudy::TDialogStudy(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::DialogStudy>())
{
    m_ui->setupUi(this);
    QFont base(QStringLiteral("Tahoma"));
    base.setPixelSize(15);
    setFont(base);
    QFont bold = base;
    bold.setBold(true);
    for (QWidget *w : std::initializer_list<QWidget *> {m_ui->Label1, m_ui->Lkoumoku, m_ui->Label2, m_ui->Bclose})
        w->setFont(bold);
    m_ui->LbunFnm->hide();
    m_documentView = new DocumentView(m_ui->Pwebpage);

    for (int i = 0; i < kTopicSetCount; ++i)
        connect(setButton(i), &QRadioButton::clicked, this, [this, i] { RBkihonClick(setButton(i)); });
    connect(m_ui->CBkubun, &QComboBox::activated, this, &TDialogStudy::CBkubunClick);
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TDialogStudy::BcloseClick);

    m_resizeKit = new ResizeKit(this, QSize(1136, 734));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TDialogStudy::~TDialogStudy() = default;

QRadioButton *TDialogStudy::setButton(int index) const
{
    switch (index) {
    case 0: return m_ui->RBkihon;
    case 1: return m_ui->RBouyou;
    case 2: return m_ui->RBhojo;
    default: break;
    }
    return findChild<QRadioButton *>(QStringLiteral("RBrui%1").arg(qBound(0, index - 3, 9)));
}

QString TDialogStudy::documentUrl() const
{
    return m_documentView->lastUrl();
}

int TDialogStudy::documentViews() const
{
    return m_documentView->viewCount();
}

void TDialogStudy::RBkihonClick(QObject *sender)
{
    int index = -1;
    for (int i = 0; i < kTopicSetCount; ++i)
        if (sender == setButton(i))
            index = i;
    if (index < 0)
        return;
    const TopicSet set = StudyTopicSet(index);
    m_ui->CBkubun->clear();
    m_ui->CBkubun->setEditText(QString());
    m_ui->Lkoumoku->setText(set.title);
    m_document = DataRoot::path(set.document);
    m_ui->LbunFnm->setText(m_document); // a mirror for the console

    const QString listPath = DataRoot::path(set.topicList);
    if (!DataRoot::fileExists(listPath)) {
        ShowMessage(QStringLiteral("項目一覧ファイル %1 が見つかりません！").arg(QFileInfo(listPath).fileName()));
        return;
    }
    LineList topics;
    topics.loadFromFile(listPath);
    m_ui->CBkubun->addItems(topics.lines());
    m_ui->CBkubun->setEnabled(true);
    m_ui->CBkubun->setCurrentIndex(-1);
    m_ui->CBkubun->setEditText(QStringLiteral("選択して下さい。"));
}

void TDialogStudy::CBkubunClick()
{
    const QString line = m_ui->CBkubun->currentText();
    m_documentView->renew();
    const std::optional<int> page = TopicPage(line);
    if (!page) {
        ShowMessage(QStringLiteral("正しい文書を指定できませんでした！"));
        return;
    }
    m_documentView->navigate(m_document, *page);
}

void TDialogStudy::BcloseClick()
{
    close();
}

void TDialogStudy::FormClose()
{
    m_documentView->drop();
}

void TDialogStudy::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) // closed (button, Escape or the frame), not minimised with its owner
        FormClose();
    QDialog::hideEvent(event);
}
