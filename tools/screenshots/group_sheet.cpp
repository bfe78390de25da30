// Writes PNGs of card groups as the game shows them on its green table:
// a six-card hand in every cascade style and side, face up and face down, a
// tight hand with gaps, a table row with empty slots and one with a marked card.
// Usage: zaviko_sheets groups <folder>

#include "cards/zucard.h"

#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Gap = 0; // in an ID list: an empty slot

// A group on a green form, sized to its picture.
class TSheet {
public:
    explicit TSheet(QString folder)
        : FFolder(std::move(folder))
    {
        QPalette palette = FForm.palette();
        palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
        FForm.setPalette(palette);
        FForm.setAutoFillBackground(true);
        FForm.resize(700, 700);
        FForm.show();
    }

    TZuCardGroup& Group(
        const std::vector<int>& ids, TZuCascadeStyle style, TZuCascadeSide side, bool faceDown)
    {
        auto* group = new TZuCardGroup(&FForm);
        group->move(10, 10);
        group->SetAutoSize(true);
        group->SetShowBack(faceDown);
        group->SetCardBack(cbFishBlue);
        group->SetCascadeStyle(style);
        group->SetCascadeSide(side);
        for (int id : ids) {
            TZuSingleCard& card = group->CardList().Add().Card();
            if (id == Gap)
                card.SetEmpty(true);
            else
                card.SetID(id);
        }
        group->show();
        return *group;
    }

    bool Save(TZuCardGroup& group, const QString& name)
    {
        const QString path = QDir(FFolder).filePath(name + QStringLiteral(".png"));
        const bool saved = group.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        delete &group;
        return saved;
    }

private:
    QString FFolder;
    QWidget FForm;
};

const char* StyleName(TZuCascadeStyle style)
{
    switch (style) {
    case csNormal:
        return "normal";
    case csTight:
        return "tight";
    case csLoose:
        return "loose";
    }
    return "?";
}

} // namespace

int RunGroupSheet(int argc, char** argv)
{
    // The pictures are held for the whole run: groups come and go.
    TSheetProgram program(argc, argv, snCardPictures);
    if (!program.Ready()) return 1;
    const QString folder = program.Folder();

    bool ok = true;
    {
        TSheet sheet(folder);
        // ace of clubs, jack of diamonds, ten of spades, king of hearts, seven of clubs, red joker
        const std::vector<int> hand = { 14, 24, 36, 52, 7, 54 };
        for (TZuCascadeSide side : { csRight, csDown })
            for (TZuCascadeStyle style : { csNormal, csTight, csLoose })
                for (bool faceDown : { false, true }) {
                    const QString name = QStringLiteral("hand_%1_%2_%3")
                                             .arg(StyleName(style))
                                             .arg(side == csRight ? "right" : "down")
                                             .arg(faceDown ? "back" : "face");
                    ok &= sheet.Save(sheet.Group(hand, style, side, faceDown), name);
                }

        ok &= sheet.Save(sheet.Group({ 14, 24, Gap, Gap, 7, 54 }, csTight, csRight, false),
            QStringLiteral("hand_tight_right_gaps"));
        ok &= sheet.Save(sheet.Group({ 14, 24, Gap, 52, 7, Gap }, csLoose, csRight, false),
            QStringLiteral("hand_loose_right_gaps"));

        ok &= sheet.Save(sheet.Group({ 10, Gap, 25, Gap, Gap, 47 }, csNormal, csRight, false),
            QStringLiteral("table_row_gaps"));

        TZuCardGroup& marked = sheet.Group({ 10, 33, 25, Gap, 47, 5 }, csNormal, csRight, false);
        marked.CardAt(1)->SetNegative(true);
        marked.CardAt(4)->SetNegative(true);
        ok &= sheet.Save(marked, QStringLiteral("table_row_marked"));
    }
    return ok ? 0 : 1;
}
