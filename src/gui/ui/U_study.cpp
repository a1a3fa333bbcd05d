#include "U_study.h"

#include "ui_U_study.h"

#include "DocumentView.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "learning/StudyTopics.h"

#include <QHideEvent>
#include <QSignalBlocker>

TDialogStudy::TDialogStudy(WindowServices services, QWidget *parent)
    : QDialog(parent)
    , m_services(std::move(services))
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

    const QRadioButton *const setButtons[] = {m_ui->RBkihon, m_ui->RBouyou, m_ui->RBhojo, m_ui->RBrui0, m_ui->RBrui1,
        m_ui->RBrui2, m_ui->RBrui3, m_ui->RBrui4, m_ui->RBrui5, m_ui->RBrui6, m_ui->RBrui7, m_ui->RBrui8, m_ui->RBrui9};
    static_assert(std::size(setButtons) == kTopicSetCount);
    for (int i = 0; i < kTopicSetCount; ++i)
        connect(setButtons[i], &QRadioButton::clicked, this, [this, i] { RBkihonClick(i); });
    connect(m_ui->CBkubun, &QComboBox::activated, this, &TDialogStudy::CBkubunClick);
    connect(
        m_ui->CBkubun, &QComboBox::editTextChanged, this, [this](const QString &text) { m_state.setTopicText(text); });
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TDialogStudy::BcloseClick);

    m_resizeKit = new ResizeKit(this, QSize(1136, 734));
    InstallStatusHints(this, m_ui->StatusBar1);
}

TDialogStudy::~TDialogStudy() = default;

// ---- handlers: one call on the state each ------------------------------------------------------

void TDialogStudy::RBkihonClick(int index)
{
    render(m_state.chooseSet(m_services.tree, index));
}

void TDialogStudy::CBkubunClick(int index)
{
    render(m_state.chooseTopic(index, m_ui->CBkubun->itemText(index)));
}

void TDialogStudy::BcloseClick()
{
    close();
}

void TDialogStudy::FormClose()
{
    m_state.close();
    render();
}

void TDialogStudy::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) // closed (button, Escape or the frame), not minimised with its owner
        FormClose();
    QDialog::hideEvent(event);
}

// ---- render: the state, shown ------------------------------------------------------------------

void TDialogStudy::render(const QStringList &messages)
{
    const StudyWindowState &s = m_state;
    m_ui->Lkoumoku->setText(s.title);
    m_ui->LbunFnm->setText(s.document); // a mirror for the console
    {
        QComboBox *box = m_ui->CBkubun;
        const QSignalBlocker quiet(box);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown.append(box->itemText(i));
        if (shown != s.topics) {
            box->clear();
            box->addItems(s.topics);
        }
        box->setEnabled(s.topicsEnabled);
        if (box->currentIndex() != s.topicIndex)
            box->setCurrentIndex(s.topicIndex);
        if (box->currentText() != s.topicText)
            box->setEditText(s.topicText);
    }
    if (m_shownView != s.view.serial) {
        m_shownView = s.view.serial;
        if (!s.view.open)
            m_documentView->drop();
        else
            m_documentView->renew();
        if (s.view.open && s.view.page >= 0)
            m_documentView->navigate(s.view.path, s.view.page);
    }
    for (const QString &message : messages)
        m_services.show(message);
}
