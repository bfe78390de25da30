// Writes PNGs of the visual deck, full, thinned and used up, as a dcSingle and
// a dcDouble stack, each on a green form, to the folder given on the command
// line. With --scale 2 the pictures are drawn at device pixel ratio 2.
#include "cards/zucard.h"

#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QColor TableGreen(0x00, 0x80, 0x00);
constexpr int Margin = 16;

enum TStage { stFull, stThinned, stUsedUp };

// Takes cards from the deck until the stage shows: thinned is half the layers
// gone, used up is every card taken.
void TakeCards(TZuVirtualDeck& deck, const TZuCardDeck& visual, TStage stage)
{
    const int halfLayers = visual.Layers() / 2;
    switch (stage) {
    case stFull:
        return;
    case stThinned:
        while (visual.Layers() > halfLayers)
            deck.NextCard();
        return;
    case stUsedUp:
        while (deck.NextCard() >= 0) { }
        return;
    }
}

QImage Render(TZuVisualDeckType type, TStage stage)
{
    QWidget form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, TableGreen);
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    auto* visual = new TZuCardDeck(&form); // takes the form's colour as its brush
    visual->SetAutoSize(true);
    visual->move(Margin, Margin);
    visual->SetDeckType(type);
    TZuVirtualDeck deck;
    // Two decks, as the game deals them: a 52-card dcDouble stack runs out
    // without showing the used-up back, a 104-card one shows it.
    for (int suit = 1; suit <= 4; ++suit)
        deck.IncludedCards().SuitNumber(suit).SetAll(2);
    deck.SetVisualDeck(visual);
    deck.PrepareDeck();
    TakeCards(deck, *visual, stage);

    form.resize(visual->width() + 2 * Margin, visual->height() + 2 * Margin);
    form.show();
    QCoreApplication::processEvents();
    return form.grab().toImage();
}

bool Write(const QDir& folder, const QString& name, const QImage& image)
{
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int RunDeckSheet(int argc, char** argv)
{
    const char* folderArg = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            setenv("QT_SCALE_FACTOR", argv[++i], 1);
        else
            folderArg = argv[i];
    }
    if (!folderArg) {
        std::fprintf(stderr, "usage: %s decks [--scale 2] FOLDER\n", argv[0]);
        return 2;
    }
    TSheetProgram program(argc, argv, snNothing, folderArg);
    if (!program.Ready()) return 1;
    const QDir folder = program.Dir();

    const struct {
        TZuVisualDeckType type;
        const char* name;
    } types[] = { { dcSingle, "single" }, { dcDouble, "double" } };
    const struct {
        TStage stage;
        const char* name;
    } stages[] = { { stFull, "full" }, { stThinned, "thinned" }, { stUsedUp, "empty" } };

    bool ok = true;
    for (const auto& type : types)
        for (const auto& stage : stages)
            ok &= Write(folder, QStringLiteral("deck_%1_%2.png").arg(type.name, stage.name),
                Render(type.type, stage.stage));
    return ok ? 0 : 1;
}
