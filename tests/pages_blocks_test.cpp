#include "support/ConsoleFixture.h"
#include "widgets/MultiRowTabs.h"

#include "widgets/LinkLabel.h"

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QString FormatNote = "Format: \n5 = .05 dollars\n100 = 1.00 dollars\n2000 = 20.00 dollars";
const QString ConversionNote =
    "Note: Left column is the actual value read by the changer.\n"
    "Converted values are calculated based on the channel value times currency\n"
    "conversion value as shown above, which will be added to the escrow/balance\n"
    "once it's accepted.";

class PagesBlocks : public ConsoleFixture {
protected:
    QStringList labelsOn(const char* page) const
    {
        QStringList texts;
        for (const QLabel* l : control<QWidget>(page)->findChildren<QLabel*>())
            texts << l->text();
        return texts;
    }
};

TEST_F(PagesBlocks, RecurringLabelsStandOnTheirPages)
{
    const QStringList mdb = {"MDB Information", "Status:", "Level:", "Scale:", "Recent Value "};
    struct Case {
        const char* page;
        QStringList texts;
    };
    const Case cases[] = {
        {"TabReaders", mdb + QStringList{FormatNote, "Maximum\nPre-Authorized\nValue"}},
        {"TabCoinChanger", mdb + QStringList{FormatNote, "#1-8 Note", "#9-16 Note"}},
        {"TabBillAcceptor", mdb + QStringList{FormatNote, "#1-8 Note", "#9-16 Note"}},
        {"LMDTabSheet21",
         {FormatNote, ConversionNote, "Currency Converter Reference:", "Currency\nCode",
          "Currency Rate", "Ch", "Value", "Convert ", "0000"}},
        {"TabBillCurrency",
         {FormatNote, ConversionNote, "Currency Converter Reference:", "Currency\nCode #1",
          "Currency \nRate #1", "Currency\nCode #2", "Currency\nRate #2", "Convert #1",
          "Convert #2"}},
        {"TabStatus", {"Date/Time", "Last No-Activity Escrow"}},
        {"TabCoinTubeStatus", {"Coin Tube", "Value", "Count", "#6", "Total Coin Value"}},
        {"TabLCDSystem", {"1st Line Idle State", "1st Line Credit Card Msg"}},
        {"TabLCDStatus", {"System - Ready", "Declined (Credit Card)"}},
        {"TabLCDError", {"1st Line", "2nd Line", "Error Message", "Exceed # of pressed keys"}},
        {"TabReceiptPrinter",
         {"Start Header\nHexChars", "Header #8", "Footer #5", "End Footer\nHexChars",
          "Printer Line Delay", "Header LineFeeds", "Footer LineFeeds"}},
        {"TabUserAccount", {"Username", "Password"}},
        {"TabSystemStats",
         {"System Statistics", "Resettable Total", "Non-Resettable Total", "Power-ups",
          "Last Cleared:"}},
    };
    for (const Case& c : cases) {
        const QStringList shown = labelsOn(c.page);
        for (const QString& text : c.texts)
            EXPECT_TRUE(shown.contains(text)) << c.page << ": " << text.toStdString();
    }
}

TEST_F(PagesBlocks, ConverterReferenceShowsAnAddressAndDoesNothingOnClick)
{
    screen->show();
    for (const char* page : {"LMDTabSheet21", "TabBillCurrency"}) {
        SCOPED_TRACE(page);
        control<MultiRowTabs>("TabCoinCurrency")->setCurrentWidget(control<QWidget>(page));
        const auto links = control<QWidget>(page)->findChildren<LinkLabel*>();
        ASSERT_EQ(links.size(), 1);
        LinkLabel* link = links.first();
        EXPECT_TRUE(link->text().contains(QRegularExpression(R"(^www\.\w+\.\w+/\S+$)")));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    EXPECT_TRUE(sentLines().isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PagesBlocks, GeneralPageClockRunsAndItsDateEditOpensACalendar)
{
    auto* clock = screen->findChild<QLabel*>("LMDClock1");
    if (!clock) GTEST_SKIP() << "the General page builder does not place them yet";

    const QRegularExpression timeOfDay(R"(^\d\d:\d\d:\d\d$)");
    EXPECT_TRUE(timeOfDay.match(clock->text()).hasMatch()) << clock->text().toStdString();
    auto* tick = clock->findChild<QTimer*>();
    ASSERT_NE(tick, nullptr);
    EXPECT_TRUE(tick->isActive());
    clock->clear();
    QMetaObject::invokeMethod(tick, "timeout");
    EXPECT_TRUE(timeOfDay.match(clock->text()).hasMatch());

    auto* date = control<QDateEdit>("LMDCalendarEdit1");
    EXPECT_TRUE(date->calendarPopup());
    EXPECT_EQ(date->date(), QDate(2010, 8, 30));
    EXPECT_EQ(date->text(), "30.08.2010");
    // The status page keeps its placeholder while the clock runs.
    EXPECT_EQ(labelText("Status_DateTime"), "dd.mm.yyyy hh:mm:ss");
}

} // namespace
