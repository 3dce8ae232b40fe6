#include "console/MainScreenCardDispenser.h"
#include "link/Unit2.h"
#include "widgets/IpAddressEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/Named.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using enum RequestSite::Address;

// What the "Network" page sends. Read: B3h, then each non-empty reply sends the next of B5h, B7h,
// B9h, BAh to 01h. Write: B2h, then any reply sends the next of B4h, B6h, B8h to the address the
// reply came from.
constexpr RequestSite ReadIpAddress{0xB3, Frame, "B3h Read Network IP Address - Sent", 2ms};
constexpr RequestSite ReadPorts{0xB5, Fixed01, "B5 - Read Web Port - Sent", 5ms};
constexpr RequestSite ReadSubnet{0xB7, Fixed01, "B7h - Read Subnet Address - Sent", 5ms};
constexpr RequestSite ReadGateway{0xB9, Fixed01, "B9h - Read Gateway Address - Sent", 5ms};
constexpr RequestSite ReadMacAddress{0xBA, Fixed01, "BAh - Read MAC Address - Sent", 5ms};
constexpr RequestSite WriteIpAddress{0xB2, Frame, "B2h Write Nework IP Address - Sent"};
constexpr RequestSite WritePorts{0xB4, Frame, "B4h Write Nework Port & Web Port - Sent"};
constexpr RequestSite WriteSubnet{0xB6, Frame, "B6h Write Subnet Address"};
constexpr RequestSite WriteGateway{0xB8, Frame, "B8h Write Gateway - Sent"};

constexpr SpinEdit::Bounds PortBounds{10, 65000, 1, 5, 0};
constexpr int AddressWidth = 110; // px, room for 255.255.255.255
constexpr int MacWidth = 150;     // px
constexpr int PortWidth = 70;     // px
constexpr int ButtonWidth = 100;  // px

QByteArray addressText(const IpAddressEdit* edit)
{
    return edit->address().toLatin1();
}

QString fieldSlot(std::size_t k)
{
    return QString::fromLatin1(Unit2::Buffers().FieldSlots[k]);
}

} // namespace

void TMainScreen::buildNetworkPage(QWidget* page)
{
    IPAddress = named(new IpAddressEdit(QStringLiteral("192.168.1.100"), page), "IPAddress");
    Subnet = named(new IpAddressEdit(QStringLiteral("255.255.255.0"), page), "Subnet");
    Gateway = named(new IpAddressEdit(QStringLiteral("192.168.1.1"), page), "Gateway");
    MacAddress = named(new QLineEdit(page), "MacAddress");
    MacAddress->setReadOnly(true);
    NetworkPort = named(new SpinEdit(PortBounds, 1234, page), "NetworkPort");
    WebPort = named(new SpinEdit(PortBounds, 8080, page), "WebPort");
    QCheckBox* restart =
        named(new QCheckBox(QStringLiteral("Restart Network"), page), "NetworkRestart");
    auto* read =
        named(new QPushButton(QStringLiteral("Read Settings"), page), "NetworkReadSettings");
    auto* save =
        named(new QPushButton(QStringLiteral("Save Settings"), page), "NetworkSaveSettings");
    WebSiteAccess = named(new LinkLabel({}, page), "WebSiteAccess");

    for (IpAddressEdit* edit : {IPAddress, Subnet, Gateway})
        edit->setFixedWidth(AddressWidth);
    MacAddress->setFixedWidth(MacWidth);
    for (SpinEdit* edit : {NetworkPort, WebPort})
        edit->setFixedWidth(PortWidth);
    for (QPushButton* button : {read, save})
        button->setFixedWidth(ButtonWidth);

    struct Row {
        const char* caption;
        QWidget* edit;
    };
    const Row rows[] = {
        {"IP Address", IPAddress},
        {"Subnet", Subnet},
        {"Gateway", Gateway},
        {"MAC HW Address", MacAddress},
        {"Network API Port", NetworkPort},
        {"Web Port", WebPort},
    };
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    int r = 0;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromLatin1(row.caption), page);
        form->addWidget(label, r, 0);
        form->addWidget(row.edit, r++, 1, Qt::AlignLeft);
        // The API port travels with both sequences but is not offered for editing.
        if (row.edit == NetworkPort) {
            label->hide();
            NetworkPort->hide();
        }
    }
    form->addWidget(restart, r, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addStretch();
    top->addLayout(buttons);

    auto* link = new QHBoxLayout;
    link->setSpacing(6);
    link->addWidget(new QLabel(QStringLiteral("Web Access Link:"), page));
    link->addWidget(WebSiteAccess);
    link->addStretch();

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(12, 10, 12, 8);
    column->setSpacing(12);
    column->addLayout(top);
    column->addLayout(link);
    column->addStretch();

    wire(read, &QPushButton::clicked, &TMainScreen::NetworkReadSettingsClick);
    wire(save, &QPushButton::clicked, &TMainScreen::NetworkSaveSettingsClick);
    wire(IPAddress, &IpAddressEdit::changed, &TMainScreen::IPAddressChange);
    wire(WebPort, &SpinEdit::changed, &TMainScreen::WebPortChange);
    wire(WebSiteAccess, &LinkLabel::clicked, &TMainScreen::WebSiteAccessClick);
    IPAddressChange();
}

void TMainScreen::NetworkReadSettingsClick()
{
    SendRequest(ReadIpAddress);
}

void TMainScreen::NetworkSaveSettingsClick()
{
    SendRequest(WriteIpAddress, addressText(IPAddress));
}

// An address the edit refuses throws out of the decoder, which ends the read sequence there.
void TMainScreen::decodeIPAddress()
{
    IPAddress->setAddress(payloadText());
}

void TMainScreen::decodePorts()
{
    // A field missing from the reply leaves its slot, and so its edit, at what it held before.
    SplitFields(2);
    NetworkPort->setText(fieldSlot(0));
    WebPort->setText(fieldSlot(1));
}

void TMainScreen::decodeSubnet()
{
    Subnet->setAddress(payloadText());
}

void TMainScreen::decodeGateway()
{
    Gateway->setAddress(payloadText());
}

void TMainScreen::decodeMacAddress()
{
    MacAddress->setText(payloadText());
}

void TMainScreen::sendPortsRead()
{
    SendRequest(ReadPorts);
}

void TMainScreen::sendSubnetRead()
{
    SendRequest(ReadSubnet);
}

void TMainScreen::sendGatewayRead()
{
    SendRequest(ReadGateway);
}

void TMainScreen::sendMacAddressRead()
{
    SendRequest(ReadMacAddress);
}

void TMainScreen::sendPortsWrite()
{
    SendRequest(WritePorts, (NetworkPort->text() + QLatin1Char(',') + WebPort->text()).toLatin1());
}

void TMainScreen::sendSubnetWrite()
{
    SendRequest(WriteSubnet, addressText(Subnet));
}

void TMainScreen::sendGatewayWrite()
{
    SendRequest(WriteGateway, addressText(Gateway));
}
