#include "platform/ProfileFile.h"

#include "platform/Numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace {

// The C1 range of Windows-1252; the five codes the code page leaves unassigned
// keep their own value, as the system's converter does.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b)));
    }
    return text;
}

// How the bytes of a file stand for its text.
enum class TEncoding { EightBit, Utf16LE, Utf16BE };

// A file is read and decoded in pieces of this size, so that reading costs
// little more than what is kept of it.
constexpr qint64 ChunkSize = qint64(1) << 20;

// Some editors save the file as UTF-16 behind its byte-order mark; any other
// file is 8-bit, a UTF-8 byte-order mark skipped. The file is left at the
// first byte of its text.
TEncoding DetectEncoding(QFile& file)
{
    const QByteArray head = file.peek(3);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        file.skip(2);
        return head.startsWith("\xFF\xFE") ? TEncoding::Utf16LE : TEncoding::Utf16BE;
    }
    // A mark repeated (by an editor that adds one to what it reads) is a
    // mark too: a text kept where it stood never begins with one, so that a
    // written file reads back as it was written.
    while (file.peek(3) == "\xEF\xBB\xBF")
        file.skip(3);
    return TEncoding::EightBit;
}

// Files written by this program are UTF-8; older ones come in the system's
// ANSI code page, which is told apart by its bytes not forming valid UTF-8.
// This is judged line by line, so that a line typed in by an editor of the
// other kind leaves the rest of the file as it was written.
QString DecodeEightBitLine(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : DecodeCp1252(bytes);
}

// Hands every line of the text to line, whether the lines end in CR LF, LF
// or CR alone.
class TLineSplitter
{
public:
    template <typename F>
    void Feed(QStringView text, bool atEnd, F&& line)
    {
        FPending.append(text);
        qsizetype start = 0;
        if (FSkipLineFeed && !FPending.isEmpty()) {
            if (FPending.front() == QLatin1Char('\n'))
                start = 1;
            FSkipLineFeed = false;
        }
        // What an earlier piece left is searched no more, so that a line
        // across many pieces costs no more than its length.
        for (qsizetype i = std::max(start, FSearched); i < FPending.size(); ++i) {
            const QChar c = FPending.at(i);
            if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
                continue;
            line(QStringView(FPending).sliced(start, i - start));
            if (c == QLatin1Char('\r')) {
                if (i + 1 < FPending.size()) {
                    if (FPending.at(i + 1) == QLatin1Char('\n'))
                        ++i;
                } else {
                    // The line feed of a CR LF may begin the next piece.
                    FSkipLineFeed = true;
                }
            }
            start = i + 1;
        }
        if (atEnd) {
            if (start < FPending.size())
                line(QStringView(FPending).sliced(start));
            FPending.clear();
        } else {
            FPending.remove(0, start);
        }
        FSearched = FPending.size();
    }

private:
    QString FPending;
    qsizetype FSearched = 0;
    bool FSkipLineFeed = false;
};

// Every line of the file's text, decoded piece by piece. The lines of an
// 8-bit file are split as bytes (each byte one character, which no line end
// of UTF-8 or Windows-1252 is part of) and then decoded each on its own.
template <typename F>
void ForEachLine(QFile& file, TEncoding encoding, F&& line)
{
    std::optional<QStringDecoder> decoder;
    if (encoding == TEncoding::Utf16LE)
        decoder.emplace(QStringDecoder::Utf16LE);
    else if (encoding == TEncoding::Utf16BE)
        decoder.emplace(QStringDecoder::Utf16BE);
    const auto eightBitLine = [&](QStringView bytes) { line(QStringView(DecodeEightBitLine(bytes.toLatin1()))); };
    TLineSplitter lines;
    for (;;) {
        const QByteArray chunk = file.read(ChunkSize);
        const bool atEnd = chunk.isEmpty();
        if (decoder)
            lines.Feed(QString(decoder->decode(chunk)), atEnd, line);
        else
            lines.Feed(QString::fromLatin1(chunk), atEnd, eightBitLine);
        if (atEnd)
            return;
    }
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool HasEnclosingQuotes(const QString& text)
{
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

// The value as it stands after the equals sign, to the value it means.
QString DecodeValue(const QString& stored)
{
    const QString value = stored.trimmed();
    return HasEnclosingQuotes(value) ? value.mid(1, value.size() - 2) : value;
}

// The value as it must stand on its line so that DecodeValue gives it back.
QString EncodeValue(const QString& value)
{
    const QString line = ValueOnOneLine(value);
    if (line != line.trimmed() || HasEnclosingQuotes(line))
        return QLatin1Char('"') + line + QLatin1Char('"');
    return line;
}

// Writes the bytes whole; a write stopped short by a file-size limit is
// continued, and the next write fails with the reason.
bool WriteAll(QSaveFile& file, const QByteArray& bytes, QString& why)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            why = file.errorString();
            return false;
        }
        written += count;
    }
    return true;
}

