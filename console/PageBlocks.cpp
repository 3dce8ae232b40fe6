#include "console/PageBlocks.h"

#include "console/MainScreenCardDispenser.h"

namespace pages {

namespace {

constexpr int ChannelCount = 16;
constexpr int HalfChannels = ChannelCount / 2;
constexpr int ChannelNoteLength = 30; // characters

// A public converter; the label only shows it.
const QString ConverterAddress = QStringLiteral("www.xe.com/currencyconverter");

} // namespace

Panel generalButtons(std::initializer_list<GeneralButton> buttons, Cell at, bool across)
{
    Panel panel{at};
    int place = 0;
    for (const GeneralButton& b : buttons) {
        const Handler onClick = b.sequence == GeneralButton::Read
                                    ? &TMainScreen::GeneralReadSettingsClick
                                    : &TMainScreen::GeneralWriteSettingsClick;
        const Cell cell = across ? Cell{0, place} : Cell{place, 0};
        panel.controls.push_back(button(b.name, b.text, onClick, cell));
        ++place;
    }
    return panel;
}

Panel formatNote(Cell at)
{
    return {at, {caption(FormatNote, {0, 0})}};
}

Panel conversionNote(Cell at)
{
    static const QString Note = QStringLiteral(
        "Note: Left column is the actual value read by the changer.\n"
        "Converted values are calculated based on the channel value times currency\n"
        "conversion value as shown above, which will be added to the escrow/balance\n"
        "once it's accepted.");
    return {at, {caption(Note, {0, 0})}};
}

Panel converterReference(Cell at)
{
    return {at,
            {caption(QStringLiteral("Currency Converter Reference:"), {0, 0}),
             link(ConverterAddress, {1, 0})}};
}

Panel mdbInformation(const QString& prefix, Cell at)
{
    const QString unread = QStringLiteral("=======");
    return {at,
            {
                caption(QStringLiteral("MDB Information"), {0, 0, 1, 2}),
                caption(QStringLiteral("Status:"), {1, 0}),
                value(prefix + QStringLiteral("Status"), unread, {1, 1}),
                caption(QStringLiteral("Level:"), {2, 0}),
                value(prefix + QStringLiteral("Level"), unread, {2, 1}),
                caption(QStringLiteral("Scale:"), {3, 0}),
                value(prefix + QStringLiteral("Scale"), unread, {3, 1}),
                caption(QStringLiteral("Recent Value "), {4, 0}),
                value(prefix + QStringLiteral("RecentValue"), QStringLiteral("0"), {4, 1}),
            }};
}

Panel channelGrid(const QString& enablePrefix, const QString& valuePrefix,
                  const QString& notePrefix, Cell at)
{
    Panel panel{at};
    for (int n = 1; n <= ChannelCount; ++n) {
        const int row = (n - 1) % HalfChannels;
        const int column = n <= HalfChannels ? 0 : 2;
        panel.controls.push_back(
            check(enablePrefix + QString::number(n), u'#' + QString::number(n), {row, column}));
        panel.controls.push_back(
            value(valuePrefix + QString::number(n), QStringLiteral("0"), {row, column + 1}));
    }
    const QString noteCaptions[] = {QStringLiteral("#1-8 Note"), QStringLiteral("#9-16 Note")};
    for (int k = 0; k < 2; ++k) {
        const int row = HalfChannels + k;
        panel.controls.push_back(caption(noteCaptions[k], {row, 0}));
        panel.controls.push_back(
            edit(notePrefix + QString::number(k + 1), {}, ChannelNoteLength, {row, 1, 1, 3}));
    }
    return panel;
}

Panel conversionTable(const QStringList& convertHeads, const QStringList& convertPrefixes, Cell at)
{
    Panel panel{at};
    panel.rowSpacing = 0;
    const int halfWidth = 2 + static_cast<int>(convertPrefixes.size());
    for (int half = 0; half < 2; ++half) {
        const int first = half * halfWidth;
        panel.controls.push_back(caption(QStringLiteral("Ch"), {0, first}));
        panel.controls.push_back(caption(QStringLiteral("Value"), {0, first + 1}));
        for (int k = 0; k < convertHeads.size(); ++k)
            panel.controls.push_back(caption(convertHeads[k], {0, first + 2 + k}));
    }
    for (int n = 1; n <= ChannelCount; ++n) {
        const int row = 1 + (n - 1) % HalfChannels;
        const int first = n <= HalfChannels ? 0 : halfWidth;
        panel.controls.push_back(caption(QString::number(n), {row, first}));
        panel.controls.push_back(value({}, QStringLiteral("0000"), {row, first + 1}));
        for (int k = 0; k < convertPrefixes.size(); ++k) {
            panel.controls.push_back(check(convertPrefixes[k] + QString::number(n),
                                           QStringLiteral("$0.00 USD"), {row, first + 2 + k}));
        }
    }
    return panel;
}

} // namespace pages
