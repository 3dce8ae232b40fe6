#include "console/MainScreenCardDispenser.h"

#include "configuration/PageParts.h"
#include "widgets/Named.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>
#include <tuple>

namespace {

constexpr SpinEdit::Bounds PulseBounds{1, 65000, 1, 5}; // cents
constexpr int PulseInitial[] = {5, 10, 25, 100, 500, 1000};
constexpr SpinEdit::Bounds RateBounds{0, 100, 0.1, 7, 1};
constexpr int CurrencyCodeLength = 3;
constexpr int CodeEditWidth = 40; // pixels
constexpr int RateEditWidth = 62; // pixels

// A grid without margins, for one block of the page.
QGridLayout* bareGrid(QWidget* parent, int spacing)
{
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(spacing);
    grid->setVerticalSpacing(2);
    return grid;
}

// A conversion check box; nothing reads it.
QCheckBox* conversionBox(const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(QStringLiteral("$0.00 USD"), parent);
    box->setObjectName(name);
    return box;
}

// The target currencies and their rates; nothing reads them.
QWidget* buildCurrencyRates()
{
    struct Column {
        const char* caption;
        const char* name;
        const char* code; // nullptr for a rate column
        double rate;
    };
    static constexpr Column Columns[] = {
        {"Currency\nCode #1", "CurrencyCurrCode1", "EUR", 0},
        {"Currency \nRate #1", "CurrencyCurrRate1", nullptr, 1.3},
        {"Currency\nCode #2", "CurrencyCurrCode2", "CAD", 0},
        {"Currency\nRate #2", "LMDExtSpinEdit5", nullptr, 0.9},
    };
    auto* rates = new QWidget;
    auto* grid = bareGrid(rates, 6);
    int column = 0;
    for (const Column& c : Columns) {
        grid->addWidget(new QLabel(QString::fromLatin1(c.caption), rates), 0, column);
        QWidget* edit = nullptr;
        if (c.code) {
            auto* code = new QLineEdit(QString::fromLatin1(c.code), rates);
            code->setMaxLength(CurrencyCodeLength);
            code->setFixedWidth(CodeEditWidth);
            edit = code;
        } else {
            edit = new SpinEdit(RateBounds, c.rate, rates);
            edit->setFixedWidth(RateEditWidth);
        }
        grid->addWidget(named(edit, c.name), 1, column++);
    }
    grid->setColumnStretch(column, 1);
    return rates;
}

} // namespace

void TMainScreen::buildCoinBillPulsePage(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);

    // Pulse values, each with its two conversion boxes.
    static_assert(std::size(PulseInitial) == std::tuple_size_v<decltype(CurrencyPulse)>);
    auto* pulses = new QWidget;
    {
        auto* table = bareGrid(pulses, 8);
        auto* heading = new QLabel(QStringLiteral("Currency Pulse Value"), pulses);
        heading->setFont(boldened(heading->font()));
        table->addWidget(heading, 0, 0, 1, 2);
        table->addWidget(new QLabel(QStringLiteral("Convert #1"), pulses), 0, 2);
        table->addWidget(new QLabel(QStringLiteral("Convert #2"), pulses), 0, 3);
        for (int k = 0; k < static_cast<int>(CurrencyPulse.size()); ++k) {
            const int row = k + 1;
            const QString number = QString::number(row);
            table->addWidget(new QLabel(QLatin1Char('#') + number, pulses), row, 0);
            auto* pulse = new SpinEdit(PulseBounds, PulseInitial[k], pulses);
            pulse->setObjectName(QStringLiteral("CurrencyPulse") + number);
            pulse->setFixedWidth(FiveDigitEditWidth);
            CurrencyPulse[k] = pulse;
            table->addWidget(pulse, row, 1, Qt::AlignLeft);
            table->addWidget(
                conversionBox(QStringLiteral("CurrencyConvert1Enable") + number, pulses), row, 2);
            table->addWidget(
                conversionBox(QStringLiteral("CurrencyConvert2Enable") + number, pulses), row, 3);
        }
        table->setColumnStretch(1, 1); // the heading's extra width goes beside the edits
    }
    grid->addWidget(pulses, 0, 0, 3, 1, Qt::AlignTop);

    grid->addWidget(buildCurrencyRates(), 0, 1);

    auto* recent = new QWidget;
    {
        auto* row = bareGrid(recent, 4);
        row->addWidget(new QLabel(QStringLiteral("Recent Value "), recent), 0, 0);
        row->addWidget(named(new QLabel(QStringLiteral("0"), recent), "CurrencyRecentValue"), 0, 1);
        row->setColumnStretch(2, 1);
        row->addWidget(formatNote(recent), 1, 0, 1, 3);
    }
    grid->addWidget(recent, 1, 1, Qt::AlignTop);

    // Two equivalent pairs of buttons.
    auto* buttons = new QWidget;
    {
        auto* pairs = bareGrid(buttons, 6);
        pairs->setVerticalSpacing(4);
        struct Button {
            const char* name;
            const char* caption;
            void (TMainScreen::*handler)();
            int row;
            int column;
        };
        static constexpr Button Buttons[] = {
            {"bReadCurrencyPulseValues", "Read Settings", &TMainScreen::bReadPulseValueClick, 0, 0},
            {"bSaveCurrencyPulseValues", "Save Settings", &TMainScreen::bWritePulseValueClick, 0,
             1},
            {"LMDSpeedButton28", "Read Settings", &TMainScreen::bReadPulseValueClick, 1, 0},
            {"LMDSpeedButton32", "Save Settings", &TMainScreen::bWritePulseValueClick, 1, 1},
        };
        for (const Button& b : Buttons) {
            auto* button = namedButton(b.name, QString::fromLatin1(b.caption), buttons);
            pairs->addWidget(button, b.row, b.column);
            wire(button, &QPushButton::clicked, b.handler);
        }
    }
    grid->addWidget(buttons, 2, 1, Qt::AlignBottom);

    auto* note = new QLabel(
        QStringLiteral("Note: Left column is the actual value read by the changer.\n"
                       "Converted values are calculated based on the channel value times \n"
                       "currency conversion value as shown above, which will be added \n"
                       "to the escrow/balance once it's accepted."));
    grid->addWidget(note, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
}
