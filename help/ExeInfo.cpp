#include "help/ExeInfo.h"

#include "help/FileVersion.h"

TExeInfo::TExeInfo(QObject* parent)
    : QObject(parent), m_fileVersion(QString::fromUtf8(executableFileVersion()))
{
}
