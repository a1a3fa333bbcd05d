#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TDialogStudy;
}
class ResizeKit;

/// The window "分類記号付与の学習".
class TDialogStudy final : public QDialog
{
    Q_OBJECT
public:
    explicit TDialogStudy(QWidget *parent = nullptr);
    ~TDialogStudy() override;

private:
    std::unique_ptr<Ui::TDialogStudy> m_ui;
    ResizeKit *m_resizeKit = nullptr;
};
