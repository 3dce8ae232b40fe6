#include "network/WebOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebOpener {
namespace {

Opener& current()
{
    static Opener opener;
    return opener;
}

} // namespace

void setOpener(Opener opener)
{
    current() = std::move(opener);
}

void open(const QString& address)
{
    if (current()) {
        current()(address);
        return;
    }
    // The browser starts detached; whether it could open the address is not our concern.
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace WebOpener
