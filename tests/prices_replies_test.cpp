#include "support/ConsoleFixture.h"

#include "widgets/SpinEdit.h"

#include <QPushButton>
#include <QTest>

namespace {

class PricesReplies : public ConsoleFixture {
protected:
    SpinEdit* price(int number) const
    {
        return control<SpinEdit>(QByteArray("PriceSet" + QByteArray::number(number)).constData());
    }

    // The sixteen prices as shown, joined by '|'.
    QString shown() const
    {
        QStringList texts;
        for (int n = 1; n <= 16; ++n)
            texts << price(n)->text();
        return texts.join(u'|');
    }

    // A new window on a new port, with empty field slots.
    void restart()
    {
        TearDown();
        SetUp();
        errors.clear();
    }

    // Presses button, then lets its reply in.
    void answer(const char* button, const QByteArray& payload)
    {
        control<QPushButton>(button)->click();
        reply(replyFrame(payload));
    }
};

const QString Initial = "10|20|30|40|50|60|70|80|90|100|110|120|130|140|150|160";

TEST_F(PricesReplies, ReadReplyFillsItsOwnBankFromTheFieldSlots)
{
    struct Case {
        const char* name;
        const char* button;
        QByteArray earlier; // a reply taken in first, which leaves its fields in the slots
        QByteArray payload;
        QString expected;
    };
    const Case cases[] = {
        {"eight fields, bank 1",
         "ReadPrices1",
         {},
         "5,15,25,35,45,55,65,75",
         "5|15|25|35|45|55|65|75|90|100|110|120|130|140|150|160"},
        {"eight fields, bank 2",
         "ReadPrices2",
         {},
         "5,15,25,35,45,55,65,75",
         "10|20|30|40|50|60|70|80|5|15|25|35|45|55|65|75"},
        {"spaces in place of commas",
         "ReadPrices1",
         {},
         "5 15 25 35\t45 55 65 75",
         "5|15|25|35|45|55|65|75|90|100|110|120|130|140|150|160"},
        {"fewer fields keep what the slots held", "ReadPrices1", "11,12,13,14,15,16,17,18",
         "100,150", "100|150|13|14|15|16|17|18|90|100|110|120|130|140|150|160"},
        {"fewer fields before any reply",
         "ReadPrices2",
         {},
         "100,150",
         "10|20|30|40|50|60|70|80|100|150||||||"},
        {"empty fields disappear", "ReadPrices1", "1,2,3,4,5,6,7,8", "100,,150",
         "100|150|3|4|5|6|7|8|90|100|110|120|130|140|150|160"},
        {"more fields than eight",
         "ReadPrices2",
         {},
         "1,2,3,4,5,6,7,8,9,10",
         "10|20|30|40|50|60|70|80|1|2|3|4|5|6|7|8"},
        {"a long field keeps five characters",
         "ReadPrices1",
         {},
         "1234567,2",
         "12345|2|||||||90|100|110|120|130|140|150|160"},
        {"a field that is not a number is shown",
         "ReadPrices1",
         {},
         "abc,20",
         "abc|20|||||||90|100|110|120|130|140|150|160"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        if (!c.earlier.isEmpty()) answer(c.button, c.earlier);
        answer(c.button, c.payload);
        EXPECT_EQ(shown(), c.expected);
        EXPECT_TRUE(errors.isEmpty());
    }
}

TEST_F(PricesReplies, RepliesThatAreNotPricesChangeNothing)
{
    struct Case {
        const char* name;
        const char* button;
        QByteArray payload;
    };
    const Case cases[] = {
        {"write reply, bank 1", "SavePrices1", "999,999,999,999,999,999,999,999"},
        {"write reply, bank 2", "SavePrices2", "999,999,999,999,999,999,999,999"},
        {"empty read reply", "ReadPrices1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        answer(c.button, c.payload);
        EXPECT_EQ(shown(), Initial);
        EXPECT_EQ(receivedLines().size(), 1) << "the reply is still logged";
    }
}

TEST_F(PricesReplies, DecodedPriceAboveTheLimitIsSetBackTo32000)
{
    answer("ReadPrices1", "40000,20,30,40,50,60,70,32000");
    answer("ReadPrices2", "90,100,110,120,130,140,150,99999");
    EXPECT_EQ(shown(), "32000|20|30|40|50|60|70|32000|90|100|110|120|130|140|150|32000");
}

TEST_F(PricesReplies, TypedPriceAboveTheLimitIsSetBackTo32000)
{
    for (int n : {1, 9}) {
        SCOPED_TRACE(n);
        SpinEdit* typed = price(n);
        typed->setFocus();
        typed->selectAll();
        QTest::keyClicks(typed, "32001");
        EXPECT_EQ(typed->text(), "32000");
    }
    EXPECT_EQ(price(2)->text(), "20");
    EXPECT_EQ(price(10)->text(), "100");
}

} // namespace
