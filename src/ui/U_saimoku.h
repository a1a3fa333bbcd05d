#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TSaimokuDialog;
}
class ResizeKit;

/// The window "分類細目の検索".
class TSaimokuDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TSaimokuDialog(QWidget *parent = nullptr);
    ~TSaimokuDialog() override;

private:
    std::unique_ptr<Ui::TSaimokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
};
