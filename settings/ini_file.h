#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// A write the file system refused. Its message is the settings component's
// own, in English ("Unable to write to <path>"); the player reads ShownText,
// the same in the game's language.
class EIniFileException : public std::runtime_error {
public:
    explicit EIniFileException(const QString& unwritableFile);
    const QString& FileName() const { return FFileName; }
    QString ShownText() const;

private:
    QString FFileName;
};

// One accessor on an INI file in the Windows private-profile dialect: section
// and key names match without regard to case, a key is changed where it
// stands, and every line that is not ours (comments, other sections, unknown
// keys) is written back as it was. QSettings would reorder keys, escape values
// and match case, so the format is handled here.
//
// The file is read when the accessor is made; writes change the lines in
// memory until UpdateFile puts them on disk in one atomic replace. Each line
// keeps the bytes it was read from, so a line the program does not change is
// written back byte for byte, whatever encoding another editor saved it in.
class TIniFile {
public:
    explicit TIniFile(const QString& FileName);
    // An accessor on bytes already in memory, as if read from FileName.
    TIniFile(const QString& FileName, const QByteArray& Contents);

    // Larger files are not read: every key gives its default, and UpdateFile
    // refuses, rather than spend the memory or lose what the file holds.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    const QString& FileName() const { return FFileName; }

    // At most 2047 characters, blanks around the value removed.
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // Decimal, or hexadecimal after "0x" or "$"; Default for anything else.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    // The integer reading tested for non-zero.
    bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;

    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    void WriteBool(const QString& Section, const QString& Ident, bool Value);

    // Raises EIniFileException "Unable to write to <path>" when the file system
    // refuses, or when the existing file could not be read (writing then would
    // throw away what it holds).
    void UpdateFile();

private:
    int FindSection(const QString& Section) const; // header line, or -1
    int SectionEnd(int Header) const; // the next header line, or the line count
    int FindKey(int Header, const QString& Ident) const; // key line, or -1
    int InsertionPoint(int Header) const;
    void Load();
    void Load(const QByteArray& data);
    void SetLine(int i, const QString& text, const QByteArray& bytes);
    void InsertLine(int i, const QString& text);

    QString FFileName;
    QStringList FLines; // decoded, for matching and reading
    QList<QByteArray> FRaw; // the same lines as bytes, for writing back
    QString FLineEnd = QStringLiteral("\n");
    bool FHasBom = false;
    bool FReadable = true;
    bool FChanged = false;
};
