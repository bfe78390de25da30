#include "cards/pictures/zucard_pictures.h"

#include "cards/pictures/zucard_paint.h"
#include "cards/pictures/zucard_picture_loader.h"

#include <QDebug>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Each picture is drawn when it is first asked for, from the library held open
// while the table has users: a start-up draws only what its first frame shows.
// A picture is written once, under the lock, before its flag says it is there;
// after that it is only read, from whichever thread asks.
struct TPictureTable {
    std::array<QImage, ZuPictureCount + 1> pictures; // index 0 unused
    std::array<std::atomic<bool>, ZuPictureCount + 1> ready {};
    std::unique_ptr<TCardPictureSource> source; // null when all were drawn at start
    std::mutex drawing;
    int users = 0;
    QString library;
    int scale = 0; // 0: as the screen asks
    // The pictures drawn for one other scale, on demand.
    std::array<QImage, ZuPictureCount + 1> scaled;
    qreal scaledAt = 0;
    int corners = 0; // the scaled pictures' rounding

    // Draws pictures before they are asked for; told to end by `stopAhead`.
    std::thread ahead;
    std::atomic<bool> stopAhead { false };

    void EndAhead()
    {
        if (!ahead.joinable()) return;
        stopAhead.store(true);
        ahead.join();
        stopAhead.store(false);
    }
    ~TPictureTable() { EndAhead(); }
};

TPictureTable& Table()
{
    static TPictureTable table;
    return table;
}

void DrawOnFirstUse(TPictureTable& table, int number)
{
    const std::lock_guard lock(table.drawing);
    if (table.ready[number].load(std::memory_order_relaxed) || !table.source) return;
    try {
        table.pictures[number] = table.source->Draw(number);
    } catch (const EResNotFound& e) {
        // The library said at start that it has the picture; one that goes
        // back on its word leaves an empty place rather than stop a game.
        qWarning("%s", e.what());
    }
    table.ready[number].store(true, std::memory_order_release);
}

// The scale the library draws its pictures at; a table drawn whole at the
// start has it in its pictures. Under the table's lock.
qreal OwnScale(const TPictureTable& table)
{
    return table.source ? table.source->Scale() : table.pictures[2].devicePixelRatio();
}

// The table's number of `picture`, or -1 when it is not one of its places.
int NumberOf(const TPictureTable& table, const QImage* picture)
{
    const std::ptrdiff_t number = picture - table.pictures.data();
    return picture && number >= 0 && number <= ZuPictureCount ? int(number) : -1;
}

// A picture at another scale, rounded when the table's scaled pictures are.
QImage DrawScaled(const QString& library, int number, qreal scale, int corners)
{
    QImage picture = LoadScaledCardPicture(library, number, scale);
    return corners > 0 ? ZuRoundedCardPicture(picture, corners) : picture;
}

// Runs `draw` on the table's ahead thread; the caller ended the last one.
template <typename TDraw> void StartAhead(TPictureTable& table, TDraw draw)
{
    try {
        table.ahead = std::thread(std::move(draw));
    } catch (const std::system_error& e) {
        // Each picture is then drawn by the paint that first shows it.
        qWarning("No thread to draw the card pictures ahead: %s", e.what());
    }
}

} // namespace

int CardPictureResource(int pictureNumber)
{
    const int p = pictureNumber;
    if (p == 14) return 1; // aces come first in the library's suits
    if (p == 27) return 14;
    if (p == 40) return 40;
    if (p == 53) return 27;
    if (p >= 28 && p <= 39) return p + 13; // the library has hearts before spades
    if (p >= 41 && p <= 52) return p - 13;
    if (p >= 54) return p - 1;
    return p;
}

void AcquireCardPictures()
{
    TPictureTable& table = Table();
    if (table.users == 0) {
        // Every picture is checked now, so a missing one fails the start as
        // it always has. A library that cannot say without drawing has all
        // of them drawn now, into a scratch table: a failure leaves nothing
        // half loaded.
        auto source = std::make_unique<TCardPictureSource>(CardPictureLibrary(), table.scale);
        std::array<QImage, ZuPictureCount + 1> loaded;
        const bool lazy = source->CanCheck();
        if (lazy) {
            source->CheckAll();
        } else {
            for (int number = 2; number <= ZuPictureCount; ++number)
                loaded[number] = source->Draw(number);
            source.reset();
        }
        const std::lock_guard lock(table.drawing);
        table.pictures.swap(loaded);
        for (std::atomic<bool>& ready : table.ready)
            ready.store(!lazy, std::memory_order_relaxed);
        table.ready[1].store(true, std::memory_order_release); // always empty
        table.source = std::move(source);
    }
    ++table.users;
}

void ReleaseCardPictures()
{
    TPictureTable& table = Table();
    if (table.users == 0) return;
    if (--table.users > 0) return;
    table.EndAhead();
    const std::lock_guard lock(table.drawing);
    table.pictures.fill(QImage());
    table.scaled.fill(QImage());
    for (std::atomic<bool>& ready : table.ready)
        ready.store(false, std::memory_order_relaxed);
    table.source.reset();
}

