#include "ui/dialogs/url_label.h"

#include "ui/desktop/shell_open.h"

#include <QEnterEvent>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QUrl>

namespace {

QString SchemeOf(TUrlType type, const QString& custom)
{
    switch (type) {
    case utCustom:
        return custom;
    case utFile:
        return QStringLiteral("file://");
    case utFtp:
        return QStringLiteral("ftp://");
    case utGopher:
        return QStringLiteral("gopher://");
    case utHttp:
        return QStringLiteral("http://");
    case utHttps:
        return QStringLiteral("https://");
    case utMail:
        return QStringLiteral("mailto:");
    case utNews:
        return QStringLiteral("news:");
    case utTelnet:
        return QStringLiteral("telnet:");
    case utWais:
        return QStringLiteral("wais:");
    }
    return QString();
}

// "@" may stand unencoded in a mail address and in header values; anything
// that could end a value or start another ("&", "?", "#", "=") is encoded.
QString Encoded(const QString& text, const QByteArray& keep = "@")
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

TUrlLabel::TUrlLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QFont f = font();
    f.setFamily(QFontDatabase::families().contains(QStringLiteral("Tahoma"))
            ? QStringLiteral("Tahoma")
            : QStringLiteral("Arial"));
    setFont(f);
    SetFontColor(FInactiveColor);
    setCursor(Qt::PointingHandCursor);
}

QString TUrlLabel::Address() const
{
    if (FURLType != utMail) return SchemeOf(FURLType, FCustomURLType) + FURL;
    return SchemeOf(utMail, QString()) + Encoded(FURL, "@+,") + MailParts();
}

// The header parts in a fixed order, each only when it has a value; the first
// one opens the query with "?", so nothing of it can be read as the address.
QString TUrlLabel::MailParts() const
{
    QString body;
    for (const QString& line : FMailBody)
        body += line + QStringLiteral("\r\n");
    const std::pair<const char*, QString> parts[]
        = { { "Subject", FMailSubject }, { "Body", body }, { "Bcc", FBcc }, { "Cc", FCc } };
    QString result;
    for (const auto& [name, value] : parts) {
        if (value.isEmpty()) continue;
        result += (result.isEmpty() ? QLatin1Char('?') : QLatin1Char('&')) + QLatin1String(name)
            + QLatin1Char('=') + Encoded(value);
    }
    return result;
}

bool TUrlLabel::CanOpen(const QUrl& Url)
{
    if (!Url.isValid()) return false;
    const QString scheme = Url.scheme();
    if (scheme == QLatin1String("mailto")) return !Url.path().isEmpty();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !Url.host().isEmpty();
}

bool TUrlLabel::Click()
{
    const QUrl url = QUrl::fromEncoded(Address().toUtf8(), QUrl::TolerantMode);
    return CanOpen(url) && ShellOpen(url);
}

void TUrlLabel::SetInactiveColor(const QColor& Value)
{
    FInactiveColor = Value;
    if (!(FDetectMouse && underMouse())) SetFontColor(Value);
}

void TUrlLabel::SetDetectMouse(bool Value)
{
    FDetectMouse = Value;
    // A label that does not follow the mouse shows it is a link all the time.
    SetUnderlined(!Value);
}

void TUrlLabel::SetShowUrlHint(bool Value)
{
    FShowUrlHint = Value;
    if (Value)
        setToolTip(Address());
    else if (toolTip() == Address())
        setToolTip(QString()); // a hint of one's own stays
}

void TUrlLabel::SetURLType(TUrlType Value)
{
    FURLType = Value;
    AddressChanged();
}

void TUrlLabel::SetURL(const QString& Value)
{
    FURL = Value;
    AddressChanged();
}

void TUrlLabel::SetCustomURLType(const QString& Value)
{
    FCustomURLType = Value;
    AddressChanged();
}

void TUrlLabel::SetMailSubject(const QString& Value)
{
    FMailSubject = Value;
    AddressChanged();
}

void TUrlLabel::SetMailBody(const QStringList& Value)
{
    FMailBody = Value;
    AddressChanged();
}

void TUrlLabel::SetCc(const QString& Value)
{
    FCc = Value;
    AddressChanged();
}

void TUrlLabel::SetBcc(const QString& Value)
{
    FBcc = Value;
    AddressChanged();
}

void TUrlLabel::AddressChanged()
{
    if (FShowUrlHint) setToolTip(Address());
}

void TUrlLabel::SetFontColor(const QColor& Color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Color);
    setPalette(p);
}

// The font style becomes exactly "underlined" or exactly plain.
void TUrlLabel::SetUnderlined(bool Underlined)
{
    QFont f = font();
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    f.setUnderline(Underlined);
    setFont(f);
}

void TUrlLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (FDetectMouse) {
        SetFontColor(FActiveColor);
        if (FUnderlineOnEnter) SetUnderlined(true);
    }
    if (OnMouseEnter) OnMouseEnter(this);
}

void TUrlLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (FDetectMouse) {
        SetFontColor(FInactiveColor);
        SetUnderlined(false);
    }
    if (OnMouseLeave) OnMouseLeave(this);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    if (OnClick)
        OnClick(this);
    else
        Click();
}
