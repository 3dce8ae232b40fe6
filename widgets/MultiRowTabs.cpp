#include "widgets/MultiRowTabs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QStackedWidget>
#include <QToolButton>

namespace {

constexpr int TabHeight = 20;
constexpr int TabPadding = 14;

const char* const TabStyle = R"(
QToolButton { border: 1px solid #a0a0a0; border-bottom: none; background: #e4e4e4;
              border-top-left-radius: 3px; border-top-right-radius: 3px; padding: 0 4px; }
QToolButton:checked { background: palette(window); font-weight: bold; }
QToolButton:hover:!checked { background: #f0f0f0; }
)";

} // namespace

MultiRowTabs::MultiRowTabs(QWidget* parent)
    : QWidget(parent), pages_(new QStackedWidget(this)), tabs_(new QButtonGroup(this)),
      bar_(new QWidget(this))
{
    pages_->setFrameShape(QFrame::StyledPanel);
    bar_->setStyleSheet(QString::fromLatin1(TabStyle));
    tabs_->setExclusive(true);
    connect(tabs_, &QButtonGroup::idClicked, pages_, &QStackedWidget::setCurrentIndex);
    connect(pages_, &QStackedWidget::currentChanged, this, [this](int index) {
        if (QAbstractButton* tab = tabs_->button(index)) tab->setChecked(true);
    });
}

int MultiRowTabs::addTab(QWidget* page, const QString& caption)
{
    const int index = pages_->addWidget(page);
    auto* tab = new QToolButton(bar_);
    tab->setText(caption);
    tab->setCheckable(true);
    tab->setAutoRaise(false);
    tab->setFocusPolicy(Qt::NoFocus);
    tab->setObjectName(page->objectName() + QStringLiteral("Tab"));
    tabs_->addButton(tab, index);
    tab->setChecked(index == pages_->currentIndex());
    return index; // laid out when the control is resized or shown
}

int MultiRowTabs::count() const
{
    return pages_->count();
}

QString MultiRowTabs::tabText(int index) const
{
    const QAbstractButton* tab = tabs_->button(index);
    return tab ? tab->text() : QString();
}

int MultiRowTabs::currentIndex() const
{
    return pages_->currentIndex();
}

QWidget* MultiRowTabs::currentWidget() const
{
    return pages_->currentWidget();
}

QWidget* MultiRowTabs::widget(int index) const
{
    return pages_->widget(index);
}

void MultiRowTabs::setCurrentIndex(int index)
{
    pages_->setCurrentIndex(index);
}

void MultiRowTabs::setCurrentWidget(QWidget* page)
{
    pages_->setCurrentWidget(page);
}

void MultiRowTabs::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void MultiRowTabs::layoutTabs()
{
    // Fill rows greedily in tab order, then stretch each row to the full width.
    const QList<QAbstractButton*> buttons = tabs_->buttons();
    const int width = qMax(1, this->width());
    QList<QList<QAbstractButton*>> rows(1);
    int used = 0;
    for (QAbstractButton* tab : buttons) {
        const int natural = tab->fontMetrics().horizontalAdvance(tab->text()) + TabPadding;
        if (used > 0 && used + natural > width) {
            rows.append(QList<QAbstractButton*>());
            used = 0;
        }
        rows.last().append(tab);
        used += natural;
    }
    for (int r = 0; r < rows.size(); ++r) {
        int naturalSum = 0;
        for (QAbstractButton* tab : rows[r])
            naturalSum += tab->fontMetrics().horizontalAdvance(tab->text()) + TabPadding;
        int x = 0;
        for (int i = 0; i < rows[r].size(); ++i) {
            QAbstractButton* tab = rows[r][i];
            const int natural = tab->fontMetrics().horizontalAdvance(tab->text()) + TabPadding;
            const bool last = i == rows[r].size() - 1;
            const int w = last ? width - x : natural * width / qMax(1, naturalSum);
            tab->setGeometry(x, r * TabHeight, w, TabHeight);
            x += w;
        }
    }
    const int barHeight = buttons.isEmpty() ? 0 : static_cast<int>(rows.size()) * TabHeight;
    bar_->setGeometry(0, 0, width, barHeight);
    pages_->setGeometry(0, barHeight, width, height() - barHeight);
}
