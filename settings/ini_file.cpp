#include "settings/ini_file.h"

#include "settings/atomic_file.h"
#include "settings/player_files.h"
#include "settings/write_journal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace {

constexpr int kMaxValueLength = 2047;
const QByteArray kBom("\xEF\xBB\xBF");

std::optional<QString> SectionName(const QString& line)
{
    const QString text = line.trimmed();
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0) return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

bool IsComment(const QString& line)
{
    return line.trimmed().startsWith(';');
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString KeyOf(const QString& line)
{
    return line.left(line.indexOf('=')).trimmed();
}

QString ValueOf(const QString& line)
{
    QString value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() > kMaxValueLength) {
        // Never keep half of a surrogate pair.
        const bool split = value.at(kMaxValueLength - 1).isHighSurrogate();
        value.truncate(split ? kMaxValueLength - 1 : kMaxValueLength);
    }
    return value;
}

std::optional<int> ParseHex(QStringView digits)
{
    if (digits.isEmpty()) return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0) return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return int(quint32(value)); // $FFFFFFFF is -1, as a 32-bit pattern
}

std::optional<int> ParseDecimal(QStringView text)
{
    qsizetype start = (text.startsWith('+') || text.startsWith('-')) ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> ParseInteger(QString text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = '$' + text.mid(2);
    if (text.startsWith('$')) return ParseHex(QStringView(text).mid(1));
    return ParseDecimal(text);
}

// UTF-8 when the line is valid UTF-8; otherwise the line was saved by an
// editor in an 8-bit encoding, for Serbian Latin text most likely Windows-1250
// (Latin-1 where the system has no converter for it). The converter is made
// once per file, at its first such line: making one costs far more than a line.
class TLineDecoder {
public:
    QString Decode(const QByteArray& line)
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(line);
        if (!utf8.hasError()) return text;
        if (!FEightBit)
            FEightBit.emplace(QStringDecoder("windows-1250", QStringDecoder::Flag::Stateless));
        return FEightBit->isValid() ? QString(FEightBit->decode(line)) : QString::fromLatin1(line);
    }

private:
    std::optional<QStringDecoder> FEightBit;
};

// A line break inside a value would end the key and start a line of its own,
// which could forge other keys or sections.
QString OneLine(QString value)
{
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    return value;
}

} // namespace

TIniFile::TIniFile(const QString& FileName)
    : FFileName(FileName)
{
    Load();
}

TIniFile::TIniFile(const QString& FileName, const QByteArray& Contents)
    : FFileName(FileName)
{
    Load(Contents);
}

void TIniFile::Load()
{
    // A rewrite in place that a kill cut short is finished before the file
    // is read, so its cut text is never taken for the settings.
    FinishJournaledWrite(FFileName, PerUserFolder());
    // Only a regular file within the limit: a pipe or a device in its place
    // would block the start or never end.
    QByteArray data;
    switch (ReadRegularFile(FFileName, MaxFileSize, data)) {
    case TReadResult::Missing:
        return;
    case TReadResult::Read:
        Load(data);
        return;
    default:
        FReadable = false;
        return;
    }
}

void TIniFile::Load(const QByteArray& contents)
{
    QByteArray data = contents;
    FHasBom = data.startsWith(kBom);
    if (FHasBom) data.remove(0, kBom.size());
    if (data.contains("\r\n")) FLineEnd = QStringLiteral("\r\n");
    FRaw = data.split('\n');
    if (!FRaw.isEmpty() && FRaw.last().isEmpty()) FRaw.removeLast();
    FLines.reserve(FRaw.size());
    TLineDecoder decoder;
    for (QByteArray& line : FRaw) {
        if (line.endsWith('\r')) line.chop(1);
        FLines.append(decoder.Decode(line));
    }
}

void TIniFile::SetLine(int i, const QString& text, const QByteArray& bytes)
{
    FLines[i] = text;
    FRaw[i] = bytes;
}

void TIniFile::InsertLine(int i, const QString& text)
{
    FLines.insert(i, text);
    FRaw.insert(i, text.toUtf8());
}

int TIniFile::FindSection(const QString& Section) const
{
    for (int i = 0; i < FLines.size(); ++i) {
        const auto name = SectionName(FLines[i]);
        if (name && SameName(*name, Section)) return i;
    }
    return -1;
}

int TIniFile::SectionEnd(int Header) const
{
    int i = Header + 1;
    while (i < FLines.size() && !SectionName(FLines[i]))
        ++i;
    return i;
}

int TIniFile::FindKey(int Header, const QString& Ident) const
{
    const int end = SectionEnd(Header);
    for (int i = Header + 1; i < end; ++i) {
        const QString& line = FLines[i];
        if (!IsComment(line) && line.contains('=') && SameName(KeyOf(line), Ident)) return i;
    }
    return -1;
}

// A new key goes after the last key of its section, so blank lines and the
// comments that lead into the next section stay where they are.
int TIniFile::InsertionPoint(int Header) const
{
    int last = Header;
    const int end = SectionEnd(Header);
    for (int i = Header + 1; i < end; ++i)
        if (!IsComment(FLines[i]) && FLines[i].contains('=')) last = i;
    return last + 1;
}

QString TIniFile::ReadString(
    const QString& Section, const QString& Ident, const QString& Default) const
{
    const int header = FindSection(Section);
    const int key = header < 0 ? -1 : FindKey(header, Ident);
    return key < 0 ? Default : ValueOf(FLines[key]);
}

int TIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const
{
    return ParseInteger(ReadString(Section, Ident, QString())).value_or(Default);
}

bool TIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    FChanged = true;
    const QString value = OneLine(Value);
    const int header = FindSection(Section);
    if (header < 0) {
        if (!FLines.isEmpty() && !FLines.last().trimmed().isEmpty())
            InsertLine(FLines.size(), QString());
        InsertLine(FLines.size(), '[' + Section + ']');
        InsertLine(FLines.size(), Ident + '=' + value);
        return;
    }
    const int key = FindKey(header, Ident);
    if (key >= 0) {
        // The key keeps its own spelling and bytes; only the value changes.
        const QString& line = FLines[key];
        const QByteArray& raw = FRaw[key];
        SetLine(key, line.left(line.indexOf('=') + 1) + value,
            raw.left(raw.indexOf('=') + 1) + value.toUtf8());
    } else {
        InsertLine(InsertionPoint(header), Ident + '=' + value);
    }
}

void TIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

void TIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

EIniFileException::EIniFileException(const QString& unwritableFile)
    : std::runtime_error("Unable to write to " + unwritableFile.toStdString())
    , FFileName(unwritableFile)
{
}

QString EIniFileException::ShownText() const
{
    return QCoreApplication::translate("TIniFile", "Podesavanja ne mogu da se sacuvaju u %1.")
        .arg(FFileName);
}

void TIniFile::UpdateFile()
{
    if (!FChanged) return;
    QByteArray data = FHasBom ? kBom : QByteArray();
    const QByteArray lineEnd = FLineEnd.toLatin1();
    for (const QByteArray& line : FRaw)
        data += line + lineEnd;
    QString reason;
    const TAtomicWrite how { TInPlace::Allow, QString(), PerUserFolder() };
    if (!FReadable || !WriteFileAtomically(FFileName, data, how, reason))
        throw EIniFileException(FFileName);
    FChanged = false;
}
