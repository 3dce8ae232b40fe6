#pragma once

#include "console/ErrorBox.h"
#include "link/RequestSite.h"

#include <QByteArray>
#include <QWidget>
#include <array>
#include <cstdint>

class IpAddressEdit;
class LinkLabel;
class MultiRowTabs;
class PortSelector;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class SerialLink;
class SpinEdit;
namespace pages {
struct Panel;
}

// The four secondary windows the main window's buttons show.
struct SecondaryWindows {
    QWidget* about = nullptr;
    QWidget* help = nullptr;
    QWidget* trailingEdge = nullptr;
    QWidget* timeVend = nullptr;
};

// The main window: the link state, the serial port, the poll timer and every control that a
// handler reads or writes.
//
// How a request and a reply travel: a button handler (defined in the folder of its page) calls
// SendRequest, which lays the frame into TxFrame, sets LastCommand, logs the frame as hex and,
// with the port active, writes it. Arriving bytes are appended to RxBuffer by
// nrComm1AfterReceive. Every 500 ms Timer1Timer takes one frame out of RxBuffer, verifies and
// logs it, and runs the one row of the dispatch table (link/Dispatch.cpp) that LastCommand
// selects: a decoder that fills the page's controls and, for a sequence, a chain step that sends
// the next request. Then the receive state is emptied.
class TMainScreen : public QWidget {
    Q_OBJECT
public:
    // Takes ownership of port; without one the window uses the system's serial ports.
    explicit TMainScreen(SerialLink* port = nullptr, QWidget* parent = nullptr);
    ~TMainScreen() override;

    void attachWindows(const SecondaryWindows& windows);

    // ---- Device link: link/
    void SendRequest(const RequestSite& site);
    void SendRequest(const RequestSite& site, std::uint8_t fixedByte);
    void SendRequest(const RequestSite& site, const QByteArray& text);
    void Timer1Timer();
    void nrComm1AfterReceive(const QByteArray& bytes);
    void nrComm1CommError();
    void nrDeviceBox1Change(const QString& name);
    void nrDeviceBox1Click();
    void CommON1Click(bool checked);
    void Baud9600Click();
    void Baud19200Click();
    void ClearClick();
    void ExitClick();
    // Splits the payload into fieldCount fields, field k into FieldSlots[k]; with flag, the
    // first character of one further field goes there. Returns the number of fields found.
    int SplitFields(int fieldCount, char* flag = nullptr);
    // The payload as received, up to its first NUL.
    QString payloadText() const;

    // ---- Console window: console/
    void AboutClick();
    void HelpClick();

    // ---- Device operations: operations/
    void bEscrowClick();
    void bDebitValueClick();
    void CreditValueClick();
    void bReadEscrowClick();
    void LMDSpeedButton16Click();
    void VersionCheck();
    void bSystemModeClick();
    void bReadSerialNumberClick();
    void bReadSystemStatusClick();
    void bWriteMaxCashClick();
    void bReadMaxCashClick();
    void bPayoutChangeClick();
    void bRestoreClick();

    // ---- Device configuration: configuration/
    void GeneralReadSettingsClick();
    void GeneralWriteSettingsClick();
    void bReadPulseValueClick();
    void bWritePulseValueClick();
    void ReadPrices1Click();
    void ReadPrices2Click();
    void SavePrices1Click();
    void SavePrices2Click();
    void PriceSet1Change();
    void PriceSet2Change(SpinEdit* changed);
    void TimingReadClick();
    void TimingSaveClick();
    void ModeStandardClick();
    void ModeSteeringClick();
    void ModeTimeVendClick();
    void TrailingEdgeHelpButtonClick();
    void bTimeVendHelpClick();

    // ---- Network configuration: network/
    void NetworkReadSettingsClick();
    void NetworkSaveSettingsClick();
    void IPAddressChange();
    void WebPortChange();
    void WebSiteAccessClick();

    // Link state, in this order. Public so that tests and the fuzzer can see it.
    std::int32_t RxCount = 0;
    std::int32_t RxIndex = 0;
    std::uint8_t LastCommand = 0;
    std::uint8_t FrameStx = 0x02;
    std::uint8_t FrameAddress = 0x01;
    std::uint8_t FrameCommand = 0x30;
    std::uint32_t PayloadLength = 0;
    std::uint8_t Payload[255] = {};
    std::uint8_t RxChecksum = 0;

    static constexpr std::size_t EtxIndex = 254; // the last byte of Payload holds ETX
    static constexpr int ReceiveLimit = 255;     // bytes RxBuffer holds before it overflows

    // One row of the dispatch table: the reply handling for one LastCommand value.
    struct DispatchRow {
        std::uint8_t command;
        bool needsPayload;
        void (TMainScreen::*decode)();
        void (TMainScreen::*chain)();
    };
    static const DispatchRow* findDispatchRow(std::uint8_t command);

private:
    // Connects a signal to a handler; whatever escapes the handler goes to the error box.
    template <typename Sender, typename Signal>
    void wire(Sender* sender, Signal signal, void (TMainScreen::*handler)())
    {
        connect(sender, signal, this,
                [this, handler] { ErrorBox::guarded([&] { (this->*handler)(); }); });
    }

    // ---- Device link: link/
    void FormCreate();
    void selectBaudRate(int baud, QRadioButton* other);
    void sendFrame(const RequestSite& site, std::uint32_t length);
    void appendLog(QPlainTextEdit* log);
    void takeInFrame(int start);
    void rejectHeldBytes();
    void endTick();
    void emptyReceiveState();

