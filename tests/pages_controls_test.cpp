#include "support/ConsoleFixture.h"

#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

namespace {

enum class Is { Label, Edit, Spin, Check, Radio, Button, Group };

// One named control as the page must show it at start-up.
struct Expect {
    const char* page;
    QString name;
    Is kind;
    QString text; // caption, title or initial text
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    int maxLength = 0;
    double initial = 0; // spin edits; check boxes and radio buttons: 1 when ticked
};

Expect label(const char* page, const QString& name, const QString& text)
{
    return {page, name, Is::Label, text};
}
Expect edit(const char* page, const QString& name, const QString& text, int maxLength)
{
    return {page, name, Is::Edit, text, 0, 0, 0, maxLength};
}
Expect spin(const char* page, const QString& name, double minimum, double maximum, int maxLength,
            double initial, double step = 1)
{
    return {page, name, Is::Spin, {}, minimum, maximum, step, maxLength, initial};
}
Expect check(const char* page, const QString& name, const QString& text, bool ticked = false)
{
    return {page, name, Is::Check, text, 0, 0, 0, 0, ticked ? 1.0 : 0.0};
}
Expect radio(const char* page, const QString& name, const QString& text, bool selected = false)
{
    return {page, name, Is::Radio, text, 0, 0, 0, 0, selected ? 1.0 : 0.0};
}
Expect button(const char* page, const QString& name, const QString& text)
{
    return {page, name, Is::Button, text};
}
Expect group(const char* page, const QString& name, const QString& title)
{
    return {page, name, Is::Group, title};
}

QString padded(const char* text, int length)
{
    return QString::fromLatin1(text).leftJustified(length, u' ');
}

QString n(int number)
{
    return QString::number(number);
}

void addMdbBlock(std::vector<Expect>& rows, const char* page, const QString& prefix)
{
    for (const char* part : {"Status", "Level", "Scale"})
        rows.push_back(label(page, prefix + part, "======="));
    rows.push_back(label(page, prefix + "RecentValue", "0"));
}

void addChannelGrid(std::vector<Expect>& rows, const char* page, const QString& prefix)
{
    for (int c = 1; c <= 16; ++c) {
        rows.push_back(check(page, prefix + "Enable" + n(c), "#" + n(c)));
        rows.push_back(label(page, prefix + "Set" + n(c), "0"));
    }
    rows.push_back(edit(page, prefix + "Note1", "", 30));
    rows.push_back(edit(page, prefix + "Note2", "", 30));
}

void addConversionColumn(std::vector<Expect>& rows, const char* page, const QString& prefix)
{
    for (int c = 1; c <= 16; ++c)
        rows.push_back(check(page, prefix + n(c), "$0.00 USD"));
}

std::vector<Expect> inertPageControls()
{
    std::vector<Expect> rows;
    const char* page = "TabStatus";
    rows.push_back(button(page, "ReadStatus", "Read Status"));
    rows.push_back(label(page, "Status_DateTime", "dd.mm.yyyy hh:mm:ss"));
    for (const char* name :
         {"Status_SystemMode", "Status_SystemStatus", "Status_Version", "Status_SerialNumber",
          "Status_Location", "Status_CopierInterface", "Status_LastTransaction", "Status_Escrow",
          "Status_LastNoActivityEscrow"})
        rows.push_back(label(page, name, "============="));

    page = "TabReaders";
    rows.push_back(button(page, "LMDSpeedButton26", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton27", "Save Settings"));
    addMdbBlock(rows, page, "CCReader");
    rows.push_back(spin(page, "CCReaderMaxAuthValue", 1, 65000, 5, 1000));
    rows.push_back(check(page, "CCReaderEnable", "Enable MDB Credit Card  Reader"));
    rows.push_back(check(page, "CCReaderReset", "Reset Credit Card Reader"));

    page = "TabCoinChanger";
    rows.push_back(button(page, "bReadCoinChanger", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton17", "Save Settings"));
    addMdbBlock(rows, page, "Coin");
    rows.push_back(check(page, "CoinEnable", "Enable MDB Coin Changer"));
    rows.push_back(check(page, "CoinReset", "Reset Coin Changer"));
    addChannelGrid(rows, page, "Coin");

    page = "TabCoinTubeStatus";
    rows.push_back(button(page, "LMDSpeedButton9", "Read Tube Status"));
    rows.push_back(button(page, "LMDSpeedButton10", "Reset Coin Tube Counters"));
    for (int t = 1; t <= 6; ++t) {
        rows.push_back(label(page, "CoinValue" + n(t), "0"));
        rows.push_back(label(page, "CoinTubeCount" + n(t), "0"));
    }
    rows.push_back(label(page, "CoinTubeTotalValue", "0"));

    page = "LMDTabSheet21";
    rows.push_back(button(page, "LMDSpeedButton3", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton8", "Save Settings"));
    rows.push_back(edit(page, "CoinCurrCode", "USD", 3));
    rows.push_back(spin(page, "CoinCurrRate", 0, 100, 7, 0.9, 0.1));
    addConversionColumn(rows, page, "CoinConvertEnable");

    page = "TabBillAcceptor";
    rows.push_back(button(page, "LMDSpeedButton19", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton18", "Save Settings"));
    addMdbBlock(rows, page, "Bill");
    rows.push_back(check(page, "BillEnable", "Enable MDB Bill Acceptor"));
    rows.push_back(check(page, "BillReset", "Reset Bill Acceptor"));
    addChannelGrid(rows, page, "Bill");

    page = "TabBillCurrency";
    rows.push_back(button(page, "LMDSpeedButton1", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton2", "Save Settings"));
    rows.push_back(edit(page, "BillCurrCode1", "EUR", 3));
    rows.push_back(spin(page, "BillCurrRate1", 0, 100, 7, 1.3, 0.1));
    rows.push_back(edit(page, "BillCurrCode2", "CAD", 3));
    rows.push_back(spin(page, "BillCurrRate2", 0, 100, 7, 0.9, 0.1));
    addConversionColumn(rows, page, "BillConvert1Enable");
    addConversionColumn(rows, page, "BillConvert2Enable");

    page = "TabLCDSystem";
    rows.push_back(button(page, "LMDSpeedButton20", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton21", "Save Settings"));
    rows.push_back(edit(page, "LMDEdit13", padded("Your Company Name", 19), 20));
    rows.push_back(edit(page, "LMDEdit6", padded("Corvan Series", 20), 20));
    rows.push_back(edit(page, "LMDEdit7", padded("Insert Coin", 20), 20));
    rows.push_back(edit(page, "LMDEdit10", padded("Bill or Card", 20), 20));
    rows.push_back(edit(page, "LMDEdit11", padded("Processing your", 20), 20));
    rows.push_back(edit(page, "LMDEdit12", padded("account........", 20), 20));
    rows.push_back(edit(page, "LMDEdit14", padded("Escrow/Balance:", 20), 20));
    rows.push_back(edit(page, "LMDEdit15", padded("Type your acct #", 20), 20));
    rows.push_back(edit(page, "LMDEdit16", padded("Type your PIN #", 20), 20));
    rows.push_back(edit(page, "LMDEdit17", padded("Then Press ENTER", 20), 20));
    rows.push_back(edit(page, "LMDEdit18", padded("TimeVend MM:SS", 20), 20));
    rows.push_back(edit(page, "LMDEdit19", padded("Credit Card", 20), 20));

    page = "TabLCDStatus";
    rows.push_back(button(page, "LMDSpeedButton5", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton4", "Save Settings"));
    rows.push_back(edit(page, "LMDEdit20", padded("System - Ready", 20), 20));
    rows.push_back(edit(page, "LMDEdit21", padded("Enabled", 18), 20));
    rows.push_back(edit(page, "LMDEdit22", padded("Disabled", 14), 20));
    rows.push_back(edit(page, "LMDEdit23", padded("Exceeded Limit", 20), 20));
    rows.push_back(edit(page, "LMDEdit24", padded("Bypass Mode", 16), 20));
    rows.push_back(edit(page, "LMDEdit25", padded("Total Sales", 16), 20));
    rows.push_back(edit(page, "LMDEdit26", padded("Approved", 13), 20));
    rows.push_back(edit(page, "LMDEdit27", padded("Declined", 13), 20));

    page = "TabLCDError";
    rows.push_back(button(page, "LMDSpeedButton7", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton6", "Save Settings"));
    rows.push_back(edit(page, "LMDEdit28", padded("*ERROR MESSAGE*", 19), 20));
    rows.push_back(edit(page, "LMDEdit29", padded("Bad Card?", 17), 20));
    rows.push_back(edit(page, "LMDEdit30", padded("Exceeded # of keys", 19), 20));
    rows.push_back(edit(page, "LMDEdit31", padded("Invalid Account!", 18), 20));
    rows.push_back(edit(page, "LMDEdit32", padded("Out of Service", 15), 20));
    rows.push_back(edit(page, "LMDEdit33", padded("Not In Use", 11), 20));
    rows.push_back(edit(page, "LMDEdit34", padded("Use Exact Coins", 15), 20));
    rows.push_back(edit(page, "LMDEdit35", padded("Out of Coins", 12), 20));

    page = "TabReceiptPrinter";
    rows.push_back(button(page, "PrinterReadSettings", "Read Settings"));
    rows.push_back(button(page, "PrinterSaveSettings", "Save Settings"));
    rows.push_back(button(page, "PrinterPrintTestReceipt", "Print Test Receipt (RS232)"));
    rows.push_back(group(page, "LMDGroupBox3", "Use Printer"));
    rows.push_back(radio(page, "PrinterDisabled", "Disabled", true));
    rows.push_back(radio(page, "PrinterAutoPrint", "AutoPrint"));
    rows.push_back(radio(page, "PrinterManual", "Manual (Button)"));
    rows.push_back(edit(page, "PrinterStartHexChars", "00", 40));
    const char* const address[] = {
        "Your Company Name",   "123 Main Street", "Anytown, ST 12345", "Tel: (555) 555-0100",
        "Fax: (555) 555-0101", "www.example.com", "info@example.com"};
    for (int h = 1; h <= 7; ++h)
        rows.push_back(edit(page, "PrinterHeader" + n(h), address[h - 1], 40));
    rows.push_back(edit(page, "PrinterHeader8", "=======================", 40));
    const char* const footers[] = {"Thank you for your business!", "Any questions, please",
                                   "visit our front", "lobby at the door and",
                                   "ask for assistance"};
    for (int f = 1; f <= 5; ++f)
        rows.push_back(edit(page, "PrinterFooter" + n(f), footers[f - 1], 40));
    rows.push_back(edit(page, "LMDEdit2", "00", 40));
    rows.push_back(spin(page, "PrinterDelay", 1, 1000, 5, 20));
    rows.push_back(spin(page, "PrinterHeaderLineFeeds", 1, 25, 2, 2));
    rows.push_back(spin(page, "PrinterFooterLineFeeds", 1, 25, 2, 2));

    page = "TabUserAccount";
    rows.push_back(button(page, "LMDSpeedButton15", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton14", "Save Settings"));
    rows.push_back(edit(page, "LMDEdit8", "manager1", 8));
    rows.push_back(edit(page, "LMDMaskEdit3", "changeme", 8));
    rows.push_back(edit(page, "LMDEdit9", "clerk001", 8));
    rows.push_back(edit(page, "LMDMaskEdit4", "changeme", 8));

    page = "TabSystemStats";
    rows.push_back(button(page, "LMDSpeedButton13", "Read System Stats"));
    for (const char* stat :
         {"AllTrans", "InvalidTrans", "CardSwipes", "TransViaNet", "TransViaSerial", "PowerUps"}) {
        rows.push_back(label(page, QString("System") + stat + "Resettable", "0"));
        rows.push_back(label(page, QString("System") + stat + "NonResettable", "0"));
    }
    rows.push_back(label(page, "SystemLastCleared", "NEVER"));
    rows.push_back(check(page, "LMDCheckBox65", "Clear Resettable Stats"));

    page = "TabCounters";
    rows.push_back(button(page, "LMDSpeedButton22", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton23", "Save Settings"));

    page = "TabDispensers";
    rows.push_back(button(page, "LMDSpeedButton11", "Read Settings"));
    rows.push_back(button(page, "LMDSpeedButton12", "Save Settings"));
    return rows;
}

// The General page's controls without a command; its cash limit and buttons are not here.
std::vector<Expect> generalPageControls()
{
    const char* page = "TabGeneral";
    std::vector<Expect> rows = {
        spin(page, "General_NoActivityTimeout", 5, 65000, 5, 60),
        check(page, "General_NoActivityPayout", "No Activity \nPayout"),
        group(page, "LMDGroupBox1", "Currency Symbol"),
        edit(page, "LMDEdit1", "USD", 3),
        group(page, "LMDRadioGroup1", "Currency Pre-Cursor"),
        radio(page, "LMDRadioButton9", ".", true),
        radio(page, "LMDRadioButton10", ","),
        radio(page, "LMDRadioButton11", "None"),
        check(page, "General_FreeChange", "Free Change"),
        check(page, "LMDCheckBox2", "Auto Change"),
        check(page, "LMDCheckBox3", "Coin Return"),
        check(page, "General_DisableUnit", "Disable Unit"),
        group(page, "LMDGroupBox2", "Date/Time"),
        check(page, "LMDCheckBox5", "Update"),
        edit(page, "GeneralLocation", "Front Lobby #1", 20),
        check(page, "LMDCheckBox4", "Restore to Factory Settings"),
    };
    return rows;
}

class PagesControls : public ConsoleFixture {
protected:
    void expectAll(const std::vector<Expect>& rows)
    {
        for (const Expect& e : rows) {
            SCOPED_TRACE(e.name.toStdString() + " on " + e.page);
            auto* page = control<QWidget>(e.page);
            ASSERT_NE(page, nullptr);
            QWidget* w = page->findChild<QWidget*>(e.name);
            ASSERT_NE(w, nullptr);
            expect(e, w);
        }
    }

    static void expect(const Expect& e, QWidget* w)
    {
        switch (e.kind) {
        case Is::Label: {
            auto* l = qobject_cast<QLabel*>(w);
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->text(), e.text);
            break;
        }
        case Is::Edit: {
            auto* l = qobject_cast<QLineEdit*>(w);
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->text(), e.text);
            EXPECT_EQ(l->maxLength(), e.maxLength);
            EXPECT_EQ(l->echoMode(), QLineEdit::Normal);
            break;
        }
        case Is::Spin: {
            auto* s = qobject_cast<SpinEdit*>(w);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->minimum(), e.minimum);
            EXPECT_EQ(s->maximum(), e.maximum);
            EXPECT_DOUBLE_EQ(s->singleStep(), e.step);
            EXPECT_EQ(s->maxLength(), e.maxLength);
            EXPECT_DOUBLE_EQ(s->number(), e.initial);
            break;
        }
        case Is::Check: {
            auto* c = qobject_cast<QCheckBox*>(w);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->text(), e.text);
            EXPECT_EQ(c->isChecked(), e.initial != 0);
            break;
        }
        case Is::Radio: {
            auto* r = qobject_cast<QRadioButton*>(w);
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->text(), e.text);
            EXPECT_EQ(r->isChecked(), e.initial != 0);
            break;
        }
        case Is::Button: {
            auto* b = qobject_cast<QPushButton*>(w);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), e.text);
            break;
        }
        case Is::Group: {
            auto* g = qobject_cast<QGroupBox*>(w);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->title(), e.text);
            break;
        }
        }
    }

    bool generalPageBuilt() const
    {
        return screen->findChild<QWidget*>("General_NoActivityTimeout") != nullptr;
    }
};

TEST_F(PagesControls, EveryNamedControlStartsAsListed)
{
    const std::vector<Expect> rows = inertPageControls();
    expectAll(rows);
    // Names are unique within the window, so no page shows another's control by mistake.
    for (const Expect& e : rows)
        EXPECT_EQ(screen->findChildren<QWidget*>(e.name).size(), 1) << e.name.toStdString();
}

TEST_F(PagesControls, GeneralPageControlsStartAsListed)
{
    if (!generalPageBuilt()) GTEST_SKIP() << "the General page builder does not place them yet";
    expectAll(generalPageControls());

    auto* symbols = control<QGroupBox>("LMDGroupBox1");
    QStringList captions;
    for (auto* r : symbols->findChildren<QRadioButton*>())
        captions << r->text() + (r->isChecked() ? "*" : "");
    EXPECT_EQ(captions, QStringList({"$*", "£", "¥", "€", "Baht", "florin", "Dinar", "No Sign"}));
}

TEST_F(PagesControls, RadioButtonsAreExclusiveWithinTheirGroupOnly)
{
    control<QRadioButton>("PrinterManual")->click();
    EXPECT_FALSE(control<QRadioButton>("PrinterDisabled")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("PrinterAutoPrint")->isChecked());
    if (!generalPageBuilt()) return;

    EXPECT_TRUE(control<QRadioButton>("LMDRadioButton9")->isChecked());
    const auto symbols = control<QGroupBox>("LMDGroupBox1")->findChildren<QRadioButton*>();
    symbols.last()->click();
    EXPECT_FALSE(symbols.first()->isChecked());
    EXPECT_TRUE(control<QRadioButton>("LMDRadioButton9")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("PrinterManual")->isChecked());
}

TEST_F(PagesControls, EditsTakeNoMoreThanTheirMaximumLength)
{
    const std::pair<const char*, int> edits[] = {
        {"LMDEdit13", 20},      {"LMDEdit27", 20},      {"LMDEdit35", 20},
        {"PrinterHeader1", 40}, {"PrinterFooter5", 40}, {"PrinterStartHexChars", 40},
        {"LMDEdit8", 8},        {"LMDMaskEdit4", 8},    {"CoinNote1", 30},
        {"BillNote2", 30},      {"CoinCurrCode", 3},    {"BillCurrCode2", 3},
    };
    for (const auto& [name, length] : edits) {
        SCOPED_TRACE(name);
        auto* e = control<QLineEdit>(name);
        e->clear();
        QTest::keyClicks(e, QString(length + 5, u'W'));
        EXPECT_EQ(e->text(), QString(length, u'W'));
    }
}

} // namespace
