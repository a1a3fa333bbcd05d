#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TKoumokuDialog;
}
class ResizeKit;

/// The window "分類項目の検索".
class TKoumokuDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TKoumokuDialog(QWidget *parent = nullptr);
    ~TKoumokuDialog() override;

private:
    std::unique_ptr<Ui::TKoumokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
};
