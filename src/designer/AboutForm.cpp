// The about box.

#include "designer/AboutForm.h"

#include "platform/FileLookup.h"
#include "platform/Format.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

TfrmAbout* frmAbout = nullptr;

namespace {

// The deployment's own notices: who made this copy, where to reach them, and
// the terms of the game's publisher under which the aid is given away.
const char* const CreatedBy = "Created by the Rigsmith developers in 2026";
const char* const Email = "rigsmith@example.org";
const char* const Website = "https://rigsmith.example.org";
const char* const PublisherNotices[6] = {
    "Roadvex is a trademark of its publisher, who holds all rights to the game.",
    "The game's rules and figures are used with the publisher's permission.",
    "This design aid is given away free of charge and may be passed on freely.",
    "It must not be sold, nor be part of anything that is sold.",
    "It is distributed under the publisher's online policy, to be found at",
    "https://roadvex.example.org/online-policy",
};

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : TInfoForm(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Rigsmith"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(488, 403);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("TfrmAbout { background: black; } QLabel { color: white; }"));

    auto* layout = new QVBoxLayout(this);
    // The lines take the box's whole width, and one too long for it wraps
    // rather than losing its ends.
    layout->setContentsMargins(4, 8, 4, 8);
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setScaledContents(true);
    imgLogo->setFixedSize(466, 128);
    QPixmap logo;
    if (logo.load(ResolvePath(QStringLiteral("Graphics/Title/Logo.png"))))
        imgLogo->setPixmap(logo);
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);

    const auto label = [this, layout](const char* name, const QString& text) {
        auto* line = new QLabel(text, this);
        line->setObjectName(QLatin1String(name));
        line->setAlignment(Qt::AlignCenter);
        line->setWordWrap(true);
        layout->addWidget(line);
        return line;
    };
    lblVer = label("lblVer", QString());
    lblCreatedBy = label("lblCreatedBy", QLatin1String(CreatedBy));
    lblEmail = label("lblEmail", QLatin1String(Email));
    lblFeedback = label("lblFeedback", QStringLiteral("Any feedback, ideas, bug reports, thoughts and improvements very welcome "));
    lblWebsite = label("lblWebsite", QLatin1String(Website));
    for (int i = 0; i < 6; ++i)
        lblVRN[i] = label(QStringLiteral("lblVRN%1").arg(i + 1).toLatin1().constData(),
                          QLatin1String(PublisherNotices[i]));
    FormCreate();
}

void TfrmAbout::FormCreate()
{
    lblVer->setText(Format(QStringLiteral("- Version %s -"), {QStringLiteral("0.6.2ß")}));
}
