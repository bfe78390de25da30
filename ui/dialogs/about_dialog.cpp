#include "ui/dialogs/about_dialog.h"

#include "ui/dialogs/about_pictures.h"
#include "ui/dialogs/about_version.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/access/key_list.h"
#include "ui/dialogs/url_label.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// A text placed in its box, widened about the box's centre when the font in
// use is wider than the one the box was measured for.
void PlaceCentred(QLabel* label, const char* name, int left, int top, int w, int h)
{
    label->setObjectName(QLatin1String(name));
    label->setFont(DialogFont(QStringLiteral("Tahoma")));
    label->setAlignment(Qt::AlignCenter);
    const int width = std::max(w, label->sizeHint().width());
    label->setGeometry(left + (w - width) / 2, top, width, std::max(h, label->sizeHint().height()));
}

QLabel* Picture(QWidget* parent, const char* name, const QPixmap& pixmap, int left, int top)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(pixmap);
    picture->setGeometry(QRect(QPoint(left, top), pixmap.deviceIndependentSize().toSize()));
    return picture;
}

TUrlLabel* Link(QWidget* parent, const QString& hint)
{
    auto* link = new TUrlLabel(parent);
    link->SetShowUrlHint(false);
    link->setToolTip(hint); // a fixed text, not the address
    return link;
}

} // namespace

TAboutLinks TAboutLinks::Built()
{
    return { QStringLiteral(ZAVIKO_HOME_PAGE), QStringLiteral(ZAVIKO_MAIL) };
}

TFAbout::TFAbout(QWidget* parent, const TAboutLinks& links)
    : QDialog(parent)
{
    setWindowTitle(tr("O Programu"));
    setFont(DialogFont());
    const qreal ratio = devicePixelRatioF();

    // The keys between the mail link and the button, in a box as wide as
    // they need; the parts above stay centred over them.
    FKeys = new QLabel(GameKeysHtml(), this);
    FKeys->setObjectName(QStringLiteral("LabelKeys"));
    FKeys->setTextFormat(Qt::RichText);
    FKeys->setAccessibleName(tr("Tasteri"));
    const QSize keys = FKeys->sizeHint();
    const int width = std::max(ClientWidth, keys.width() + 24);
    const int dx = (width - ClientWidth) / 2;
    constexpr int keysTop = 146;
    FKeys->setGeometry((width - keys.width()) / 2, keysTop, keys.width(), keys.height());
    const int buttonTop = keysTop + keys.height() + 12;
    setFixedSize(width, buttonTop + ClientHeight - 160);

    Picture(this, "PictureTitle", CardFanPicture(ratio), 88 + dx, 24);
    PlaceCentred(new QLabel(ProgramVersionText(), this), "LabelVersion", 50 + dx, 56, 134, 13);

    if (links.homePage.isEmpty()) {
        // No page on the web to point at: the game's own page on this machine,
        // in the help window, which the dialog closes to make way for.
        FWebLink = Link(this, tr("Pravila i tasteri, na ovom racunaru"));
        FWebLink->setText(tr("Pomoc za Zaviko"));
        FWebLink->OnClick = [this](TUrlLabel*) {
            FHelpAsked = true;
            accept();
        };
    } else {
        FWebLink = Link(this, tr("Zaviko na Webu"));
        FWebLink->SetURL(links.homePage); // the whole address: no scheme of its own
        FWebLink->setText(links.homePage);
    }
    PlaceCentred(FWebLink, "LinkWeb", 41 + dx, 70, 153, 13);

    Picture(this, "PictureLogo", LogoPicture(ratio), 63 + dx, 104);

    FMailLink = Link(this, tr("Pisi autoru"));
    FMailLink->SetURLType(utMail);
    FMailLink->SetURL(links.mail);
    FMailLink->setText(links.mail);
    PlaceCentred(FMailLink, "LinkMail", 67 + dx, 120, 99, 13);
    // The link sits over the logo's lower edge; it must take the clicks.
    FMailLink->raise();
    FMailLink->setVisible(!links.mail.isEmpty());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setGeometry(80 + dx, buttonTop, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
