#include "packaging/ApplicationIcon.h"

#include <QDir>

QIcon applicationIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"), QStringLiteral("tunewright-*.png"));
    for (const QString& name : sizes.entryList())
        icon.addFile(sizes.filePath(name));
    return icon;
}
