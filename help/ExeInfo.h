#pragma once

#include <QObject>
#include <QString>

// Version information of the running executable, read once when the object is created.
class TExeInfo : public QObject {
    Q_OBJECT

public:
    explicit TExeInfo(QObject* parent = nullptr);

    // The file version string; empty when the executable carries none.
    QString FileVersion() const { return m_fileVersion; }

private:
    const QString m_fileVersion;
};
