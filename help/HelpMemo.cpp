#include "help/HelpMemo.h"

#include <QFile>
#include <QPlainTextEdit>

QString loadHelpText(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n')) text.chop(1);
    return text;
}

QPlainTextEdit* createHelpMemo(const QString& resourcePath, int spacesPerTab, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName("HelpMemo");
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabStopDistance(spacesPerTab * QFontMetricsF(memo->font()).horizontalAdvance(u' '));
    memo->setPlainText(loadHelpText(resourcePath));
    return memo;
}
