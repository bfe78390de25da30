#include "ui/dialogs/mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

#include <set>

namespace {

QChar MarkedLetter(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i; // "&&" is an ampersand
    }
    return {};
}

// The text with '&' before a free letter: in the first pass only a word's
// first letter, in the second any; unchanged when none is free.
QString Marked(const QString& text, std::set<QChar>& used, bool wordStartsOnly)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i].toLower();
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        if (!c.isLetterOrNumber() || used.count(c) || (wordStartsOnly && !wordStart)) continue;
        used.insert(c);
        return text.left(i) + '&' + text.mid(i);
    }
    return text;
}

class TDialogShowFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && !qobject_cast<QMessageBox*>(dialog)) AssignMnemonics(dialog);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void AssignMnemonics(QWidget* dialog)
{
    const QList<QAbstractButton*> buttons = dialog->findChildren<QAbstractButton*>();
    const QList<QGroupBox*> groups = dialog->findChildren<QGroupBox*>();
    std::set<QChar> used;
    for (QAbstractButton* b : buttons)
        if (const QChar c = MarkedLetter(b->text()); !c.isNull()) used.insert(c);
    for (QGroupBox* g : groups)
        if (const QChar c = MarkedLetter(g->title()); !c.isNull()) used.insert(c);
    // Push buttons first, they are what a player presses most; then the
    // choices, then the groups, which a letter only enters. Every control
    // gets the chance of a word's first letter before any control takes a
    // letter inside a word: "Broj spilova" must not take the "J" of "Jezik".
    for (bool wordStartsOnly : { true, false }) {
        for (bool push : { true, false })
            for (QAbstractButton* b : buttons)
                if (bool(qobject_cast<QPushButton*>(b)) == push && !b->text().isEmpty()
                    && MarkedLetter(b->text()).isNull())
                    b->setText(Marked(b->text(), used, wordStartsOnly));
        for (QGroupBox* g : groups)
            if (!g->title().isEmpty() && MarkedLetter(g->title()).isNull())
                g->setTitle(Marked(g->title(), used, wordStartsOnly));
    }
}

QStringList WithLetters(const QStringList& texts)
{
    std::set<QChar> used;
    for (const QString& text : texts)
        if (const QChar c = MarkedLetter(text); !c.isNull()) used.insert(c);
    QStringList marked = texts;
    for (bool wordStartsOnly : { true, false })
        for (QString& text : marked)
            if (MarkedLetter(text).isNull()) text = Marked(text, used, wordStartsOnly);
    return marked;
}

void AssignMnemonicsToDialogs()
{
    static TDialogShowFilter* filter = [] {
        auto* f = new TDialogShowFilter(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    (void)filter;
}
