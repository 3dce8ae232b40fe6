#include "console/ErrorBox.h"

#include "console/ConsoleError.h"

#include <QApplication>
#include <QMessageBox>

namespace ErrorBox {
namespace {

Reporter& reporter()
{
    static Reporter current;
    return current;
}

} // namespace

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void show(const QString& message)
{
    const QString text = withFullStop(message);
    if (reporter()) {
        reporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void setReporter(Reporter r)
{
    reporter() = std::move(r);
}

void showCurrentException()
{
    try {
        throw;
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        show(QString::fromStdString(e.what()));
    } catch (...) {
        show(QString());
    }
}

} // namespace ErrorBox