// Writes to a temporary file beside fileName and renames it over the file
// only when every byte has reached the disk. On any failure the temporary
// file is removed, the file stays as it was and why says the reason.
// produce hands the file's bytes, piece by piece, to the function it is
// given, which answers false once a write has failed; they reach the disk a
// piece of about ChunkSize at a time, so that a large file is never held
// whole a second time.
template <typename TProduce>
bool WriteWhole(const QString& fileName, TProduce produce, QString& why)
{
    // A folder, a pipe or a device in the file's place would be replaced by
    // a file, and what stood there lost.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        why = QStringLiteral("'%1' is not a regular file").arg(fileName);
        return false;
    }
    QSaveFile file(fileName);
    // Unbuffered, so that a full disk shows in the result of a write; the
    // final flush of a buffered file is not checked before the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
        return false;
    }
    QByteArray pending;
    const bool written = produce([&](const QByteArray& bytes) {
        if (pending.size() + bytes.size() < ChunkSize) {
            pending += bytes;
            return true;
        }
        const bool done = WriteAll(file, pending, why) && WriteAll(file, bytes, why);
        pending.clear();
        return done;
    });
    if (!written || !WriteAll(file, pending, why))
        return false;
    // The commit's own sync ignores a failure.
    if (::fsync(file.handle()) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString ValueOnOneLine(QString value)
{
    return value.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

TProfileFile::TProfileFile(const QString& fileName, const QStringList& sections)
    : FFileName(fileName)
{
    // Only a regular file is read: a pipe or a device would hold the program
    // up waiting for data.
    if (!QFileInfo(fileName).isFile())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        FUnreadable = true;
        return;
    }
    bool sawText = false;
    bool sawSection = false;
    const auto read = [&](TEncoding encoding) {
        sawText = false;
        sawSection = false;
        FFirstLineWithNul = 0;
        qsizetype lineNumber = 0;
        TSection* current = nullptr;
        bool skipping = false;
        ForEachLine(file, encoding, [&](QStringView raw) {
            ++lineNumber;
            const QStringView line = raw.trimmed();
            // Comment lines alone are a file that holds no section, not one
            // of another kind.
            if (!line.isEmpty() && !line.startsWith(QLatin1Char(';')))
                sawText = true;
            // No text holds a NUL: such a line is the bytes of a file of
            // another kind, or of UTF-16 without its byte-order mark, and
            // makes no section or key.
            if (line.contains(QChar(u'\0'))) {
                if (FFirstLineWithNul == 0)
                    FFirstLineWithNul = lineNumber;
                return;
            }
            if (line.startsWith(QLatin1Char('['))) {
                sawSection = true;
                const qsizetype close = line.indexOf(QLatin1Char(']'));
                const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toString();
                const bool wanted = sections.isEmpty()
                    || std::any_of(sections.begin(), sections.end(), [&](const QString& s) { return SameName(s, name); });
                skipping = !wanted;
                current = wanted ? &AppendSection(name) : nullptr;
                if (current != nullptr) {
                    current->Read = true;
                    if (raw != QString(QLatin1Char('[') + name + QLatin1Char(']')))
                        current->Header = raw.toString();
                }
                return;
            }
            if (skipping || (current == nullptr && !sections.isEmpty()))
                return;
            TEntry entry;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (current == nullptr || equals < 0 || line.startsWith(QLatin1Char(';'))) {
                entry.IsKey = false;
                entry.Line = raw.toString();
            } else {
                entry.Key = line.left(equals).trimmed().toString();
                entry.Value = line.mid(equals + 1).trimmed().toString();
                // Blanks around the key or the value are kept with the line.
                if (raw.size() != entry.Key.size() + 1 + entry.Value.size())
                    entry.Line = raw.toString();
            }
            (current != nullptr ? current->Entries : FPreamble).append(entry);
        });
    };
    const TEncoding encoding = DetectEncoding(file);
    read(encoding);
    // What starts like UTF-16 but only reads as sections byte by byte is an
    // 8-bit file after all.
    if (!sawSection && (encoding == TEncoding::Utf16LE || encoding == TEncoding::Utf16BE)) {
        FPreamble.clear();
        FSections.clear();
        FFirstSection.clear();
        file.seek(0);
        read(TEncoding::EightBit);
    }
    FUnreadable = (sawText && !sawSection) || FFirstLineWithNul != 0;
}

TProfileFile TProfileFile::NewFile(const QString& fileName)
{
    TProfileFile file;
    file.FFileName = fileName;
    return file;
}

TProfileFile::TSection& TProfileFile::AppendSection(const QString& name)
{
    const QString key = name.toCaseFolded();
    if (!FFirstSection.contains(key))
        FFirstSection.insert(key, FSections.size());
    TSection section;
    section.Name = name;
    FSections.append(section);
    return FSections.back();
}

void TProfileFile::RebuildIndex()
{
    FFirstSection.clear();
    for (qsizetype i = FSections.size() - 1; i >= 0; --i)
        FFirstSection.insert(FSections[i].Name.toCaseFolded(), i);
}

const TProfileFile::TSection* TProfileFile::FindSection(const QString& section) const
{
    const auto it = FFirstSection.constFind(section.toCaseFolded());
    return it == FFirstSection.cend() ? nullptr : &FSections[*it];
}

TProfileFile::TSection* TProfileFile::FindSection(const QString& section)
{
    // The sections are reached for writing, so that a copy of the image
    // parts from the one it was copied from before it changes.
    const auto it = FFirstSection.constFind(section.toCaseFolded());
    return it == FFirstSection.cend() ? nullptr : &FSections[*it];
}

const TProfileFile::TEntry* TProfileFile::FindEntry(const QString& section, const QString& key) const
{
    const TSection* s = FindSection(section);
    if (s == nullptr)
        return nullptr;
    for (const TEntry& e : s->Entries)
        if (e.IsKey && SameName(e.Key, key))
            return &e;
    return nullptr;
}

QStringList TProfileFile::ReadSections() const
{
    QStringList names;
    for (const TSection& s : FSections)
        names.append(s.Name);
    return names;
}

QStringList TProfileFile::ReadSection(const QString& section) const
{
    QStringList keys;
    if (const TSection* s = FindSection(section))
        for (const TEntry& e : s->Entries)
            if (e.IsKey)
                keys.append(e.Key);
    return keys;
}

bool TProfileFile::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

bool TProfileFile::ValueExists(const QString& section, const QString& key) const
{
    return FindEntry(section, key) != nullptr;
}

QString TProfileFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const TEntry* e = FindEntry(section, key);
    return e != nullptr ? DecodeValue(e->Value) : def;
}

int TProfileFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const TEntry* e = FindEntry(section, key);
    int value = 0;
    return e != nullptr && TryStrToInt(DecodeValue(e->Value), value) ? value : def;
}

bool TProfileFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    TSection* s = FindSection(section);
    if (s == nullptr)
        s = &AppendSection(section);
    const QString stored = EncodeValue(value);
    for (TEntry& e : s->Entries) {
        if (e.IsKey && SameName(e.Key, key)) {
            e.Value = stored;
            e.Line.clear();
            return;
        }
    }
    // The blank lines that end a section stay between it and the next.
    qsizetype end = s->Entries.size();
    while (end > 0 && !s->Entries[end - 1].IsKey && s->Entries[end - 1].Line.trimmed().isEmpty())
        --end;
    s->Entries.insert(end, TEntry{key, stored, QString(), true});
}

void TProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfileFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TProfileFile::EraseSection(const QString& section)
{
    FSections.removeIf([&](const TSection& s) { return SameName(s.Name, section); });
    RebuildIndex();
}

QString TProfileFile::Text(const TEntry& entry)
{
    return entry.IsKey && entry.Line.isNull() ? entry.Key + QLatin1Char('=') + entry.Value : entry.Line;
}

template <typename TWrite>
bool TProfileFile::WriteImage(TWrite&& write) const
{
    // A section the program adds stands after a blank line, as in a file it
    // writes anew; the file's own sections keep the lines they had.
    bool afterText = false;
    const auto writeLine = [&](const QString& line) {
        afterText = !line.trimmed().isEmpty();
        return write(line.toUtf8() + "\r\n");
    };
    for (const TEntry& e : FPreamble)
        if (!writeLine(Text(e)))
            return false;
    for (const TSection& s : FSections) {
        if (!s.Read && afterText && !write("\r\n"))
            return false;
        if (!writeLine(s.Header.isNull() ? QLatin1Char('[') + s.Name + QLatin1Char(']') : s.Header))
            return false;
        for (const TEntry& e : s.Entries)
            if (!writeLine(Text(e)))
                return false;
    }
    return true;
}

QByteArray TProfileFile::ToBytes() const
{
    QByteArray bytes;
    WriteImage([&bytes](const QByteArray& piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

bool TProfileFile::Save(QString* errorText) const
{
    QString why;
    const bool saved = WriteWhole(FFileName, [this](const auto& write) { return WriteImage(write); }, why);
    if (!saved && errorText != nullptr)
        *errorText = why.contains(FFileName) ? why : QStringLiteral("%1: %2").arg(FFileName, why);
    return saved;
}
