#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DialogStudy;
}
class DocumentView;
class QRadioButton;
class ResizeKit;

/// The rules study window: a topic set chosen with a radio button, a topic from its list, and
/// the set's document shown at the topic's page.
class TDialogStudy final : public QDialog
{
    Q_OBJECT
public:
    explicit TDialogStudy(QWidget *parent = nullptr);
    ~TDialogStudy() override;

    /// The URL the document view was told last, and how many views the document panel holds.
    QString documentUrl() const;
    int documentViews() const;

protected:
    void hideEvent(QHideEvent *event) override;

private slots:
    void RBkihonClick(QObject *sender);
    void CBkubunClick();
    void BcloseClick();

private:
    void FormClose();
    /// The radio button of topic set \a index (0 basics, 1 advanced, 2 auxiliary tables, 3 … 12 classes).
    QRadioButton *setButton(int index) const;

    std::unique_ptr<Ui::DialogStudy> m_ui;
    ResizeKit *m_resizeKit = nullptr;
    DocumentView *m_documentView = nullptr;
    QString m_document; ///< the chosen set's document (LbunFnm mirrors it)
};
