// The settings file: read once at start-up, written once at shutdown.

#include "designer/DesignBrowser.h"
#include "designer/MainWindow.h"
#include "designer/ImportForm.h"
#include "designer/PageControl.h"
#include "designer/StoredForms.h"

#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/SettingsVariables.h"
#include "platform/ProfileFile.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QWidget>
#include <exception>

namespace {

const QString SecInternal = QStringLiteral("Internal");
const QString SecGUI = QStringLiteral("GUI");
const QString SecTabs = QStringLiteral("Tabs");

// A text holding a line break cannot stand on its key's line, where it
// stands with blanks instead (as older versions wrote it, and older readers
// read it): a key of its own beside it keeps it whole, percent-encoded. That
// key counts only while it still agrees with the plain one, so that a file
// without it, or one whose plain key was edited since, reads as it stands.
QString ExactKey(const QString& key)
{
    return key + QStringLiteral(".Exact");
}

bool HoldsLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString ReadText(const TProfileFile& ini, const QString& section, const QString& key, const QString& def)
{
    const QString plain = ini.ReadString(section, key, def);
    const QString exact =
        QString::fromUtf8(QByteArray::fromPercentEncoding(ini.ReadString(section, ExactKey(key), QString()).toLatin1()));
    return HoldsLineBreak(exact) && ValueOnOneLine(exact) == plain ? exact : plain;
}

void WriteText(TProfileFile& ini, const QString& section, const QString& key, const QString& value)
{
    ini.WriteString(section, key, value);
    if (HoldsLineBreak(value) || ini.ValueExists(section, ExactKey(key)))
        ini.WriteString(section, ExactKey(key),
                        HoldsLineBreak(value) ? QString::fromLatin1(value.toUtf8().toPercentEncoding()) : QString());
}

void ReadSetting(const TProfileFile& ini, const TSettingVariable& setting)
{
    const QString section = QLatin1String(setting.Section);
    const QString key = QLatin1String(setting.Key);
    std::visit(
        [&](auto* variable) {
            using T = std::remove_pointer_t<decltype(variable)>;
            const T& def = std::get<T>(setting.Default);
            if constexpr (std::is_same_v<T, bool>)
                *variable = ini.ReadBool(section, key, def);
            else if constexpr (std::is_same_v<T, int>)
                *variable = ini.ReadInteger(section, key, def);
            else
                *variable = ReadText(ini, section, key, def);
        },
        setting.Variable);
}

void WriteSetting(TProfileFile& ini, const TSettingVariable& setting)
{
    const QString section = QLatin1String(setting.Section);
    const QString key = QLatin1String(setting.Key);
    std::visit(
        [&](auto* variable) {
            using T = std::remove_pointer_t<decltype(variable)>;
            if constexpr (std::is_same_v<T, bool>)
                ini.WriteBool(section, key, *variable);
            else if constexpr (std::is_same_v<T, int>)
                ini.WriteInteger(section, key, *variable);
            else
                WriteText(ini, section, key, *variable);
        },
        setting.Variable);
}

using TSettingRefs = QVector<const TSettingVariable*>;

TSettingRefs SectionOf(const QVector<TSettingVariable>& all, const char* section)
{
    TSettingRefs result;
    for (const TSettingVariable& setting : all) {
        if (qstrcmp(setting.Section, section) == 0)
            result.append(&setting);
    }
    return result;
}

// The options are written with Res600 before ShowEff, the reverse of the
// order in which they are read, as the file has always had them.
TSettingRefs OptionsInWriteOrder(const QVector<TSettingVariable>& all)
{
    const TSettingRefs options = SectionOf(all, "Options");
    const TSettingVariable* showEff = nullptr;
    for (const TSettingVariable* setting : options) {
        if (qstrcmp(setting->Key, "ShowEff") == 0)
            showEff = setting;
    }
    TSettingRefs result;
    for (const TSettingVariable* setting : options) {
        if (setting == showEff)
            continue;
        result.append(setting);
        if (showEff && qstrcmp(setting->Key, "Res600") == 0)
            result.append(showEff);
    }
    return result;
}

QString LastFileKey(int i)
{
    return QStringLiteral("LastFile_%1").arg(i);
}

// The page controls whose page the file remembers, with their keys, in the
// order of the file.
QVector<std::pair<const char*, TPageControl*>> RememberedPages(const TfrmMain& form)
{
    return {{"Testing", form.pcTesting},  {"Body", form.pcBody},         {"Info", form.pcInfo},
            {"Installed", form.pcInstalled}, {"WeaponSelect", form.pcWeaponSelect}, {"Tires", form.pcTires},
            {"Crew", form.pcCrew},        {"Engine", form.pcEngine},     {"Armor", form.pcArmor},
            {"pc600", form.pc600}};
}

// A pair of bounds is applied only when neither value is -1, and only when
// both are what a window can take: a hand-edited value near the end of the
// integers would overflow the window's own geometry.
bool BoundsGiven(int a, int b)
{
    const auto possible = [](int v) { return v != -1 && qAbs(qint64(v)) <= QWIDGETSIZE_MAX; };
    return possible(a) && possible(b);
}

void ReadStoredBounds(const TProfileFile& ini, const char* prefix, TStoredBounds& bounds)
{
    const QString p = QLatin1String(prefix);
    bounds.Left = ini.ReadInteger(SecGUI, p + QLatin1Char('X'), -1);
    bounds.Top = ini.ReadInteger(SecGUI, p + QLatin1Char('Y'), -1);
    bounds.Width = ini.ReadInteger(SecGUI, p + QLatin1Char('W'), -1);
    bounds.Height = ini.ReadInteger(SecGUI, p + QLatin1Char('H'), -1);
}

// Each pair of the bounds moves or sizes the form only when it is given.
void ApplyStoredBounds(QWidget& form, const TStoredBounds& bounds)
{
    if (BoundsGiven(bounds.Left, bounds.Top))
        form.move(bounds.Left, bounds.Top);
    if (BoundsGiven(bounds.Width, bounds.Height))
        form.resize(bounds.Width, bounds.Height);
}

TStoredBounds BoundsOf(const QWidget& form)
{
    return {form.x(), form.y(), form.width(), form.height()};
}

void WriteStoredBounds(TProfileFile& ini, const char* prefix, const TStoredBounds& bounds)
{
    const QString p = QLatin1String(prefix);
    ini.WriteInteger(SecGUI, p + QLatin1Char('X'), bounds.Left);
    ini.WriteInteger(SecGUI, p + QLatin1Char('Y'), bounds.Top);
    ini.WriteInteger(SecGUI, p + QLatin1Char('W'), bounds.Width);
    ini.WriteInteger(SecGUI, p + QLatin1Char('H'), bounds.Height);
}

// A settings file that could not be read and could not be kept either: it is
// not overwritten, so that the settings it holds are not lost.
QString UnkeptSettingsFile;

// Keeps a settings file that does not read as settings beside itself, under
// the first free name of "<file>.bak", "<file>.bak2", ..., and says so: the
// next shutdown writes the file anew from the defaults.
void KeepUnreadableSettings(const QString& file)
{
    QString kept = file + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = file + QStringLiteral(".bak%1").arg(n);
    if (QFile::copy(file, kept)) {
        ReportError(QStringLiteral("The settings file %1 could not be read; the settings start from their defaults, "
                                   "and the file is kept as %2")
                        .arg(file, kept),
                    QStringLiteral("ReadConfig"), 2);
        return;
    }
    UnkeptSettingsFile = file;
    ReportError(QStringLiteral("The settings file %1 could not be read; the settings start from their defaults, "
                               "and the file is left as it is")
                    .arg(file),
                QStringLiteral("ReadConfig"), 2);
}

} // namespace

