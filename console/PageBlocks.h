#pragma once

#include "console/PageTable.h"

#include <QStringList>
#include <initializer_list>

// Blocks that recur on the peripheral pages, each a panel of a page table.
namespace pages {

// Amounts are entered in cents.
inline const QString FormatNote =
    QStringLiteral("Format: \n5 = .05 dollars\n100 = 1.00 dollars\n2000 = 20.00 dollars");

// A read or save button that starts the general read or write sequence.
struct GeneralButton {
    enum Sequence { Read, Save };
    const char* name;
    const char* text;
    Sequence sequence;
};

// The buttons one under the other, or side by side when across.
Panel generalButtons(std::initializer_list<GeneralButton> buttons, Cell at = {},
                     bool across = false);

Panel formatNote(Cell at = {});

// How the conversion columns of a currency page relate to the channel values.
Panel conversionNote(Cell at = {});

// "Currency Converter Reference:" and the address of a public converter site.
Panel converterReference(Cell at = {});

// "MDB Information" with the status, level, scale and recent value of one MDB device, whose
// value labels are named prefix + "Status", "Level", "Scale", "RecentValue".
Panel mdbInformation(const QString& prefix, Cell at = {});

// Sixteen channel check boxes enablePrefix1..16 with value labels valuePrefix1..16 in two
// columns of eight, and the note edits notePrefix1 and notePrefix2 below them.
Panel channelGrid(const QString& enablePrefix, const QString& valuePrefix,
                  const QString& notePrefix, Cell at = {});

// Channels 1 to 16 in two halves, each channel with its number, a value label and one
// conversion check box per column (column k's boxes are convertPrefixes[k] + channel).
Panel conversionTable(const QStringList& convertHeads, const QStringList& convertPrefixes,
                      Cell at = {});

} // namespace pages
