#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Help on time vending and its three parameters, for the time-vend group of the Timing page.
class TTimeVendForm : public QWidget {
    Q_OBJECT

public:
    explicit TTimeVendForm(QWidget* parent = nullptr);

    void Button1Click();

private:
    QLabel* LMDLabel1 = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
    QPushButton* Button1 = nullptr;
};
