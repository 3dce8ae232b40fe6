#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus (fuzz/corpus): the worked frames of the wire protocol as
ConsoleDriver scripts. Run it again after changing the script format in ConsoleDriver.h."""
import pathlib

RECEIVE, COMMAND, TICK, PRESS, PORT, CLEAR = range(6)
OPEN, CLOSE, LINE_ERROR, FAIL_WRITES, GOOD_WRITES = range(5)

# The order of Presses in ConsoleDriver.cpp.
PRESSES = """bEscrowClick bDebitValueClick CreditValueClick bReadEscrowClick LMDSpeedButton16Click
VersionCheck bSystemModeClick bReadSerialNumberClick bReadSystemStatusClick bWriteMaxCashClick
bReadMaxCashClick bPayoutChangeClick bRestoreClick GeneralReadSettingsClick
GeneralWriteSettingsClick bReadPulseValueClick bWritePulseValueClick ReadPrices1Click
ReadPrices2Click SavePrices1Click SavePrices2Click PriceSet1Change TimingReadClick
TimingSaveClick ModeStandardClick ModeSteeringClick ModeTimeVendClick NetworkReadSettingsClick
NetworkSaveSettingsClick IPAddressChange WebPortChange WebSiteAccessClick Baud9600Click
Baud19200Click nrDeviceBox1Click""".split()


def frame(payload=b"", address=0x01, response=0x06):
    body = bytes([0x02, address, response, len(payload)]) + payload + b"\x03"
    check = 0
    for byte in body:
        check ^= byte
    return body + bytes([check])


def receive(data):
    out = b""
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        out += bytes([RECEIVE, len(chunk)]) + chunk
    return out


def press(name):
    return bytes([PRESS, PRESSES.index(name)])


def command(code):
    return bytes([COMMAND, code])


def answer(*payloads):
    return b"".join(receive(frame(p)) + bytes([TICK]) for p in payloads)


CONNECT = bytes([PORT, OPEN])
TICK_ONCE = bytes([TICK])

SEEDS = {
    "escrow-worked-reply": CONNECT + press("bEscrowClick")
    + receive(bytes.fromhex("FF FF 02 01 80 03 32 35 30 03 B4")) + TICK_ONCE * 2,
    "escrow-bad-checksum": command(0x80)
    + receive(bytes.fromhex("FF FF 02 01 80 03 32 35 30 03 B5")) + TICK_ONCE,
    "five-bytes-wait": command(0x80) + receive(bytes.fromhex("02 01 06 00 03")) + TICK_ONCE,
    "empty-reply-to-80": command(0x80) + answer(b""),
    "two-replies-one-tick": command(0x83) + receive(frame(b"1") + frame(b"2")) + TICK_ONCE,
    "reply-address-05": CONNECT + press("GeneralWriteSettingsClick")
    + receive(frame(b"", 0x05)) + TICK_ONCE + TICK_ONCE,
    "escrow-status": CONNECT + press("bReadEscrowClick")
    + receive(bytes.fromhex("02 01 AD 01 31 03 9D")) + TICK_ONCE + answer(b"\x05", b"7"),
    "identity": CONNECT + press("VersionCheck") + answer(b"V1.07")
    + press("bSystemModeClick") + answer(b"Standard")
    + press("bReadSerialNumberClick") + answer(b"CV-2041-0187")
    + press("bReadSystemStatusClick") + answer(b"Ready"),
    "card-values": CONNECT + press("bDebitValueClick") + answer(b"")
    + press("CreditValueClick") + answer(b"") + press("LMDSpeedButton16Click") + answer(b""),
    "cash-limit-payout-restore": CONNECT + press("bReadMaxCashClick") + answer(b"9999")
    + press("bWriteMaxCashClick") + answer(b"") + press("bPayoutChangeClick") + answer(b"")
    + press("bRestoreClick") + answer(b""),
    "general-read": CONNECT + press("GeneralReadSettingsClick")
    + answer(b"1", b"9999", b"5,10,25,100,500,1000"),
    "general-read-raw-mode": CONNECT + press("GeneralReadSettingsClick")
    + answer(b"\x02", b"65000", b"7,8,9"),
    "general-write": CONNECT + press("GeneralWriteSettingsClick") + answer(b"", b"", b""),
    "pulse-values": CONNECT + press("bReadPulseValueClick") + answer(b"5 10 25 100 500 1000")
    + press("bWritePulseValueClick") + answer(b""),
    "prices": CONNECT + press("ReadPrices1Click") + answer(b"100,150")
    + press("ReadPrices2Click") + answer(b"10,20,30,40,50,60,70,40000")
    + press("SavePrices1Click") + answer(b"") + press("SavePrices2Click") + answer(b""),
    "timing-read": CONNECT + press("TimingReadClick") + answer(b"10,200,1200,0", b"60,5,1"),
    "timing-write": CONNECT + press("ModeTimeVendClick") + press("TimingSaveClick")
    + answer(b"", b""),
    "network-read": CONNECT + press("NetworkReadSettingsClick")
    + answer(b"192.168.1.50", b"1234,80", b"255.255.0.0", b"192.168.1.254",
             b"00-11-22-33-44-55") + press("WebSiteAccessClick"),
    "network-read-bad-address": CONNECT + press("NetworkReadSettingsClick")
    + answer(b"192.168.1.256"),
    "network-write": CONNECT + press("NetworkSaveSettingsClick") + answer(b"", b"", b"", b""),
    "len-251": command(0x80) + receive(bytes.fromhex("02 01 06 FB 31 32 33 34")) + TICK_ONCE,
    "past-the-buffer": command(0x80)
    + receive(b"\xAA" * 240 + bytes.fromhex("02 01 06 20 31 32")) + TICK_ONCE,
    "burst-300": command(0x8A) + receive(frame(b"1,2,3,4,5,6") + b"\x02" * 281)
    + TICK_ONCE * 2,
    "split-reply": CONNECT + press("VersionCheck") + receive(frame(b"V1.07")[:4]) + TICK_ONCE
    + receive(frame(b"V1.07")[4:]) + TICK_ONCE,
    "port-trouble": CONNECT + press("bEscrowClick") + bytes([PORT, LINE_ERROR])
    + press("bEscrowClick") + CONNECT + bytes([PORT, FAIL_WRITES]) + press("TimingReadClick")
    + bytes([PORT, GOOD_WRITES]) + press("Baud9600Click") + bytes([CLEAR]),
}

if __name__ == "__main__":
    folder = pathlib.Path(__file__).with_name("corpus")
    folder.mkdir(exist_ok=True)
    for name, script in SEEDS.items():
        (folder / name).write_bytes(script)
