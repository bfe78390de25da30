// Writes the deck-file fuzzer's seed corpus: valid files and files broken in
// each way the reader checks. Usage: deck_file_seeds <folder>
#include "tests/cards/deck_file_builder.h"

#include <QDir>
#include <QFile>

#include <climits>
#include <cstdio>
#include <utility>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    using B = TDeckFileBuilder;
    const std::vector<std::pair<const char*, QByteArray>> seeds = {
        { "valid", B().bytes },
        { "valid_shuffled_10", B().Shuffles(5).Cards(10).bytes },
        { "valid_108", B().Cards(108).bytes },
        { "valid_tail", B().bytes + QByteArray(40, 'x') },
        { "magic_length_32", B().Byte(0, 32).bytes },
        { "magic_case", B().Byte(1, 'z').bytes },
        { "version_2", B().Version(2).bytes },
        { "header_only", B().Cut(40).bytes },
        { "short", B().Cut(ZuDeckFile::RecordSize - 1).bytes },
        { "count_109", B().Cards(109).bytes },
        { "id_56", B().SetCard(3, 56).bytes },
        { "shuffles_max", B().Shuffles(INT_MAX).bytes },
    };
    int failed = 0;
    for (const auto& [name, bytes] : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            ++failed;
    }
    std::printf("%d seeds in %s\n", int(seeds.size()) - failed, qPrintable(dir.path()));
    return failed == 0 ? 0 : 1;
}
