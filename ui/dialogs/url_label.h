#pragma once

#include <QColor>
#include <QLabel>
#include <QStringList>

#include <functional>

enum TUrlType {
    utCustom,
    utFile,
    utFtp,
    utGopher,
    utHttp,
    utHttps,
    utMail,
    utNews,
    utTelnet,
    utWais
};

// A label that links to an address built from a scheme and a target. It
// lights up under the mouse and hands the address to the desktop when it is
// clicked; only web and mail addresses are ever opened.
class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    explicit TUrlLabel(QWidget* parent = nullptr);

    // The address as the scheme, the target and, for mail, the header parts.
    QString Address() const;
    // Opens Address() through the shell-open seam when it is a web or mail
    // address; returns whether it was handed on.
    bool Click();
    static bool CanOpen(const QUrl& Url);

    QColor ActiveColor() const { return FActiveColor; }
    void SetActiveColor(const QColor& Value) { FActiveColor = Value; }
    QColor InactiveColor() const { return FInactiveColor; }
    void SetInactiveColor(const QColor& Value);
    bool DetectMouse() const { return FDetectMouse; }
    void SetDetectMouse(bool Value);
    bool UnderlineOnEnter() const { return FUnderlineOnEnter; }
    void SetUnderlineOnEnter(bool Value) { FUnderlineOnEnter = Value; }
    bool ShowUrlHint() const { return FShowUrlHint; }
    void SetShowUrlHint(bool Value);

    TUrlType URLType() const { return FURLType; }
    void SetURLType(TUrlType Value);
    QString URL() const { return FURL; }
    void SetURL(const QString& Value);
    QString CustomURLType() const { return FCustomURLType; }
    void SetCustomURLType(const QString& Value);
    QString MailSubject() const { return FMailSubject; }
    void SetMailSubject(const QString& Value);
    const QStringList& MailBody() const { return FMailBody; }
    void SetMailBody(const QStringList& Value);
    QString Cc() const { return FCc; }
    void SetCc(const QString& Value);
    QString Bcc() const { return FBcc; }
    void SetBcc(const QString& Value);

    // When set, a click calls it instead of handing the address on: a link
    // to a page inside the program.
    std::function<void(TUrlLabel* Sender)> OnClick;
    std::function<void(TUrlLabel* Sender)> OnMouseEnter;
    std::function<void(TUrlLabel* Sender)> OnMouseLeave;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString MailParts() const;
    void SetFontColor(const QColor& Color);
    void SetUnderlined(bool Underlined);
    void AddressChanged();

    QColor FActiveColor { 0, 0, 255 };
    QColor FInactiveColor { 0, 0, 128 };
    bool FDetectMouse = true;
    bool FUnderlineOnEnter = true;
    bool FShowUrlHint = true;
    TUrlType FURLType = utCustom;
    QString FURL, FCustomURLType, FMailSubject, FCc, FBcc;
    QStringList FMailBody;
};