TStoredBounds ImportFormBounds;
QString RememberedFileName;

void TfrmMain::ReadConfig()
{
    try {
        UnkeptSettingsFile.clear();
        const TProfileFile file(FPaths.SettingsFile());
        if (file.Unreadable())
            KeepUnreadableSettings(file.FileName());
        // Nothing is taken from a file that does not read whole: a key of it
        // could stand in the wrong section.
        const TProfileFile ini = file.Unreadable() ? TProfileFile::NewFile(file.FileName()) : file;
        const QVector<TSettingVariable> all = SettingVariables(FPaths.ExecutableFolder());

        for (const char* section : {"AA", "Options", "Internal"}) {
            for (const TSettingVariable* setting : SectionOf(all, section))
                ReadSetting(ini, *setting);
        }
        BoundDesignLimits();
        // The design to reopen is only remembered here; it becomes the
        // design's file name once it has loaded.
        FileName.clear();
        RememberedFileName = AutoLoad
            ? ReadText(ini, SecInternal, QStringLiteral("FileName"), QStringLiteral("Designs/VezeRidiv.vx"))
            : QString();
        for (int i = 0; i < LastFilesCount; ++i)
            LastFiles[i] = ReadText(ini, SecInternal, LastFileKey(i), QString());
        for (const TSettingVariable* setting : SectionOf(all, "Test"))
            ReadSetting(ini, *setting);

        const int windowX = ini.ReadInteger(SecGUI, QStringLiteral("WindowX"), -1);
        const int windowY = ini.ReadInteger(SecGUI, QStringLiteral("WindowY"), -1);
        if (BoundsGiven(windowX, windowY))
            move(windowX, windowY);
        TStoredBounds browserBounds;
        ReadStoredBounds(ini, "Load", browserBounds);
        ApplyStoredBounds(*frmLoad, browserBounds);
        // The sort state is taken as stored; a column that is none sorts by
        // name.
        frmLoad->SortColumn = ini.ReadInteger(SecGUI, QStringLiteral("LoadSort"), -1);
        frmLoad->SortDescending = ini.ReadBool(SecGUI, QStringLiteral("LoadSortInv"), false);
        ReadStoredBounds(ini, "Import", ImportFormBounds);
        ApplyStoredBounds(*frmImport, ImportFormBounds);

        for (const auto& [key, pages] : RememberedPages(*this))
            pages->SetActivePageIndex(ini.ReadInteger(SecTabs, QLatin1String(key), 0));

        ShowOpponentControls();
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("ReadConfig"), 2);
    }
}

