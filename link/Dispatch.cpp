#include "console/MainScreenCardDispenser.h"

#include <algorithm>
#include <iterator>

const TMainScreen::DispatchRow* TMainScreen::findDispatchRow(std::uint8_t command)
{
    using S = TMainScreen;
    // What happens to a reply, by the command that was sent last: the decoder that reads it into
    // its page and, for a sequence, the chain step that sends the next request. One row per reply.
    // Replies to commands without a row (83h, 84h, 89h, 90h, 92h, A2h, B0h, B8h, D1h, EEh, FCh)
    // are only logged.
    static constexpr DispatchRow Table[] = {
        // command, needs a payload, decoder, chain step
        {0x80, true, &S::decodeEscrow, nullptr},
        {0xAD, true, &S::decodeEscrowStatus, nullptr},
        {0x8A, true, &S::decodeCurrencyPulses, nullptr},
        {0x91, true, &S::decodePrices1, nullptr},
        {0x93, true, &S::decodePrices2, nullptr},
        {0xA4, true, &S::decodeVersion, nullptr},
        {0xA5, true, &S::decodeSystemMode, nullptr},
        {0xA7, true, &S::decodeSerialNumber, nullptr},
        {0xA8, true, &S::decodeSystemStatus, nullptr},
        {0xB1, true, &S::decodeCashLimit, nullptr},
        {0x99, true, &S::decodeTiming, &S::sendTimeVendRead},
        {0xD0, true, &S::decodeTimeVend, nullptr},
        {0x9A, false, nullptr, &S::sendTimeVendWrite},
        {0xE6, true, &S::decodeGeneralCashLimit, &S::sendCurrencyPulseRead},
        {0xC2, true, &S::decodeGeneralMode, &S::sendGeneralCashLimitRead},
        {0xE7, false, nullptr, &S::sendCurrencyPulseWrite},
        {0xC3, false, nullptr, &S::sendGeneralCashLimitWrite},
        {0xB3, true, &S::decodeIPAddress, &S::sendPortsRead},
        {0xB5, true, &S::decodePorts, &S::sendSubnetRead},
        {0xB7, true, &S::decodeSubnet, &S::sendGatewayRead},
        {0xB9, true, &S::decodeGateway, &S::sendMacAddressRead},
        {0xBA, true, &S::decodeMacAddress, nullptr},
        {0xB2, false, nullptr, &S::sendPortsWrite},
        {0xB4, false, nullptr, &S::sendSubnetWrite},
        {0xB6, false, nullptr, &S::sendGatewayWrite},
    };

    const auto row = std::find_if(std::begin(Table), std::end(Table),
                                  [command](const DispatchRow& r) { return r.command == command; });
    return row == std::end(Table) ? nullptr : row;
}
