#include "PlainWindow.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr QSize WindowSize(778, 563); // px, the main window's client size

QByteArray nearestQtClass(const QWidget& widget)
{
    const QMetaObject* meta = widget.metaObject();
    while (meta->superClass() && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta->className();
}

// A widget that Qt made as part of its parent: scroll-area and tab-widget parts (named qt_...),
// and the editor, popup and scroll buttons of combo boxes and tab bars.
bool isQtPart(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    return widget.objectName().startsWith(QLatin1String("qt_")) ||
           qobject_cast<const QComboBox*>(parent) || qobject_cast<const QTabBar*>(parent);
}

// The property that holds a widget's text, if it has one of these.
const char* textPropertyOf(const QWidget& widget)
{
    for (const char* name : {"text", "title", "plainText"}) {
        if (widget.metaObject()->indexOfProperty(name) >= 0) return name;
    }
    return nullptr;
}

void listChildren(const QWidget& parent, WidgetCensus& census)
{
    for (const QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isQtPart(*child)) {
            // A tab widget's stack is Qt's, but the pages in it are the window's own.
            if (qobject_cast<const QStackedWidget*>(child)) listChildren(*child, census);
            continue;
        }
        const char* property = textPropertyOf(*child);
        const QPoint at = child->mapTo(child->window(), QPoint(0, 0));
        census.push_back({nearestQtClass(*child), child->isVisible(), QRect(at, child->size()),
                          property, property ? child->property(property) : QVariant()});
        listChildren(*child, census);
    }
}

using Factory = std::function<QWidget*(QWidget* parent)>;

template <typename W> Factory plain()
{
    return [](QWidget* parent) { return new W(parent); };
}

const std::map<QByteArray, Factory>& factories()
{
    static const std::map<QByteArray, Factory> table = {
        {"QAbstractSpinBox", plain<QSpinBox>()},
        {"QCheckBox", plain<QCheckBox>()},
        // The console's one combo box is the port selector, which takes typed paths.
        {"QComboBox",
         [](QWidget* parent) {
             auto* combo = new QComboBox(parent);
             combo->setEditable(true);
             return combo;
         }},
        {"QDateEdit", plain<QDateEdit>()},
        {"QDateTimeEdit", plain<QDateTimeEdit>()},
        {"QDoubleSpinBox", plain<QDoubleSpinBox>()},
        {"QFrame", plain<QFrame>()},
        {"QGroupBox", plain<QGroupBox>()},
        {"QLabel", plain<QLabel>()},
        {"QLineEdit", plain<QLineEdit>()},
        {"QPlainTextEdit", plain<QPlainTextEdit>()},
        {"QProgressBar", plain<QProgressBar>()},
        {"QPushButton", plain<QPushButton>()},
        {"QRadioButton", plain<QRadioButton>()},
        {"QScrollArea", plain<QScrollArea>()},
        {"QSlider", plain<QSlider>()},
        {"QSpinBox", plain<QSpinBox>()},
        {"QStackedWidget", plain<QStackedWidget>()},
        {"QTabBar", plain<QTabBar>()},
        {"QTabWidget", plain<QTabWidget>()},
        {"QTextEdit", plain<QTextEdit>()},
        {"QTimeEdit", plain<QTimeEdit>()},
        {"QToolButton",
         [](QWidget* parent) {
             auto* button = new QToolButton(parent);
             button->setText(QStringLiteral("Caption"));
             return button;
         }},
        {"QWidget", plain<QWidget>()},
    };
    return table;
}

QWidget* makeWidget(const QByteArray& qtClass, QWidget* parent)
{
    const auto found = factories().find(qtClass);
    if (found != factories().end()) return found->second(parent);
    return new QWidget(parent); // a kind the table lacks stands in as a plain widget
}

} // namespace

WidgetCensus takeCensus(const QWidget& root)
{
    WidgetCensus census;
    listChildren(root, census);
    return census;
}

std::unique_ptr<QMainWindow> buildPlainWindow(const WidgetCensus& census)
{
    auto window = std::make_unique<QMainWindow>();
    window->resize(WindowSize);
    auto* central = new QWidget;
    window->setCentralWidget(central);
    auto* hidden = new QWidget(central);
    hidden->hide();

    for (const WidgetCopy& copy : census) {
        QWidget* widget = makeWidget(copy.qtClass, copy.shown ? central : hidden);
        widget->setGeometry(copy.rect);
        if (copy.textProperty) widget->setProperty(copy.textProperty, copy.text);
    }
    return window;
}

void printCensus(const WidgetCensus& census)
{
    std::map<std::pair<QByteArray, bool>, int> kinds;
    for (const WidgetCopy& copy : census)
        ++kinds[{copy.qtClass, copy.shown}];
    for (const auto& [kind, count] : kinds) {
        const bool known = factories().count(kind.first) != 0;
        std::printf("  %4d %-18s %s%s\n", count, kind.first.constData(),
                    kind.second ? "shown" : "hidden", known ? "" : " (built as QWidget)");
    }
    std::printf("  %4zu widgets\n", census.size());
}