void TfrmMain::WriteConfig()
{
    try {
        const QString file = FPaths.SettingsFile();
        if (file == UnkeptSettingsFile) {
            ReportError(QStringLiteral("The settings are not written: %1 could not be read at start-up, "
                                       "nor kept beside itself")
                            .arg(file),
                        QStringLiteral("WriteConfig"), 2);
            return;
        }
        // The file is updated in place; one that did not read whole was kept
        // beside itself at start-up and is written anew.
        TProfileFile ini(file);
        if (ini.Unreadable())
            ini = TProfileFile::NewFile(file);
        const QVector<TSettingVariable> all = SettingVariables(FPaths.ExecutableFolder());

        for (const TSettingVariable* setting : SectionOf(all, "AA"))
            WriteSetting(ini, *setting);
        for (const TSettingVariable* setting : OptionsInWriteOrder(all))
            WriteSetting(ini, *setting);
        WriteText(ini, SecInternal, QStringLiteral("FileName"), FileName.isEmpty() ? RememberedFileName : FileName);
        for (const TSettingVariable* setting : SectionOf(all, "Internal"))
            WriteSetting(ini, *setting);
        for (int i = 0; i < LastFilesCount; ++i)
            WriteText(ini, SecInternal, LastFileKey(i), LastFiles[i]);
        for (const TSettingVariable* setting : SectionOf(all, "Test"))
            WriteSetting(ini, *setting);

        ini.WriteInteger(SecGUI, QStringLiteral("WindowX"), x());
        ini.WriteInteger(SecGUI, QStringLiteral("WindowY"), y());
        WriteStoredBounds(ini, "Load", BoundsOf(*frmLoad));
        ini.WriteInteger(SecGUI, QStringLiteral("LoadSort"), frmLoad->SortColumn);
        ini.WriteBool(SecGUI, QStringLiteral("LoadSortInv"), frmLoad->SortDescending);
        ImportFormBounds = BoundsOf(*frmImport);
        WriteStoredBounds(ini, "Import", ImportFormBounds);

        for (const auto& [key, pages] : RememberedPages(*this))
            ini.WriteInteger(SecTabs, QLatin1String(key), pages->ActivePageIndex());

        QString errorText;
        if (!ini.Save(&errorText))
            ReportError(errorText, QStringLiteral("WriteConfig"), 2);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("WriteConfig"), 2);
    }
}
