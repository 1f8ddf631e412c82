#include "PrintFixture.h"

#include "common/WorkingFolder.h"
#include "printing/PrintUtils.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

// A font of the system's, copied, whose names (family, full name, PostScript
// name, typographic family) all read "StopD": the sheet font as the program
// would find it in its folder.
QByteArray FontNamedStopD()
{
    QFile system(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (!system.open(QIODevice::ReadOnly))
        return {};
    QByteArray font = system.readAll();
    auto u16 = [&font](qsizetype at) { return qFromBigEndian<quint16>(font.constData() + at); };
    auto u32 = [&font](qsizetype at) { return qFromBigEndian<quint32>(font.constData() + at); };
    const int tables = u16(4);
    for (int t = 0; t < tables; ++t) {
        const qsizetype record = 12 + 16 * t;
        if (font.mid(record, 4) != "name")
            continue;
        const qsizetype table = u32(record + 8);
        const int count = u16(table + 2);
        const qsizetype strings = table + u16(table + 4);
        for (int n = 0; n < count; ++n) {
            const qsizetype entry = table + 6 + 12 * n;
            const int platform = u16(entry);
            const int nameId = u16(entry + 6);
            if (nameId != 1 && nameId != 4 && nameId != 6 && nameId != 16)
                continue;
            // Mac names are one byte a letter, the others UTF-16 big-endian.
            QByteArray name;
            for (const char c : QByteArrayLiteral("StopD")) {
                if (platform != 1)
                    name.append('\0');
                name.append(c);
            }
            if (name.size() > u16(entry + 8))
                continue;
            font.replace(strings + u16(entry + 10), name.size(), name);
            qToBigEndian<quint16>(quint16(name.size()), font.data() + entry + 8);
        }
    }
    return font;
}

bool StopDKnown()
{
    return QFontDatabase::families().contains(QStringLiteral("StopD"));
}

// A program folder with the runtime folder's logos and, when asked for, the
// sheet font file.
class SheetFontTest : public PrintFixture
{
protected:
    void MakeProgramFolder(bool withFont)
    {
        ASSERT_TRUE(QDir(FFolder.path()).mkpath(QStringLiteral("Graphics/Fonts")));
        for (const char* logo : {"Graphics/Logo.png", "Graphics/Logo2.png"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(RIGSMITH_RUNTIME_DIR "/") + QLatin1String(logo),
                                    FFolder.filePath(QLatin1String(logo))));
        if (!withFont)
            return;
        const QByteArray font = FontNamedStopD();
        ASSERT_FALSE(font.isEmpty()) << "no system font to copy";
        QFile file(FFolder.filePath(QStringLiteral("Graphics/Fonts/StopD.ttf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(font), font.size());
    }

    QTemporaryDir FFolder;
};

TEST_F(SheetFontTest, TheFontFileOfTheProgramsFolderIsRegisteredAndWithdrawn)
{
    MakeProgramFolder(true);
    const TWorkingFolder folder(FFolder.path());
    ASSERT_FALSE(StopDKnown());
    RegisterSheetFont();
    EXPECT_TRUE(StopDKnown());
    // A second registration adds nothing that one withdrawal would leave.
    RegisterSheetFont();
    UnregisterSheetFont();
    EXPECT_FALSE(StopDKnown());
    UnregisterSheetFont();
    EXPECT_FALSE(StopDKnown());
}

TEST_F(SheetFontTest, WithoutTheFileNothingHappens)
{
    MakeProgramFolder(false);
    const TWorkingFolder folder(FFolder.path());
    const QStringList families = QFontDatabase::families();
    RegisterSheetFont();
    EXPECT_EQ(QFontDatabase::families(), families);
    UnregisterSheetFont();
    EXPECT_EQ(QFontDatabase::families(), families);
}

TEST_F(SheetFontTest, TheSetUpRegistersTheFontOnlyWhenNotToldToSkipItAndTheFormWithdrawsIt)
{
    MakeProgramFolder(true);
    const TWorkingFolder folder(FFolder.path());
    Form->SetupPrint(FCar.get(), true);
    EXPECT_FALSE(StopDKnown());
    Form->SetupPrint(FCar.get(), false);
    EXPECT_TRUE(StopDKnown());
    Form->FreeSheetImages();
    EXPECT_FALSE(StopDKnown());
}

} // namespace
