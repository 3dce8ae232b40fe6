#include "help/ShowWindow.h"
#include "help/TimeVendHelp.h"
#include "help/TrailingEdgeHelp.h"
#include "help/uAbout.h"
#include "help/uHelp.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QStringList memoLines(const QWidget& form)
{
    return form.findChild<QPlainTextEdit*>("HelpMemo")->toPlainText().split(u'\n');
}

// The scroll position as the user sees it: the line at the top of the box. (The scroll bar counts
// wrapped screen lines, which the box may still be laying out.)
int topVisibleLine(const QPlainTextEdit& memo)
{
    return memo.cursorForPosition({0, 0}).blockNumber();
}

int visibleWindowsNamed(const QString& name)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name && window->isVisible();
    return count;
}

struct FormCase {
    const char* name;
    const char* caption;
    const char* button;
    std::function<QWidget*(QWidget*)> create;
};

const FormCase Forms[] = {
    {"AboutForm", "About Me...", "Ok", [](QWidget* p) { return new TAboutForm(p); }},
    {"HelpForm", "Help", "Ok", [](QWidget* p) { return new THelpForm(p); }},
    {"TrailingEdgeForm", "Trailing Edge Help Details", "Ok",
     [](QWidget* p) { return new TTrailingEdgeForm(p); }},
    {"TimeVendForm", "TimeVendForm", "OK", [](QWidget* p) { return new TTimeVendForm(p); }},
};

// The secondary windows as the console makes them: created once, under a main window.
class SecondaryWindows : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> mainWindow = std::make_unique<QWidget>();
};

} // namespace

TEST(QuickGuide, HasItsLinesFromTitleToTheLastCommand)
{
    const QStringList lines = memoLines(THelpForm());
    ASSERT_EQ(lines.size(), 165);
    EXPECT_EQ(lines.first(), "Corvan API Command Codes Quick Guide");
    EXPECT_EQ(lines.last(), "FCH Restore to factory defaults with reboot.");
}

