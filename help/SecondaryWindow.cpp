#include "help/SecondaryWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize WindowFrame{8, 34}; // borders and caption bar around the client area, px
constexpr int FormFontPoints = 8;
constexpr QSize ButtonSize{75, 25}; // px

} // namespace

void setUpSecondaryWindow(QWidget& form, const QString& name, const QString& caption,
                          QSize outerSize)
{
    form.setObjectName(name);
    form.setWindowTitle(caption);
    form.setWindowFlag(Qt::Window); // its own window, though the main window owns it
    form.setWindowModality(Qt::NonModal);
    form.setAttribute(Qt::WA_QuitOnClose, false); // only the main window ends the program
    QFont font = QApplication::font();
    font.setPointSize(FormFontPoints);
    form.setFont(font);
    form.resize(outerSize - WindowFrame);
}

void centreOnScreen(QWidget& form, QSize outerSize)
{
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - QPoint(outerSize.width() / 2, outerSize.height() / 2));
}

void paintWhite(QWidget& form)
{
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, Qt::white);
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

QLabel* createBoldLabel(QWidget& form, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, &form);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton* createCloseButton(QWidget& form, const QString& caption)
{
    auto* button = new QPushButton(caption, &form);
    button->setObjectName("Button1");
    button->setFixedSize(ButtonSize);
    return button;
}
