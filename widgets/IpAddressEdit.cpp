#include "widgets/IpAddressEdit.h"

#include "console/ConsoleError.h"

#include <QRegularExpressionValidator>
#include <QStringList>

namespace {

QString dotted(const IpAddressEdit::Octets& o)
{
    return QStringLiteral("%1.%2.%3.%4").arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
}

} // namespace

IpAddressEdit::IpAddressEdit(const QString& initial, QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(15);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,3}){0,3}")), this));
    setAddress(initial);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (const auto octets = parse(typed)) adopt(*octets);
    });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (text() != address()) setText(address());
    });
}

QString IpAddressEdit::address() const
{
    return dotted(octets_);
}

void IpAddressEdit::setAddress(const QString& text)
{
    const auto octets = parse(text);
    if (!octets) throw ConsoleError("Invalid IP address string");
    adopt(*octets);
    setText(address());
}

std::optional<IpAddressEdit::Octets> IpAddressEdit::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return std::nullopt;
    Octets octets{};
    for (int i = 0; i < 4; ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part.size() > 3) return std::nullopt;
        for (QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        }
        octets[i] = part.toInt();
        if (octets[i] > 255) return std::nullopt;
    }
    return octets;
}

void IpAddressEdit::adopt(const Octets& octets)
{
    if (octets == octets_) return;
    octets_ = octets;
    emit changed();
}
