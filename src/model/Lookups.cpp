#include "model/Lookups.h"

#include "model/Global.h"

#include <algorithm>

namespace {

template <typename TItem, typename Key>
bool FindByKey(const QVector<TItem>& items, const QString& wanted, Key key, TItem& out)
{
    const auto it = std::find_if(items.begin(), items.end(), [&](const TItem& item) {
        return QString::compare(key(item), wanted, Qt::CaseInsensitive) == 0;
    });
    if (it == items.end()) {
        out.Nr = -1;
        return false;
    }
    out = *it;
    return true;
}

template <typename TItem>
bool FindByName(const QVector<TItem>& items, const QString& name, TItem& out)
{
    return FindByKey(items, name, [](const TItem& item) -> const QString& { return item.Name; }, out);
}

} // namespace

bool FindBodyType(const QString& name, TBodyType& out) { return FindByName(BodyTypes.Items, name, out); }
bool FindChassisType(const QString& name, TChassisType& out) { return FindByName(ChassisTypes.Items, name, out); }
bool FindSuspensionType(const QString& name, TSuspensionType& out) { return FindByName(SuspensionTypes.Items, name, out); }
bool FindCEngineType(const QString& name, TCEngineType& out) { return FindByName(CEngineTypes.Items, name, out); }
bool FindGEngineType(const QString& name, TGEngineType& out) { return FindByName(GEngineTypes.Items, name, out); }
bool FindGasTankType(const QString& name, TGasTankType& out) { return FindByName(GasTankTypes.Items, name, out); }
bool FindTireType(const QString& name, TTireType& out) { return FindByName(TireTypes.Items, name, out); }
bool FindHandGunType(const QString& name, THandGunType& out) { return FindByName(HandGunTypes.Items, name, out); }

bool FindWeaponType(const QString& abbreviation, TWeaponType& out)
{
    return FindByKey(WeaponTypes.Items, abbreviation,
                     [](const TWeaponType& item) -> const QString& { return item.Abbreviation; }, out);
}

int FindWeaponTypeIndex(const QString& abbreviation)
{
    for (int i = 0; i < WeaponTypes.Items.size(); ++i)
        if (WeaponTypes.Items[i].Abbreviation == abbreviation)
            return i;
    return -1;
}

bool FindEquipmentByNr(int nr, TEquipmentType& out)
{
    for (const TEquipmentType& item : EquipmentTypes.Items)
        if (item.Nr == nr) {
            out = item;
            return true;
        }
    return false;
}
