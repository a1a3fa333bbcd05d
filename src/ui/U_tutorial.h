#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TTutorialDialog;
}
class ResizeKit;

/// The window "分類記号付与のチュートリアル".
class TTutorialDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TTutorialDialog(QWidget *parent = nullptr);
    ~TTutorialDialog() override;

private:
    std::unique_ptr<Ui::TTutorialDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
};
