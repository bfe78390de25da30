#include "tests/ui/shell_recorder.h"
#include "ui/dialogs/url_label.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct AddressCase {
    const char* what;
    std::function<void(TUrlLabel&)> setUp;
    const char* address;
    bool opens;
};

void Mail(TUrlLabel& l, const QString& to)
{
    l.SetURLType(utMail);
    l.SetURL(to);
}

// Each part in the fixed order, "?" before the first, "&" before the rest;
// values percent-encoded, line breaks as CR LF.
const std::vector<AddressCase> kAddresses = {
    { "web page as a whole address", [](TUrlLabel& l) { l.SetURL("https://zaviko.example.org/"); },
        "https://zaviko.example.org/", true },
    { "http scheme",
        [](TUrlLabel& l) {
            l.SetURLType(utHttp);
            l.SetURL("zaviko.example.org/pravila");
        },
        "http://zaviko.example.org/pravila", true },
    { "mail, address only", [](TUrlLabel& l) { Mail(l, "zaviko@example.org"); },
        "mailto:zaviko@example.org", true },
    { "mail, body only",
        [](TUrlLabel& l) {
            Mail(l, "a@example.org");
            l.SetMailBody({ "Zdravo, svete", "100% & kraj" });
        },
        "mailto:a@example.org?Body=Zdravo%2C%20svete%0D%0A100%25%20%26%20kraj%0D%0A", true },
    { "mail, copy only",
        [](TUrlLabel& l) {
            Mail(l, "a@example.org");
            l.SetCc("b@example.org");
        },
        "mailto:a@example.org?Cc=b@example.org", true },
    { "mail, every part",
        [](TUrlLabel& l) {
            Mail(l, "a@example.org");
            l.SetCc("c@example.org");
            l.SetBcc("d@example.org");
            l.SetMailBody({ "x" });
            l.SetMailSubject("Pitanje? Da=ne#1");
        },
        "mailto:a@example.org?Subject=Pitanje%3F%20Da%3Dne%231&Body=x%0D%0A&Bcc=d@example.org"
        "&Cc=c@example.org",
        true },
    { "mail, address cannot add headers",
        [](TUrlLabel& l) { Mail(l, "a@example.org?bcc=spy@example.org"); },
        "mailto:a@example.org%3Fbcc%3Dspy@example.org", true },
    { "file",
        [](TUrlLabel& l) {
            l.SetURLType(utFile);
            l.SetURL("/etc/passwd");
        },
        "file:///etc/passwd", false },
    { "telnet",
        [](TUrlLabel& l) {
            l.SetURLType(utTelnet);
            l.SetURL("example.org");
        },
        "telnet:example.org", false },
    { "program as custom scheme", [](TUrlLabel& l) { l.SetURL("/usr/bin/xterm"); },
        "/usr/bin/xterm", false },
    { "web without host", [](TUrlLabel& l) { l.SetURL("https:///x"); }, "https:///x", false },
    { "mail without address", [](TUrlLabel& l) { Mail(l, ""); }, "mailto:", false },
};

TEST(UrlLabel, BuildsAddressesAndOpensOnlyWebAndMail)
{
    for (const AddressCase& c : kAddresses) {
        TScopedShellRecorder shell;
        TUrlLabel label;
        c.setUp(label);
        EXPECT_EQ(label.Address(), c.address) << c.what;
        EXPECT_EQ(label.toolTip(), c.address) << c.what; // the hint follows every writer
        EXPECT_EQ(label.Click(), c.opens) << c.what;
        EXPECT_EQ(shell.opened, c.opens ? QStringList { c.address } : QStringList()) << c.what;
    }
}

TEST(UrlLabel, ALeftClickOnTheLabelOpensItsAddressOnce)
{
    TScopedShellRecorder shell;
    TUrlLabel label;
    label.SetURL("https://zaviko.example.org/");
    label.resize(100, 13);
    for (Qt::MouseButton button : { Qt::RightButton, Qt::LeftButton }) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
            button, button, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
            label.mapToGlobal(QPointF(5, 5)), button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &press);
        QApplication::sendEvent(&label, &release);
    }
    EXPECT_EQ(shell.opened, QStringList { "https://zaviko.example.org/" });
}

TEST(UrlLabel, OwnHintSurvivesSwitchingTheAddressHintOff)
{
    TUrlLabel label;
    label.SetURL("https://zaviko.example.org/");
    label.SetShowUrlHint(false);
    EXPECT_EQ(label.toolTip(), ""); // it was the address
    label.setToolTip("Zaviko na Webu");
    label.SetURL("https://example.org/");
    label.SetShowUrlHint(false);
    EXPECT_EQ(label.toolTip(), "Zaviko na Webu");
    label.SetShowUrlHint(true);
    EXPECT_EQ(label.toolTip(), "https://example.org/");
}

void EnterAndLeave(TUrlLabel& label, QStringList& seen)
{
    auto look = [&label] {
        return label.palette().color(QPalette::WindowText).name()
            + (label.font().underline() ? " underlined" : " plain");
    };
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    seen << look();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    seen << look();
}

TEST(UrlLabel, LightsUpUnderTheMouseUnlessItIgnoresTheMouse)
{
    TUrlLabel label;
    QStringList seen;
    label.OnMouseEnter = [&seen](TUrlLabel*) { seen << "enter"; };
    label.OnMouseLeave = [&seen](TUrlLabel*) { seen << "leave"; };
    EnterAndLeave(label, seen);
    EXPECT_EQ(seen, QStringList({ "enter", "#0000ff underlined", "leave", "#000080 plain" }));

    seen.clear();
    label.SetDetectMouse(false);
    EnterAndLeave(label, seen);
    EXPECT_EQ(seen, QStringList({ "enter", "#000080 underlined", "leave", "#000080 underlined" }));
}

} // namespace
