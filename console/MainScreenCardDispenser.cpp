#include "console/MainScreenCardDispenser.h"

#include "help/ShowWindow.h"
#include "link/QtSerialLink.h"
#include "widgets/MultiRowTabs.h"
#include "widgets/Named.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <chrono>

namespace {

using namespace std::chrono_literals;

constexpr auto PollInterval = 500ms;
constexpr QSize ClientSize(778, 563);
const QColor StatusText(0x80, 0x00, 0x00);       // maroon
const QColor StatusBackground(0xFF, 0xFB, 0xF0); // cream

#ifdef Q_OS_WIN
const QString InitialPort = QStringLiteral("COM1");
#else
const QString InitialPort = QStringLiteral("ttyS0");
#endif

} // namespace

TMainScreen::TMainScreen(SerialLink* port, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainScreen"));
    nrComm1 = port ? port : new QtSerialLink;
    nrComm1->setParent(this);
    nrComm1->setPortName(InitialPort);

    buildWindow();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PollInterval);
    wire(Timer1, &QTimer::timeout, &TMainScreen::Timer1Timer);
    Timer1->start();

    connect(nrComm1, &SerialLink::received, this, [this](const QByteArray& bytes) {
        ErrorBox::guarded([&] { nrComm1AfterReceive(bytes); });
    });
    wire(nrComm1, &SerialLink::lineError, &TMainScreen::nrComm1CommError);

    FormCreate();
}

TMainScreen::~TMainScreen() = default;

void TMainScreen::attachWindows(const SecondaryWindows& windows)
{
    windows_ = windows;
}

void TMainScreen::buildWindow()
{
    setWindowTitle(QStringLiteral("Tunewright/Tester for Corvan"));
    // A condensed face, close to the narrow 8-point face the pages were laid out for.
    QFont windowFont(QStringLiteral("DejaVu Sans"), 8);
    windowFont.setStretch(QFont::Condensed);
    setFont(windowFont);
    resize(ClientSize);

    auto* help =
        named(new QPushButton(QStringLiteral("API Commands Info"), this), "Help", {16, 1, 129, 24});
    auto* about = named(new QPushButton(QStringLiteral("About"), this), "About", {170, 0, 97, 25});
    auto* exit = named(new QPushButton(QStringLiteral("Exit"), this), "Exit", {312, 1, 97, 24});
    wire(help, &QPushButton::clicked, &TMainScreen::HelpClick);
    wire(about, &QPushButton::clicked, &TMainScreen::AboutClick);
    wire(exit, &QPushButton::clicked, &TMainScreen::ExitClick);

    LMDPageControl2 = named(new QTabWidget(this), "LMDPageControl2", {0, 40, 209, 497});
    auto* api1 = named(new QWidget, "LMDTabSheet6");
    auto* api2 = named(new QWidget, "LMDTabSheet7");
    LMDPageControl2->addTab(api1, QStringLiteral("API Commands #1"));
    LMDPageControl2->addTab(api2, QStringLiteral("API Commands #2"));
    buildApiCommandsPage(api1);
    buildApiCommands2Page(api2);

    auto* commandBox = named(new QGroupBox(QStringLiteral("Settings + Status"), this), "CommandBox",
                             {208, 28, 569, 361});
    buildPortRow(commandBox);

    TabCoinCurrency = named(new MultiRowTabs(this), "TabCoinCurrency", {208, 88, 561, 305});
    buildSettingPages();

    auto* packets =
        named(new QGroupBox(QStringLiteral("Packets"), this), "ResponseBox", {216, 392, 553, 145});
    packets->setFont(boldened(packets->font()));
    buildPacketsBox(packets);

    buildStatusPanel(named(new QWidget(this), "Panel1", {0, 538, 769, 25}));
}

