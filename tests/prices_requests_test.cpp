#include "support/ConsoleFixture.h"
#include "widgets/MultiRowTabs.h"

#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

// "31 30 2C " for "10,": a text as the log renders its bytes.
QString asciiHex(const char* text)
{
    return QString::fromLatin1(QByteArray(text).toHex(' ').toUpper()) + QLatin1Char(' ');
}

class PricesRequests : public ConsoleFixture {
protected:
    SpinEdit* price(int number) const
    {
        return control<SpinEdit>(QByteArray("PriceSet" + QByteArray::number(number)).constData());
    }
};

TEST_F(PricesRequests, EachButtonSendsItsWorkedFrame)
{
    const QString allAtMaximum = QString(asciiHex("32000,")).repeated(7) + asciiHex("32000");
    struct Case {
        const char* button;
        const char* everyPrice; // text put into all sixteen prices first; null: initial values
        QString frame;
        int bytes;
        const char* status;
    };
    const Case cases[] = {
        {"SavePrices1", nullptr, "02 01 90 17 " + asciiHex("10,20,30,40,50,60,70,80") + "03 A3 ",
         29, "90h Write Prices - Sent"},
        {"SavePrices2", nullptr,
         "02 01 92 1E " + asciiHex("90,100,110,120,130,140,150,160") + "03 9F ", 36,
         "92h Write Prices - Sent"},
        {"SavePrices1", "32000", "02 01 90 2F " + allAtMaximum + "03 93 ", 53,
         "90h Write Prices - Sent"},
        {"SavePrices2", "32000", "02 01 92 2F " + allAtMaximum + "03 91 ", 53,
         "92h Write Prices - Sent"},
        {"ReadPrices1", nullptr, "02 01 91 01 30 03 A0 ", 7, "91h Read Prices - Sent"},
        {"ReadPrices2", nullptr, "02 01 93 01 30 03 A2 ", 7, "93h Read Prices - Sent"},
    };
    connectPort();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) +
                     (c.everyPrice ? " all " + std::string(c.everyPrice) : ""));
        for (int n = 1; n <= 16; ++n)
            price(n)->setText(c.everyPrice ? QString::fromLatin1(c.everyPrice)
                                           : QString::number(10 * n));
        control<QPushButton>(c.button)->click();
        EXPECT_EQ(lastWrite(), c.frame);
        EXPECT_EQ(port->writes.last().size(), c.bytes);
        EXPECT_EQ(sentLines().last(), c.frame);
        EXPECT_EQ(labelText("APIStatus"), QString::fromLatin1(c.status));
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PricesRequests, WithThePortClosedTheFrameIsOnlyLogged)
{
    control<QPushButton>("ReadPrices2")->click();
    EXPECT_EQ(sentLines(), QStringList{"02 01 93 01 30 03 A2 "});
    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
    EXPECT_EQ(labelText("APIStatus"), "Status Message");
    EXPECT_EQ(screen->LastCommand, 0x93);
}

TEST_F(PricesRequests, PageShowsSixteenPricesWithTheirLabelsButtonsAndNotes)
{
    const char* const labels[] = {
        "Price1Label", "Label15", "Label16", "Label26", "Label27", "Label28", "Label29", "Label30",
        "Label31",     "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38"};
    auto* page = control<QWidget>("TabPrices");
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        SpinEdit* p = price(n);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(page->isAncestorOf(p));
        EXPECT_EQ(p->text(), QString::number(10 * n));
        EXPECT_EQ(p->minimum(), 1);
        EXPECT_EQ(p->maximum(), 32000);
        EXPECT_EQ(p->singleStep(), 5);
        EXPECT_EQ(p->maxLength(), 5);
        EXPECT_EQ(labelText(labels[n - 1]), "#" + QString::number(n));
    }
    const std::pair<const char*, const char*> texts[] = {
        {"ReadPrices1", "Read Prices1-8"},
        {"SavePrices1", "Save Prices 1-8"},
        {"ReadPrices2", "Read Prices9-16"},
        {"SavePrices2", "Save Prices 9-16"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(control<QPushButton>(name)->text(), text);
    EXPECT_EQ(labelText("Label9"), "Note: Price 3+ are available for steering mode only.");
    EXPECT_EQ(labelText("Label19"), "90h-W 91h-R Prices 1-8");
    EXPECT_EQ(labelText("Label156"), "92h-W 93h-R Prices 9-16");
    EXPECT_EQ(labelText("Label21"),
              "Format: \n5 = .05 dollars\n100 = 1.00 dollars\n2000 = 20.00 dollars");
}

TEST_F(PricesRequests, PricesStandInFourColumnsOfFour)
{
    screen->show();
    control<MultiRowTabs>("TabCoinCurrency")->setCurrentWidget(control<QWidget>("TabPrices"));
    QApplication::processEvents();
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const QPoint at = price(n)->mapTo(screen.get(), QPoint());
        const int column = (n - 1) / 4;
        const int row = (n - 1) % 4;
        const QPoint columnHead = price(column * 4 + 1)->mapTo(screen.get(), QPoint());
        const QPoint rowHead = price(row + 1)->mapTo(screen.get(), QPoint());
        EXPECT_EQ(at.x(), columnHead.x());
        EXPECT_EQ(at.y(), rowHead.y());
        if (row > 0) EXPECT_GT(at.y(), price(n - 1)->mapTo(screen.get(), QPoint()).y());
        if (column > 0) EXPECT_GT(at.x(), price(n - 4)->mapTo(screen.get(), QPoint()).x());
    }
}

} // namespace
