#include "TaxelApplication.h"

#include "datafiles/FileError.h"
#include "ui/Messages.h"

TaxelApplication::TaxelApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_showError(&ShowErrorMessage)
{ }

void TaxelApplication::setErrorSink(MessageSink show)
{
    m_showError = show ? std::move(show) : MessageSink(&ShowErrorMessage);
}

bool TaxelApplication::notify(QObject *receiver, QEvent *event)
{
    return RunGuarded([&] { return QApplication::notify(receiver, event); }, m_showError);
}

bool RunGuarded(const std::function<bool()> &deliver, const MessageSink &show)
{
    try {
        return deliver();
    } catch (const FileError &error) {
        show(error.text());
    } catch (const std::exception &error) {
        show(QString::fromUtf8(error.what()));
    } catch (...) {
        show(QString());
    }
    return false;
}
