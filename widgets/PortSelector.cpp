#include "widgets/PortSelector.h"

#include <QCollator>
#include <QLineEdit>
#include <QSerialPortInfo>
#include <algorithm>

PortSelector::PortSelector(const QString& initial, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The list is filled each time it opens; scanning the system here would only slow start-up.
    setEditText(initial);
    connect(this, &QComboBox::activated, this, [this](int index) { emit picked(itemText(index)); });
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // A typed name that is in the list already came through activated().
        const QString typed = currentText().trimmed();
        if (!typed.isEmpty() && findText(typed) < 0) emit picked(typed);
    });
}

void PortSelector::showPopup()
{
    emit clicked();
    const QString shown = currentText();
    refresh();
    setEditText(shown);
    QComboBox::showPopup();
}

QStringList PortSelector::systemPorts()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(names.begin(), names.end(), natural);
    return names;
}

void PortSelector::refresh()
{
    const QSignalBlocker quiet(this);
    clear();
    addItems(systemPorts());
}
