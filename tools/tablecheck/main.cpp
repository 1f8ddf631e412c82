// Reads the rules tables from the Data folder below the working folder and
// prints each table's name and item count: a quick look that the data loads.
#include "model/Global.h"
#include "model/RulesReaders.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

template <typename TTable>
void PrintTable(const char* file, const TTable& table)
{
    std::printf("%-22s %-32s %3d items\n", file, table.Name.toUtf8().constData(), int(table.Items.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ReadAllTypes();
    PrintTable("BodyTypes", BodyTypes);
    PrintTable("ChassisTypes", ChassisTypes);
    PrintTable("SuspensionTypes", SuspensionTypes);
    PrintTable("PowerCellEngineTypes", CEngineTypes);
    PrintTable("GasEngineTypes", GEngineTypes);
    PrintTable("GasTankTypes", GasTankTypes);
    PrintTable("TireTypes", TireTypes);
    PrintTable("WeaponTypes", WeaponTypes);
    PrintTable("AmmoTypes", AmmoTypes);
    PrintTable("HandGunTypes", HandGunTypes);
    PrintTable("AccessoryTypes", EquipmentTypes);
    const QStringList empty = EmptyDesignTables();
    if (!empty.isEmpty()) {
        std::fprintf(stderr, "No design can be made: these files gave no item: %s\n",
                     empty.join(QStringLiteral(", ")).toUtf8().constData());
        return 1;
    }
    return 0;
}