TEST(QuickGuide, KeepsItsTablesAndEntriesAsTheyStand)
{
    const QStringList lines = memoLines(THelpForm());
    const QString pad16(16, u' ');
    const QStringList expected = {
        "<STX><ADD><CMD><LEN><DTA><ETX><CHK>",
        "CMD\t80h+\tCommand Code Byte (0x80-0xFF)",
        "Name\tHex\t" + pad16 + "Definition",
        "CMD\t06h, 15h, FD-FFh\tReserved Response Code Byte (see below for",
        "LEN\t00h+\t" + pad16 + "Length of Data  Byte Size (0x00 or higher)",
        "Minimum Packet Length : 5 bytes",
        "STX+ADD+CMD+LEN+DATA+ETX",
        "Name\tReserved ResponseCodes\tDefinition",
        "FEh\tEnable Unit (Default at start-up)",
        "Note: Command Codes with * are Pallix compatiable.",
        "99h Read prices 1 and 2",
        "9Ah Write prices 1 and 2.",
        "ADh* Escrow status ASCII and either access code or PIN number",
        "C4h Write first set of timing parameters ",
        "·\tExample data field: <10,200,1200,0> would produce a sense ",
        "time of 10ms, a blind time of 200ms, a reset delay of 1200ms, and disable",
    };
    for (const QString& line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();

    // The reserved codes: two named rows, then three whose first cell is empty, one column.
    const qsizetype head = lines.indexOf("Name\tReserved ResponseCodes\tDefinition");
    const char* const rows[][3] = {{"ACK", "06h", "Accepted/Positive Status"},
                                   {"NAK", "15h", "Rejected/Negative Status"},
                                   {"", "FDh", "Incomplete Command Packet"},
                                   {"", "FEh", "Unrecognized Command Packet"},
                                   {"", "FFh", "Data Packet Checksum Error"}};
    QList<qsizetype> definitionColumns;
    for (int i = 0; i < 5; ++i) {
        const QStringList cells = lines[head + 1 + i].split(u'\t');
        ASSERT_EQ(cells.size(), 3) << lines[head + 1 + i].toStdString();
        EXPECT_EQ(cells[0], rows[i][0]);
        EXPECT_EQ(cells[1], rows[i][1]);
        EXPECT_EQ(cells[2].trimmed(), rows[i][2]);
        definitionColumns << cells[2].indexOf(rows[i][2]);
    }
    EXPECT_EQ(definitionColumns.count(definitionColumns.first()), 5);
}

TEST(QuickGuide, SectionsAreUnderlinedAndSpacedByTheirBlankLines)
{
    const QStringList lines = memoLines(THelpForm());
    const QString underline(54, u'_');
    EXPECT_EQ(lines.count(underline), 4);

    struct Section {
        const char* heading;
        int blanksBefore;
    };
    const Section sections[] = {{"API Communication Packet Specification", 1},
                                {"Response Packet Specification", 2},
                                {"Reserved Response Codes", 3},
                                {"Belmar API Command Codes Quick Guide", 2}};
    for (const Section& s : sections) {
        const qsizetype at = lines.lastIndexOf(s.heading); // the contents list names some too
        ASSERT_GT(at, s.blanksBefore) << s.heading;
        EXPECT_EQ(lines[at + 1], underline) << s.heading;
        EXPECT_EQ(lines[at + 2], "") << s.heading;
        for (int i = 1; i <= s.blanksBefore; ++i)
            EXPECT_EQ(lines[at - i], "") << s.heading;
        EXPECT_NE(lines[at - s.blanksBefore - 1], "") << s.heading;
    }

    // Two blank lines, then the closing sentence of the reserved codes.
    const qsizetype lastCode =
        lines.indexOf("\tFFh\t" + QString(32, u' ') + "Data Packet Checksum Error");
    ASSERT_NE(lastCode, -1);
    EXPECT_EQ(lines[lastCode + 1], "");
    EXPECT_EQ(lines[lastCode + 2], "");
    EXPECT_NE(lines[lastCode + 3], "");

    // The blocks that close with a line holding only white space.
    EXPECT_EQ(lines[lines.indexOf("5 = bypass key switch (free vends)") + 1], "  \t");
    EXPECT_EQ(lines[lines.indexOf("trailing edge mode") + 1], " ");
}

TEST(QuickGuide, BulletsAreAMiddleDotAndATab)
{
    int bullets = 0;
    for (const QString& line : memoLines(THelpForm())) {
        if (line.startsWith(u'·')) {
            EXPECT_TRUE(line.startsWith(u"·\t")) << line.toStdString();
            ++bullets;
        }
    }
    EXPECT_EQ(bullets, 25);
}

TEST(TimingHelp, TextsOpenEachSectionWithItsHeadingAfterABlankLine)
{
    struct Text {
        std::function<QWidget*()> create;
        QStringList headings;
        QStringList numbers;
    };
    const Text texts[] = {
        {[] { return new TTrailingEdgeForm; },
         {"System Mode", "Sense Time", "Blind Time", "Reset Delay", "Trailing Edge (Default)",
          "Trailing edge debiting", "Leading edge debiting"},
         {"1 ms to 65000 ms"}},
        {[] { return new TTimeVendForm; },
         {"How does Time Vending works?", "Interrupting a time-vend session",
          "To cancel time vend before a debit takes place", "Setting up the unit for time vending",
          "Time Vend parameter", "Time Vend Delay parameter", "AutoVend parameter"},
         {"15 seconds", "0 mins to 35,000 mins", "0 to 3600 seconds"}},
    };
    for (const Text& text : texts) {
        std::unique_ptr<QWidget> form(text.create());
        const QStringList lines = memoLines(*form);
        EXPECT_EQ(lines.first(), text.headings.first());
        qsizetype previous = 0;
        for (const QString& heading : text.headings) {
            const qsizetype at = lines.indexOf(heading);
            ASSERT_GE(at, previous) << heading.toStdString();
            if (at > 0) EXPECT_EQ(lines[at - 1], "") << heading.toStdString();
            previous = at;
        }
        const QString whole = lines.join(u'\n');
        for (const QString& number : text.numbers)
            EXPECT_TRUE(whole.contains(number)) << number.toStdString();
    }
}

TEST(AboutWindow, ShowsTheFileVersionOfTheExecutable)
{
    TAboutForm form;
    EXPECT_EQ(form.findChild<QLabel*>("VersionNumber")->text(), "1.2.8.15");
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Tunewright for Corvan");
    EXPECT_EQ(form.findChild<QLabel*>("Label13")->text(), "Version Number:");
}

TEST_F(SecondaryWindows, AreOwnWindowsThatStartHiddenAndShowAsOneInstance)
{
    for (const FormCase& c : Forms) {
        SCOPED_TRACE(c.name);
        QWidget* form = c.create(mainWindow.get());
        EXPECT_EQ(form->objectName(), c.name);
        EXPECT_EQ(form->windowTitle(), c.caption);
        EXPECT_TRUE(form->isWindow());
        EXPECT_TRUE(form->isHidden());

        for (int press = 0; press < 3; ++press)
            showModeless(form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isModal());
        EXPECT_EQ(visibleWindowsNamed(c.name), 1);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // Pressed again while open, a window behind the others comes to the front.
    auto* about = mainWindow->findChild<QWidget*>("AboutForm");
    QCoreApplication::processEvents();
    ASSERT_NE(QApplication::activeWindow(), about);
    showModeless(about);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), about);
    EXPECT_EQ(visibleWindowsNamed("AboutForm"), 1);
}

TEST_F(SecondaryWindows, OkAndTheCloseBoxOnlyHideAndTheMainWindowTakesThemAlong)
{
    for (const FormCase& c : Forms) {
        SCOPED_TRACE(c.name);
        QPointer<QWidget> form = c.create(mainWindow.get());
        auto* ok = form->findChild<QPushButton*>("Button1");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), c.button);

        showModeless(form);
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_TRUE(form->isHidden());

        showModeless(form);
        EXPECT_TRUE(form->close());
        ASSERT_FALSE(form.isNull());
        EXPECT_TRUE(form->isHidden());

        showModeless(form);
        EXPECT_TRUE(form->isVisible());
        mainWindow.reset();
        EXPECT_TRUE(form.isNull());
        mainWindow = std::make_unique<QWidget>();
    }
}

TEST_F(SecondaryWindows, TextBoxKeepsEditsAndScrollPositionWhenShownAgain)
{
    for (const FormCase& c : Forms) {
        QWidget* form = c.create(mainWindow.get());
        auto* memo = form->findChild<QPlainTextEdit*>("HelpMemo");
        if (!memo) continue; // the About window has no text box
        SCOPED_TRACE(c.name);
        showModeless(form);
        QCoreApplication::processEvents();

        memo->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo, "Checked: ");
        QScrollBar* scroll = memo->verticalScrollBar();
        ASSERT_GT(scroll->maximum(), 3);
        scroll->setValue(scroll->maximum() - 2);
        const QString text = memo->toPlainText();
        const int topLine = topVisibleLine(*memo);
        ASSERT_GT(topLine, 3);

        QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        form->close();
        showModeless(form);
        QCoreApplication::processEvents();

        EXPECT_TRUE(text.startsWith("Checked: "));
        EXPECT_EQ(memo->toPlainText(), text);
        EXPECT_EQ(topVisibleLine(*memo), topLine);
    }
}
