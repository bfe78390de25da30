#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One accessor on an INI file in the Windows private-profile dialect: section
// and key names match without regard to case, a key is changed where it
// stands, and every line that is not ours (comments, other sections, unknown
// keys) is written back as it was. QSettings would reorder keys, escape values
// and match case, so the format is handled here.
//
// The file is read when the accessor is made; writes change the lines in
// memory until UpdateFile puts them on disk in one atomic replace.
class TIniFile {
public:
    explicit TIniFile(const QString& FileName);

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

    QString FFileName;
    QStringList FLines;
    QString FLineEnd = QStringLiteral("\n");
    bool FHasBom = false;
    bool FReadable = true;
    bool FChanged = false;
};
