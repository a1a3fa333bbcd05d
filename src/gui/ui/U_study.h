#pragma once

#include "WindowServices.h"
#include "learning/StudyWindowState.h"

#include <QDialog>
#include <memory>

namespace Ui {
class DialogStudy;
}
class DocumentView;
class ResizeKit;

/// The rules study window: a topic set chosen with a radio button, a topic from its list, and
/// the set's document shown at the topic's page. What it shows is a StudyWindowState: each handler
/// makes one call on it and render() shows the result.
class TDialogStudy final : public QDialog
{
    Q_OBJECT
public:
    explicit TDialogStudy(WindowServices services, QWidget *parent = nullptr);
    ~TDialogStudy() override;

    const StudyWindowState &state() const { return m_state; }
    const DocumentView &documentView() const { return *m_documentView; }

protected:
    void hideEvent(QHideEvent *event) override;

private slots:
    /// Topic set \a index (0 basics, 1 advanced, 2 auxiliary tables, 3 … 12 classes) chosen.
    void RBkihonClick(int index);
    /// Item \a index of the topic box chosen.
    void CBkubunClick(int index);
    void BcloseClick();

private:
    void FormClose();
    void render(const QStringList &messages = {});

    WindowServices m_services;
    std::unique_ptr<Ui::DialogStudy> m_ui;
    ResizeKit *m_resizeKit = nullptr;
    DocumentView *m_documentView = nullptr;
    StudyWindowState m_state;
    int m_shownView = 0; ///< the serial of the document request last rendered
};
