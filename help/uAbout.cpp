#include "help/uAbout.h"

#include "help/AboutArtwork.h"
#include "help/ExeInfo.h"
#include "help/SecondaryWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize OuterSize{310, 387}; // px
constexpr int Margin = 12;           // px

// Shown in place of the version when the executable carries none.
const char* const NoVersionText = "unknown";

AboutArtwork* createArtwork(QWidget& form, const QString& name, AboutArtwork::Picture picture)
{
    auto* artwork = new AboutArtwork(picture, &form);
    artwork->setObjectName(name);
    artwork->setFixedSize(artwork->sizeHint());
    return artwork;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setUpSecondaryWindow(*this, "AboutForm", "About Me...", OuterSize);
    paintWhite(*this);
    centreOnScreen(*this, OuterSize);
    Image2 = createArtwork(*this, "Image2", AboutArtwork::Picture::Emblem);
    Image1 = createArtwork(*this, "Image1", AboutArtwork::Picture::ProductName);
    Label1 = createBoldLabel(*this, "Label1", "Tunewright for Corvan");
    Label13 = createBoldLabel(*this, "Label13", "Version Number:");
    VersionNumber = new QLabel("0123456789", this);
    VersionNumber->setObjectName("VersionNumber");
    VersionNumber->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Button1 = createCloseButton(*this, "Ok");
    SysInfo = new TExeInfo(this);
    SysInfo->setObjectName("SysInfo");

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(Image2);
    pictures->addWidget(Image1);
    pictures->addStretch();

    auto* version = new QHBoxLayout;
    version->addStretch();
    version->addWidget(Label13);
    version->addWidget(VersionNumber);
    version->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->addLayout(pictures);
    layout->addStretch(1);
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addLayout(version);
    layout->addStretch(2);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    connect(Button1, &QPushButton::clicked, this, &TAboutForm::Button1Click);
    FormCreate();
}

void TAboutForm::FormCreate()
{
    const QString fileVersion = SysInfo->FileVersion();
    VersionNumber->setText(fileVersion.isEmpty() ? QString(NoVersionText) : fileVersion);
}

void TAboutForm::Button1Click()
{
    close();
}
