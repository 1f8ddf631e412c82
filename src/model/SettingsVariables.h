#pragma once

#include <QString>
#include <QVector>
#include <variant>

// The settings variables of Global.h with their keys in the settings file and
// the defaults that an absent key gives. One table serves the reader, the
// writer and the defaults, so a key cannot be read under one name and written
// under another.
struct TSettingVariable {
    const char* Section;
    const char* Key;
    std::variant<bool*, int*, QString*> Variable;
    std::variant<bool, int, QString> Default;
};

// Every variable of the sections AA, Options, Internal (the picture numbers;
// the file names are the main window's) and Test, in the file's order.
// Enemy's default names the sample design in the executable's folder.
QVector<TSettingVariable> SettingVariables(const QString& executableFolder);

// Gives every variable of the table its default.
void SetSettingsDefaults(const QString& executableFolder);

// The ranges the limits dialog offers for the division, the year and the
// handling-class cap.
struct TSettingRange {
    int Min;
    int Max;
};
inline constexpr TSettingRange DivRange{0, 90};
inline constexpr TSettingRange YearRange{2030, 4000};
inline constexpr TSettingRange MaxHCRange{0, 99};

// Enemy's default, also the opponent that a start falls back to when the
// remembered one cannot be opened.
QString DefaultEnemy(const QString& executableFolder);

// The design rules take the limits as the settings file holds them; they come
// into the ranges above only when the limits dialog closes. Only a division
// whose cost limit, a thousand dollars a division, is beyond the integers is
// brought to the nearest one that is not, so that no recalculation
// overflows.
void BoundDesignLimits();
