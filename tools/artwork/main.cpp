// Draws every picture the program loads into <runtime>/Graphics, following
// the rules data: one layout picture per weapon abbreviation, one engine
// frame per power plant and gas engine, the accessories by number.
//
//   rigsmith_artwork <folder holding Data> <Graphics folder to write>

#include "Artwork.h"

#include "gamecar/Graphics.h"
#include "model/RulesReaders.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

TArtworkData ReadData()
{
    TArtworkData data;
    for (const TWeaponType& weapon : ReadWeaponTypes(QStringLiteral("WeaponTypes")).Items)
        // Abbreviations that are no plain file name get the program's fallback picture.
        if (IsPlainFileName(weapon.Abbreviation))
            data.Weapons.append({weapon.Abbreviation, int(weapon.Class)});
    for (const TCEngineType& engine : ReadCEngineTypes(QStringLiteral("PowerCellEngineTypes")).Items)
        data.PowerPlants.append(engine.Name);
    for (const TGEngineType& engine : ReadGEngineTypes(QStringLiteral("GasEngineTypes")).Items)
        data.GasEngines.append(engine.Name);
    for (const TEquipmentType& accessory : ReadEquipmentTypes(QStringLiteral("AccessoryTypes")).Items)
        if (!data.Accessories.contains(accessory.Nr))
            data.Accessories.insert(accessory.Nr, accessory.Name);
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: rigsmith_artwork <folder holding Data> <Graphics folder>\n");
        return 2;
    }
    const QString graphics = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "rigsmith_artwork: no folder %s\n", argv[1]);
        return 1;
    }
    const TArtworkData data = ReadData();

    // Every picture comes from here: nothing stale from an earlier run stays,
    // since the program counts the car pictures it finds.
    QDir(graphics).removeRecursively();
    DrawTopView(graphics);
    DrawLayoutPlan(graphics, data);
    DrawScenery(graphics);
    DrawSheetPreviews(graphics);
    return 0;
}
