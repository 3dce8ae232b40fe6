#pragma once

#include <QWidget>

class AboutArtwork;
class QLabel;
class QPushButton;
class TExeInfo;

// Names the program and shows the file version of the running executable.
class TAboutForm : public QWidget {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

    void FormCreate();
    void Button1Click();

private:
    AboutArtwork* Image2 = nullptr;
    AboutArtwork* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* VersionNumber = nullptr;
    QPushButton* Button1 = nullptr;
    TExeInfo* SysInfo = nullptr;
};
