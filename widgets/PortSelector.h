#pragma once

#include <QComboBox>

// The serial port selector: lists the system's serial ports in natural order, refreshes the
// list each time it opens, and takes a typed device path confirmed with Enter as a pick.
class PortSelector : public QComboBox {
    Q_OBJECT
public:
    explicit PortSelector(const QString& initial, QWidget* parent = nullptr);

    void showPopup() override;

    // Port names as the system reports them, in natural order (ttyS2 before ttyS10).
    static QStringList systemPorts();

signals:
    // The user picked a port from the list or confirmed a typed path.
    void picked(const QString& name);
    // The user clicked the selector (opening its list).
    void clicked();

private:
    void refresh();
};
