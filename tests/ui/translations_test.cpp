// The game's languages: every text a window or a message shows comes from the
// translation files, each language's embedded translation is complete and
// current, and the choice is stored, defaulted and applied as the player expects.
#include "tests/ui/main_window_fixture.h"

#include "settings/ini_file.h"
#include "tools/screenshots/review_positions.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/review/analysis_window.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "game/controller/game_text_shown.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/language_box.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/desktop/qt_texts.h"
#include "ui/dialogs/rename_dialog.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/dialogs/statistics_dialog.h"
#include "game/controller/statistics_store.h"
#include "ui/window/taken_cards_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QTranslator>

namespace {

// Wraps every text it is asked for in brackets, so a text shown without
// brackets never went through the translation functions.
class TMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source) return {};
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

// Texts that are data, not words of the game: names, numbers, addresses.
bool IsData(const QString& text, const QStringList& names)
{
    const QString bare = QString(text).remove(QLatin1Char('&')).trimmed();
    if (bare.isEmpty() || bare.contains(QLatin1Char('['))) return true;
    if (!std::any_of(bare.begin(), bare.end(), [](QChar c) { return c.isLetter(); })) return true;
    if (bare == QLatin1String("Zaviko") || bare.contains(QLatin1String("example.org"))) return true;
    return std::any_of(names.begin(), names.end(), [&bare](const QString& n) {
        return bare == n || bare.startsWith(n + QLatin1String(" ("));
    });
}

// Every text the widget and its children show, with where it was found.
QStringList ShownTexts(QWidget& top)
{
    QStringList texts { top.windowTitle() };
    for (QLabel* label : top.findChildren<QLabel*>())
        texts << label->text();
    for (QAbstractButton* button : top.findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (QGroupBox* box : top.findChildren<QGroupBox*>())
        texts << box->title();
    for (QTableWidget* table : top.findChildren<QTableWidget*>()) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (table->horizontalHeaderItem(c)) texts << table->horizontalHeaderItem(c)->text();
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)) texts << table->verticalHeaderItem(r)->text();
    }
    for (TPubStrGrid* grid : top.findChildren<TPubStrGrid*>())
        for (int c = 0; c < grid->ColCount(); ++c)
            texts << grid->Cells(c, 0);
    if (auto* window = qobject_cast<QMainWindow*>(&top))
        for (QAction* menu : window->menuBar()->actions()) {
            texts << menu->text();
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    texts << item->text();
        }
    return texts;
}

void ExpectAllTranslated(const QStringList& texts, const QStringList& names, const char* where)
{
    for (const QString& text : texts)
        EXPECT_TRUE(IsData(text, names))
            << where << ": \"" << text.toStdString() << "\" is not taken from the translations";
}

void ExpectAllTranslated(const std::vector<std::string>& texts, const char* where)
{
    for (const std::string& text : texts)
        EXPECT_NE(text.find('['), std::string::npos)
            << where << ": \"" << text << "\" is not taken from the translations";
}

class TranslationsTest : public MainWindowTest {
protected:
    ~TranslationsTest() override
    {
        QCoreApplication::removeTranslator(&marking);
        InstallLanguage(QString::fromLatin1(SourceLanguage));
    }
    void Mark() { QCoreApplication::installTranslator(&marking); }
    QStringList Names() const { return { ini->S, ini->W, ini->N, ini->E }; }
    TMarkingTranslator marking;
};

} // namespace

TEST_F(TranslationsTest, TheWindowAndEveryDialogShowOnlyTranslatedTexts)
{
    Mark();
    TForm1& window = Make();
    window.show();
    QApplication::processEvents();
    ExpectAllTranslated(ShownTexts(window), Names(), "main window");
    ExpectAllTranslated(sink.shown.information, "start message");
    ExpectAllTranslated(sink.shown.confirmations, "start question");

    TFOptions options;
    options.FillOptions(ini.get(), 0, 0, 1, 2, 1, true, false, true, true, true, false);
    ExpectAllTranslated(ShownTexts(options), Names(), "options");
    TFPromenaImena rename;
    ExpectAllTranslated(ShownTexts(rename), Names(), "rename");
    TFAbout about;
    ExpectAllTranslated(ShownTexts(about), Names(), "about");
    TFDeckOverInfoDlg handEnd;
    handEnd.SetLastTaker(ini->W);
    ExpectAllTranslated(ShownTexts(handEnd), Names(), "end of hand");
    TFPregledKarata taken;
    taken.SetPlayer(ini->N);
    ExpectAllTranslated(ShownTexts(taken), Names(), "captured cards");
    TStatisticsStore store(dir.filePath("Zaviko.ini"));
    TStatisticsDialog statistics(store);
    ExpectAllTranslated(ShownTexts(statistics), Names(), "statistics");
    THelpViewer help(dir.filePath("Zaviko.hlp"));
    ExpectAllTranslated(ShownTexts(help), Names(), "help");
    TFAnaliza analysis;
    ExpectAllTranslated(ShownTexts(analysis), Names(), "analysis without a hand");
    analysis.SetReviews({ SampleHandReview(11, kEachForHimself, 1, false) });
    for (ReviewView view : { ReviewView::Fair, ReviewView::EveryCard }) {
        analysis.SetView(view);
        ExpectAllTranslated(ShownTexts(analysis), Names(), "analysis");
    }
}

TEST_F(TranslationsTest, MessagesOfTheMatchAreTranslated)
{
    Mark();
    Make();
    SeedWhereHumanStarts();
    Controller().StartMatch(); // the human is on turn and is told so
    ASSERT_FALSE(sink.shown.information.empty());
    ExpectAllTranslated(sink.shown.information, "start");
    ExpectAllTranslated(sink.shown.confirmations, "new match");
    ExpectAllTranslated(ShownTexts(*form), Names(), "main window in play");
}

// In every language and mode the score headers show whole in their columns
// (2 pixels in, 1 clear of the grid line), and the last column still ends
// inside its grid.
TEST_F(TranslationsTest, EveryScoreHeaderShowsWholeInEveryLanguage)
{
    for (const TLanguage& language : Languages()) {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(language.code)));
        for (int mode : { kEachForHimself, kPairs, kTwoPlayers }) {
            SetOptions([mode](TIni& s) { s.NumberOfPlayers = mode; });
            Make();
            TPubStrGrid* grid = form->ScorePanel(Controller().ActiveScoreGrid())->Grid();
            const QFontMetrics metrics(grid->font());
            for (int column = 1; column < 5; ++column) {
                const QString header = grid->Cells(column, 0);
                const QRect cell = grid->visualRect(grid->model()->index(0, column));
                EXPECT_LE(metrics.horizontalAdvance(header) + 3, cell.width())
                    << language.code << ", mode " << mode << ": " << header.toStdString();
            }
            EXPECT_LE(
                grid->columnViewportPosition(4) + grid->columnWidth(4), grid->viewport()->width())
                << language.code << ", mode " << mode;
        }
    }
}
