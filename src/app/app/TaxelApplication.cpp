#include "TaxelApplication.h"

#include "datafiles/FileError.h"
#include "ui/Messages.h"

TaxelApplication::TaxelApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool TaxelApplication::notify(QObject *receiver, QEvent *event)
{
    return RunGuarded([&] { return QApplication::notify(receiver, event); });
}

bool RunGuarded(const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (const FileError &error) {
        ShowErrorMessage(error.text());
    } catch (const std::exception &error) {
        ShowErrorMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorMessage(QString());
    }
    return false;
}
