#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The API quick guide: the controller's packet layouts, reserved response codes and command
// codes as an editable reference text.
class THelpForm : public QWidget {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);

    void Button1Click();

private:
    QPlainTextEdit* HelpMemo = nullptr;
    QPushButton* Button1 = nullptr;
};
