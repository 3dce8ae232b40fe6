#pragma once

#include <QLineEdit>
#include <array>
#include <optional>

// An edit that holds an IPv4 address as four numbers 0-255.
//
// address() is the dotted-decimal form without leading zeros. setAddress() refuses text that is
// not an IPv4 address by throwing ConsoleError("Invalid IP address string") and keeps its value.
// While the user types, the value follows every text that is a complete address; leaving the
// edit puts the held address back if the typed text is not one. changed() fires when the value
// changes.
class IpAddressEdit : public QLineEdit {
    Q_OBJECT
public:
    using Octets = std::array<int, 4>;

    explicit IpAddressEdit(const QString& initial, QWidget* parent = nullptr);

    QString address() const;
    void setAddress(const QString& text);

    static std::optional<Octets> parse(const QString& text);

signals:
    void changed();

private:
    void adopt(const Octets& octets);

    Octets octets_{};
};
