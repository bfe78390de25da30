#pragma once

#include <QImage>
#include <QLibrary>
#include <QString>

// The card-image library loaded from the program's folder, exactly as the game loads it.
class CardLibrary {
public:
    // False with a reason in `error` when the library or one of its functions is missing.
    bool load(QString* error);

    // Picture `id` (1..69) at `scale`, keyed and outlined as the game's picture table
    // prepares it; a null image when the library refuses the request.
    QImage picture(int id, int scale) const;

private:
    using VersionFn = int (*)();
    using DrawFn = int (*)(int, int, unsigned char*, int);

    QLibrary library;
    DrawFn draw = nullptr;
};
