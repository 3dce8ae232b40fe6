#include "console/ErrorBox.h"
#include "network/WebOpener.h"
#include "support/ConsoleFixture.h"
#include "widgets/IpAddressEdit.h"
#include "widgets/SpinEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The "Network" page's link, with the browser replaced by a list of opened addresses.
class WebLink : public ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        WebOpener::setOpener([this](const QString& address) { opened << address; });
        screen->show();
    }

    void TearDown() override
    {
        WebOpener::setOpener({});
        ConsoleFixture::TearDown();
    }

    // Selects all of an edit's text and types over it; nothing typed leaves it empty.
    static void typeOver(QWidget* edit, const QString& text)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    QString caption() const { return labelText("WebSiteAccess"); }

    QStringList opened;
};

TEST_F(WebLink, CaptionFollowsTyping)
{
    EXPECT_EQ(caption(), "http://192.168.1.100:8080");
    struct Case {
        const char* edit;
        const char* typed;
        const char* caption;
    };
    const Case cases[] = {
        {"WebPort", "80", "http://192.168.1.100:80"},
        {"WebPort", "", "http://192.168.1.100:"},
        {"WebPort", "99999", "http://192.168.1.100:99999"}, // out of bounds, shown as typed
        {"IPAddress", "10.0.0.7", "http://10.0.0.7:8080"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        control<IpAddressEdit>("IPAddress")->setAddress("192.168.1.100");
        control<SpinEdit>("WebPort")->setText("8080");
        typeOver(control(c.edit), QString::fromLatin1(c.typed));
        EXPECT_EQ(caption(), c.caption);
    }
}

TEST_F(WebLink, CaptionAfterReadSequence)
{
    connectPort();
    control<QPushButton>("NetworkReadSettings")->click();
    for (const char* reply : {"10.0.0.5", "1234,8000", "255.0.0.0", "10.0.0.1", "00-AA"}) {
        port->deliver(replyFrame(reply));
        ErrorBox::guarded([&] { screen->Timer1Timer(); });
    }
    EXPECT_EQ(caption(), "http://10.0.0.5:8000");

    // Only the IP address and the web port make the link.
    control<IpAddressEdit>("Subnet")->setAddress("255.255.255.252");
    control<IpAddressEdit>("Gateway")->setAddress("10.0.0.254");
    control<SpinEdit>("NetworkPort")->setText("999");
    EXPECT_EQ(caption(), "http://10.0.0.5:8000");
}

TEST_F(WebLink, ClickHandsCaptionToBrowser)
{
    for (const char* port : {"8080", ""}) {
        SCOPED_TRACE(port);
        opened.clear();
        control<SpinEdit>("WebPort")->setText(QString::fromLatin1(port));
        QTest::mouseClick(control<QLabel>("WebSiteAccess"), Qt::LeftButton);
        EXPECT_EQ(opened, QStringList{"http://192.168.1.100:" + QString::fromLatin1(port)});
    }
}