void TMainScreen::buildPortRow(QWidget* box)
{
    auto* group =
        named(new QGroupBox(QStringLiteral("Port Settings"), box), "GroupBox2", {6, 14, 557, 44});
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 2, 8, 4);
    auto* portLabel = named(new QLabel(QStringLiteral("COM Port"), group), "Label6");
    nrDeviceBox1 = named(new PortSelector(InitialPort, group), "nrDeviceBox1");
    nrDeviceBox1->setMinimumWidth(150);
    CommON1 = named(new QCheckBox(QStringLiteral("ACTIVE Serial Port"), group), "CommON1");
    CommON1->setFont(boldened(CommON1->font()));
    CommON1->setEnabled(false);
    auto* baudLabel = named(new QLabel(QStringLiteral("BaudRate:"), group), "LMDSimpleLabel91");
    baudLabel->setFont(boldened(baudLabel->font()));
    Baud9600 = named(new QRadioButton(QStringLiteral("9,600b"), group), "Baud9600");
    Baud19200 = named(new QRadioButton(QStringLiteral("19,200b"), group), "Baud19200");
    Baud19200->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(portLabel), static_cast<QWidget*>(nrDeviceBox1),
                       static_cast<QWidget*>(CommON1), static_cast<QWidget*>(baudLabel),
                       static_cast<QWidget*>(Baud9600), static_cast<QWidget*>(Baud19200)})
        row->addWidget(w);
    row->addStretch();

    connect(nrDeviceBox1, &PortSelector::picked, this,
            [this](const QString& name) { ErrorBox::guarded([&] { nrDeviceBox1Change(name); }); });
    wire(nrDeviceBox1, &PortSelector::clicked, &TMainScreen::nrDeviceBox1Click);
    connect(CommON1, &QCheckBox::toggled, this,
            [this](bool on) { ErrorBox::guarded([&] { CommON1Click(on); }); });
    wire(Baud9600, &QRadioButton::clicked, &TMainScreen::Baud9600Click);
    wire(Baud19200, &QRadioButton::clicked, &TMainScreen::Baud19200Click);
}

void TMainScreen::buildPacketsBox(QWidget* box)
{
    const QFont plain = font();
    QFont mono(QStringLiteral("DejaVu Sans Mono"), 8);
    mono.setStyleHint(QFont::Monospace);
    auto makeLog = [&](const char* name, int y) {
        auto* log = named(new QPlainTextEdit(box), name, {64, y, 481, 60});
        log->setReadOnly(true);
        log->setFont(mono);
        log->setLineWrapMode(QPlainTextEdit::NoWrap);
        log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return log;
    };
    DataSentBuffer = makeLog("DataSentBuffer", 18);
    DataReceivedBuffer = makeLog("DataReceivedBuffer", 80);
    auto makeLabel = [&](const char* name, const char* text, int y) {
        auto* label = named(new QLabel(QString::fromLatin1(text), box), name, {4, y, 56, 28});
        label->setFont(plain);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    makeLabel("Label1", "Sent\nPackets", 22);
    makeLabel("Label7", "Received\nPackets", 108);
    auto* clear = named(new QPushButton(QStringLiteral("Clear"), box), "Button1", {8, 62, 50, 22});
    clear->setFont(plain);
    wire(clear, &QPushButton::clicked, &TMainScreen::ClearClick);
    // Kept below the group's visible area, as on the original form.
    ReceivedLength =
        named(new QLabel(QStringLiteral("0"), box), "ReceivedLength", {8, 150, 40, 14});
}

void TMainScreen::buildStatusPanel(QWidget* panel)
{
    struct StatusLabel {
        QLabel* TMainScreen::*member;
        const char* name;
        const char* text;
        int width;
        Qt::Alignment alignment;
    };
    static constexpr StatusLabel Labels[] = {
        {&TMainScreen::PortShow, "PortShow", "COM", 120, Qt::AlignCenter},
        {&TMainScreen::BaudShow, "BaudShow", "Baud", 70, Qt::AlignCenter},
        {&TMainScreen::PortStatus, "PortStatus", "Not Connected", 110, Qt::AlignCenter},
        {&TMainScreen::CommStatus, "CommStatus", "Not Connected", 460,
         Qt::AlignLeft | Qt::AlignVCenter},
    };
    panel->setAutoFillBackground(true);
    int x = 2;
    for (const StatusLabel& l : Labels) {
        auto* label =
            named(new QLabel(QString::fromLatin1(l.text), panel), l.name, {x, 3, l.width, 19});
        label->setAlignment(l.alignment);
        colour(label, StatusText, StatusBackground);
        label->setIndent(3);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        this->*l.member = label;
        x += l.width + 2;
    }
}

void TMainScreen::AboutClick()
{
    showModeless(windows_.about);
}

void TMainScreen::HelpClick()
{
    showModeless(windows_.help);
}