void DrawCardPicturesAhead(std::vector<int> numbers)
{
    TPictureTable& table = Table();
    if (table.users == 0 || !table.source) return;
    table.EndAhead();
    StartAhead(table, [&table, numbers = std::move(numbers)] {
        for (const int number : numbers) {
            if (table.stopAhead.load()) return;
            if (number < 2 || number > ZuPictureCount) continue;
            if (!table.ready[number].load(std::memory_order_acquire)) DrawOnFirstUse(table, number);
        }
    });
}

void DrawScaledPicturesAhead(std::vector<int> numbers, qreal scale)
{
    TPictureTable& table = Table();
    if (table.users == 0 || scale < 1.0) return;
    // At the pictures' own scale the table's pictures are shown as they are.
    if (qFuzzyCompare(OwnScale(table), scale)) return;
    table.EndAhead();
    {
        const std::lock_guard lock(table.drawing);
        if (!qFuzzyCompare(table.scaledAt, scale)) {
            table.scaled.fill(QImage());
            table.scaledAt = scale;
        }
    }
    // Drawn outside the lock, so a paint that wants a picture meanwhile draws
    // it itself rather than wait; the first one drawn is the one kept.
    const int corners = table.corners; // changed only on the GUI thread
    auto drawAll
        = [&table, numbers = std::move(numbers), scale, corners, library = CardPictureLibrary()] {
              for (const int number : numbers) {
                  if (table.stopAhead.load()) return;
                  if (number < 2 || number > ZuPictureCount) continue;
                  {
                      const std::lock_guard lock(table.drawing);
                      if (!qFuzzyCompare(table.scaledAt, scale)) return;
                      if (!table.scaled[number].isNull()) continue;
                  }
                  QImage picture;
                  try {
                      picture = DrawScaled(library, number, scale, corners);
                  } catch (const EResNotFound&) {
                      return; // the paint that shows it reports it
                  }
                  const std::lock_guard lock(table.drawing);
                  if (!qFuzzyCompare(table.scaledAt, scale) || table.corners != corners) return;
                  if (table.scaled[number].isNull()) table.scaled[number] = std::move(picture);
              }
          };
    StartAhead(table, std::move(drawAll));
}

int CardPictureUsers()
{
    return Table().users;
}

const QImage* CardPicture(int number)
{
    if (number < 1 || number > ZuPictureCount) number = 1;
    TPictureTable& table = Table();
    if (!table.ready[number].load(std::memory_order_acquire)) DrawOnFirstUse(table, number);
    return &table.pictures[number];
}

qreal CardPictureScale()
{
    TPictureTable& table = Table();
    const std::lock_guard lock(table.drawing);
    return OwnScale(table);
}

const QImage* CardPictureSlot(int number)
{
    if (number < 1 || number > ZuPictureCount) number = 1;
    return &Table().pictures[number];
}

const QImage* DrawnCardPicture(const QImage* picture)
{
    const int number = NumberOf(Table(), picture);
    return number < 0 ? picture : CardPicture(number);
}

bool CardPictureDrawn(int number)
{
    if (number < 1 || number > ZuPictureCount) return false;
    return Table().ready[number].load(std::memory_order_acquire);
}

const QImage* CardPictureForScale(const QImage* picture, qreal scale)
{
    // A place of the table is read only once drawn: it may be a slot.
    const int number = NumberOf(Table(), picture);
    return number < 0 ? picture : CardPictureAt(number, scale);
}

const QImage* CardPictureAt(int number, qreal scale)
{
    TPictureTable& table = Table();
    if (number < 2 || number > ZuPictureCount || scale < 1.0) return CardPicture(number);
    // The same lock as the first-use drawing: a view's scale may change
    // while another thread asks for a picture.
    std::unique_lock lock(table.drawing);
    if (table.users == 0 || qFuzzyCompare(OwnScale(table), scale)) {
        lock.unlock();
        return CardPicture(number);
    }
    // A picture the library failed to give at its own scale stays empty.
    if (table.ready[number].load(std::memory_order_relaxed) && table.pictures[number].isNull())
        return &table.pictures[number];
    if (!qFuzzyCompare(table.scaledAt, scale)) {
        table.scaled.fill(QImage());
        table.scaledAt = scale;
    }
    QImage& scaled = table.scaled[number];
    if (scaled.isNull()) scaled = DrawScaled(CardPictureLibrary(), number, scale, table.corners);
    return &scaled;
}

void SetScaledPictureCorners(int radius)
{
    TPictureTable& table = Table();
    radius = std::max(0, radius);
    if (radius == table.corners) return;
    table.EndAhead();
    const std::lock_guard lock(table.drawing);
    table.corners = radius;
    table.scaled.fill(QImage());
    table.scaledAt = 0;
}

bool ScaledPictureRounded(const QImage* picture, int radius)
{
    const TPictureTable& table = Table();
    return radius > 0 && radius == table.corners && picture >= table.scaled.data()
        && picture < table.scaled.data() + table.scaled.size();
}

void SetCardPictureLibrary(const QString& path)
{
    Table().library = path;
}

QString CardPictureLibrary()
{
    const QString& path = Table().library;
    return path.isEmpty() ? DefaultCardPictureLibrary() : path;
}

void SetCardPictureScale(int scale)
{
    Table().scale = scale;
}