    // ---- Console window: console/
    void buildWindow();
    void buildPortRow(QWidget* box);
    void buildPacketsBox(QWidget* box);
    void buildStatusPanel(QWidget* panel);
    void buildSettingPages();
    void buildStatusPage(QWidget* page);
    void buildReadersPage(QWidget* page);
    void buildCoinChangerPage(QWidget* page);
    void buildCoinTubeStatusPage(QWidget* page);
    void buildCoinCurrencyPage(QWidget* page);
    void buildBillAcceptorPage(QWidget* page);
    void buildBillCurrencyPage(QWidget* page);
    void buildLcdSystemPage(QWidget* page);
    void buildLcdStatusPage(QWidget* page);
    void buildLcdErrorPage(QWidget* page);
    void buildReceiptPrinterPage(QWidget* page);
    void buildUserAccountsPage(QWidget* page);
    void buildSystemStatsPage(QWidget* page);
    void buildCountersPage(QWidget* page);
    void buildDispensersPage(QWidget* page);
    // Builds a page described by its table and connects its buttons to their handlers.
    void buildFromTable(QWidget* area, const pages::Panel& page);
    // Fills area with the General page's controls that carry no command. area is a child of the
    // page without a layout; they take about 387 x 236 px from its top left corner.
    void buildGeneralInertControls(QWidget* area);

    // ---- Device operations: operations/
    void buildApiCommandsPage(QWidget* page);
    void buildApiCommands2Page(QWidget* page);
    void decodeEscrow();
    void decodeEscrowStatus();
    void decodeVersion();
    void decodeSystemMode();
    void decodeSerialNumber();
    void decodeSystemStatus();
    void decodeCashLimit();

    // ---- Device configuration: configuration/
    void buildGeneralPage(QWidget* page);
    void buildTimingPage(QWidget* page);
    void buildPricesPage(QWidget* page);
    void buildCoinBillPulsePage(QWidget* page);
    void decodeGeneralMode();
    void decodeGeneralCashLimit();
    void decodeCurrencyPulses();
    void decodePrices1();
    void decodePrices2();
    void decodeTiming();
    void decodeTimeVend();
    void sendGeneralCashLimitRead();
    void sendCurrencyPulseRead();
    void sendGeneralCashLimitWrite();
    void sendCurrencyPulseWrite();
    void sendTimeVendRead();
    void sendTimeVendWrite();

    // ---- Network configuration: network/
    void buildNetworkPage(QWidget* page);
    void decodeIPAddress();
    void decodePorts();
    void decodeSubnet();
    void decodeGateway();
    void decodeMacAddress();
    void sendPortsRead();
    void sendSubnetRead();
    void sendGatewayRead();
    void sendMacAddressRead();
    void sendPortsWrite();
    void sendSubnetWrite();
    void sendGatewayWrite();

    SerialLink* nrComm1 = nullptr;
    QTimer* Timer1 = nullptr;
    SecondaryWindows windows_;
    // RxCount seen by the previous tick while a frame was still arriving, -1 when none was.
    std::int32_t pendingRxCount_ = -1;

    // Window frame and link controls
    QTabWidget* LMDPageControl2 = nullptr;
    MultiRowTabs* TabCoinCurrency = nullptr;
    PortSelector* nrDeviceBox1 = nullptr;
    QCheckBox* CommON1 = nullptr;
    QRadioButton* Baud9600 = nullptr;
    QRadioButton* Baud19200 = nullptr;
    QLabel* PortShow = nullptr;
    QLabel* BaudShow = nullptr;
    QLabel* PortStatus = nullptr;
    QLabel* CommStatus = nullptr;
    QLabel* ReceivedLength = nullptr;
    QPlainTextEdit* DataSentBuffer = nullptr;
    QPlainTextEdit* DataReceivedBuffer = nullptr;

    // API page
    QLabel* APIStatus = nullptr;
    QLabel* Escrow = nullptr;
    SpinEdit* DebitValue = nullptr;
    SpinEdit* CreditValue = nullptr;
    QLabel* EscrowStatus = nullptr;
    SpinEdit* WriteMaxCash = nullptr;
    QLabel* ReadMaxCashValue = nullptr;
    QLabel* ReadVersion = nullptr;
    QLabel* ReadSystemMode = nullptr;
    QLabel* ReadSerialNumber = nullptr;
    QLabel* ReadSystemStatus = nullptr;
    QCheckBox* cRestore = nullptr;
    QCheckBox* cHardReset = nullptr;

    // General, Coin/Bill Pulse/Conv and Prices pages
    SpinEdit* MaxCash = nullptr;
    std::array<SpinEdit*, 6> CurrencyPulse{}; // CurrencyPulse1 ... CurrencyPulse6
    std::array<SpinEdit*, 16> PriceSet{};     // PriceSet1 ... PriceSet16

    // Timing page
    QRadioButton* ModeStandard = nullptr;
    QRadioButton* ModeSteering = nullptr;
    QRadioButton* ModeTimeVend = nullptr;
    QGroupBox* OptoPulseGroup = nullptr;
    QGroupBox* TimeVendGroup = nullptr;
    SpinEdit* TimingSense1 = nullptr;
    SpinEdit* TimingBlind1 = nullptr;
    SpinEdit* TimingReset1 = nullptr;
    QCheckBox* TrailingEdge1 = nullptr;
    SpinEdit* TimeVendTimer = nullptr;
    SpinEdit* TimeVendDelay = nullptr;
    QCheckBox* TimeVendAutoVend = nullptr;

    // Network page
    IpAddressEdit* IPAddress = nullptr;
    IpAddressEdit* Subnet = nullptr;
    IpAddressEdit* Gateway = nullptr;
    QLineEdit* MacAddress = nullptr;
    SpinEdit* NetworkPort = nullptr;
    SpinEdit* WebPort = nullptr;
    LinkLabel* WebSiteAccess = nullptr;
};
