#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// A sectioned text file in the private-profile layout: "[Section]" lines open
// a section, "Key=Value" lines follow. Sections and keys match without regard
// to case and the first match wins; values are trimmed and lose one pair of
// enclosing quotes; integers are decimal, "0x" or "$" hexadecimal; a malformed
// or absent value reads as the default. The file is read on construction;
// writes change the memory image and reach the disk on Save. Every line the
// reader does not take as a key (comments, blank lines, text outside any
// section) and every key not written to is saved as it stood, where it stood.
// The value as it stands on its key's line: each line break a blank.
QString ValueOnOneLine(QString value);

class TProfileFile
{
public:
    // Reads the file at once, with CR LF, LF or CR alone as line ends, as
    // UTF-16 when it starts with its byte-order mark, else line by line as
    // UTF-8 where valid, else as Windows-1252. A missing or unreadable file,
    // or one that is not a regular file, reads as empty; a line holding a NUL
    // makes no section or key. With sections given, only those are kept, so
    // that a large file costs no more than they do.
    explicit TProfileFile(const QString& fileName, const QStringList& sections = {});
    // An empty image that Save writes to fileName; whatever stands there now
    // is not read.
    static TProfileFile NewFile(const QString& fileName);

    const QString& FileName() const { return FFileName; }
    // The file is there but does not read whole as sections: it could not be
    // opened, it has text other than comment lines (";") and no section
    // line, or a line holds a NUL (the bytes of a file of another kind,
    // whose keys would land in the wrong section or none).
    bool Unreadable() const { return FUnreadable; }
    // The number of the first line holding a NUL, counted from 1; 0 when
    // none does.
    qsizetype FirstLineWithNul() const { return FFirstLineWithNul; }

    // Section names in file order, every one, duplicates included.
    QStringList ReadSections() const;
    // Key names of the first section of that name, in file order.
    QStringList ReadSection(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Adds a missing section at the end, a missing key after the last line
    // of its section that is not blank.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);

    // Writes the image atomically (UTF-8, CR LF): the file is replaced only
    // once every byte of the new one is written and flushed. On failure (a
    // full disk, a file-size limit, a place that is not a regular file) the
    // previous file is left byte for byte as it was, no temporary file stays
    // behind, false is returned and errorText (when given) says why, naming
    // the file.
    bool Save(QString* errorText = nullptr) const;

    // The file as Save would write it.
    QByteArray ToBytes() const;

private:
    TProfileFile() = default;

    // One line of a section: a key, or a line that is none (a comment, a
    // blank line, text without an equals sign).
    struct TEntry {
        QString Key;
        // As it stands after the equals sign, enclosing quotes kept, so that
        // a rewritten file keeps the values it was not asked to change.
        QString Value;
        // The line as it stood in the file, when it is not just Key=Value;
        // null once the key is written to.
        QString Line;
        bool IsKey = true;
    };
    struct TSection {
        QString Name;
        // The header line as it stood in the file, when it is not just
        // "[Name]".
        QString Header;
        // Read from the file, so that it keeps its own blank lines.
        bool Read = false;
        QVector<TEntry> Entries;
    };

    const TSection* FindSection(const QString& section) const;
    TSection* FindSection(const QString& section);
    const TEntry* FindEntry(const QString& section, const QString& key) const;
    // Hands the file as Save writes it to write, line by line, until write
    // answers false; false then.
    template <typename TWrite>
    bool WriteImage(TWrite&& write) const;
    TSection& AppendSection(const QString& name);
    static QString Text(const TEntry& entry);
    void RebuildIndex();

    QString FFileName;
    bool FUnreadable = false;
    qsizetype FFirstLineWithNul = 0;
    // The lines before the first section.
    QVector<TEntry> FPreamble;
    QVector<TSection> FSections;
    // The first section of each name, by its case-folded name, so that a file
    // of many sections is read in linear time.
    QHash<QString, qsizetype> FFirstSection;
};
