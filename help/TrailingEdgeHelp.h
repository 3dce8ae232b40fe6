#pragma once

#include <QWidget>

class PulseDiagram;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Help on the system mode and the opto-pulse timings, with trailing- and leading-edge diagrams.
class TTrailingEdgeForm : public QWidget {
    Q_OBJECT

public:
    explicit TTrailingEdgeForm(QWidget* parent = nullptr);

    void Button1Click();

private:
    QLabel* LMDLabel1 = nullptr;
    PulseDiagram* Image1 = nullptr;
    QLabel* LMDLabel2 = nullptr;
    PulseDiagram* Image2 = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
    QPushButton* Button1 = nullptr;
};
