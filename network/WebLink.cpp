#include "console/MainScreenCardDispenser.h"
#include "network/WebOpener.h"
#include "widgets/IpAddressEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/SpinEdit.h"

namespace {

// The controller's own web page: its IP address and the web port exactly as the edits show
// them, so a half-typed or empty port shows in the link as it stands.
QString webPageAddress(const IpAddressEdit* address, const SpinEdit* port)
{
    return QStringLiteral("http://") + address->address() + QLatin1Char(':') + port->text();
}

} // namespace

void TMainScreen::IPAddressChange()
{
    WebSiteAccess->setText(webPageAddress(IPAddress, WebPort));
}

void TMainScreen::WebPortChange()
{
    WebSiteAccess->setText(webPageAddress(IPAddress, WebPort));
}

void TMainScreen::WebSiteAccessClick()
{
    WebOpener::open(WebSiteAccess->text());
}
