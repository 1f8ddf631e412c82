#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// What the pictures follow from the shipped rules data.
struct TArtworkWeapon {
    QString Abbreviation;
    int Class = 0; // the weapon class number, 9 for none
};

struct TArtworkData {
    QVector<TArtworkWeapon> Weapons;
    QStringList PowerPlants; // by Nr, one engine frame each
    QStringList GasEngines;
    QMap<int, QString> Accessories; // name by Nr
};

// Each writes its pictures below the Graphics folder given.
void DrawTopView(const QString& graphics);
void DrawLayoutPlan(const QString& graphics, const TArtworkData& data);
void DrawScenery(const QString& graphics);
void DrawSheetPreviews(const QString& graphics);
