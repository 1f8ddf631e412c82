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
