#include "console/ConsoleError.h"
#include "widgets/MultiRowTabs.h"
#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"
#include "console/Startup.h"
#include "support/FakeSerialLink.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ErrorBox::setReporter([this](const QString& m) { errors << m; });
        screen = createMainScreen(new FakeSerialLink);
    }
    void TearDown() override { ErrorBox::setReporter({}); }

    template <typename W = QWidget> W* control(const char* name) const
    {
        return screen->findChild<W*>(QString::fromLatin1(name));
    }

    std::unique_ptr<TMainScreen> screen;
    QStringList errors;
};

TEST_F(Startup, MainWindowOpensAsTheTechnicianExpects)
{
    EXPECT_EQ(screen->windowTitle(), "Tunewright/Tester for Corvan");
    auto* pages = control<MultiRowTabs>("TabCoinCurrency");
    ASSERT_NE(pages, nullptr);
    const QStringList expected = {"Status",
                                  "General",
                                  "Timing",
                                  "Prices",
                                  "Readers",
                                  "Coin Changer",
                                  "Coin Tube Status",
                                  "Coin Currency Conv",
                                  "Bill Acceptor",
                                  "Bill Currency Conv",
                                  "Coin/Bill Pulse/Conv",
                                  "LCD System",
                                  "LCD Status",
                                  "LCD Error",
                                  "Receipt Printer",
                                  "Network",
                                  "User Accounts",
                                  "System Stats",
                                  "Counters/Meters",
                                  "Dispensers"};
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabNetwork");

    auto* api = control<QTabWidget>("LMDPageControl2");
    EXPECT_EQ(api->tabText(api->currentIndex()), "API Commands #1");
    EXPECT_EQ(api->tabText(1), "API Commands #2");

    auto* active = control<QCheckBox>("CommON1");
    EXPECT_FALSE(active->isChecked());
    EXPECT_FALSE(active->isEnabled());
    EXPECT_EQ(control<QLabel>("BaudShow")->text(), "19200");
    EXPECT_EQ(control<QLabel>("PortShow")->text(), "ttyS0");
    EXPECT_EQ(screen->Payload[TMainScreen::EtxIndex], 0x03);
    EXPECT_EQ(screen->FrameCommand, 0x30);
}

TEST_F(Startup, TopRowAndPacketsBoxCaptions)
{
    EXPECT_EQ(control<QPushButton>("Help")->text(), "API Commands Info");
    EXPECT_EQ(control<QPushButton>("About")->text(), "About");
    EXPECT_EQ(control<QPushButton>("Exit")->text(), "Exit");
    EXPECT_EQ(control<QPushButton>("Button1")->text(), "Clear");
    EXPECT_EQ(control<QLabel>("ReceivedLength")->text(), "0");
}

TEST_F(Startup, AboutAndGuideOpenWithoutBlockingTheMainWindow)
{
    screen->show();
    QTest::mouseClick(control<QPushButton>("About"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Help"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("About"), Qt::LeftButton);

    EXPECT_TRUE(control<QWidget>("AboutForm")->isVisible());
    EXPECT_TRUE(control<QWidget>("HelpForm")->isVisible());
    EXPECT_EQ(screen->findChildren<QWidget*>("AboutForm").size(), 1);
    EXPECT_FALSE(control<QWidget>("AboutForm")->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ErrorBoxText, FullStopIsAddedAfterCharactersThatSortAfterIt)
{
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"Invalid IP address string", "Invalid IP address string."},
        {"Value 5", "Value 5."},
        {"Done.", "Done."},
        {"Open Error !!!", "Open Error !!!"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorBox::withFullStop(c.message), c.shown);
}

TEST_F(Startup, ExceptionFromAHandlerIsShownOnceAndTheWindowGoesOn)
{
    QPushButton thrower;
    QObject::connect(&thrower, &QPushButton::clicked, screen.get(), [] {
        ErrorBox::guarded([] { throw ConsoleError("Invalid IP address string"); });
    });
    QTest::mouseClick(&thrower, Qt::LeftButton);
    EXPECT_EQ(errors, QStringList{"Invalid IP address string."});

    ErrorBox::guarded([] { throw SilentAbort(); });
    EXPECT_EQ(errors.size(), 1);
}
