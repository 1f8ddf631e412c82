#pragma once

#include "model/Enums.h"
#include "platform/gui/Bitmap32.h"

#include <QString>
#include <QVector>
#include <array>

// The pictures of a vehicle's parts, loaded once at start-up from
// Graphics/Image and Graphics/Layout below the working folder, and the raster
// operations that the top view, the layout plan, the test map and the printed
// counters draw with. In every loaded picture a pixel that was exactly opaque
// white in the file is transparent.

constexpr int BodySizeCount = 9;
using TSizePictures = std::array<TBitmap32, BodySizeCount>;

// A weapon's layout picture: a strip of square frames whose side is the
// picture's height (front, right, back, left; then the same with an extra
// magazine). Entry i belongs to weapon type i.
struct TLayoutWeapon {
    QString Abbreviation;
    TBitmap32 Image;
};
using TLayoutWeapons = QVector<TLayoutWeapon>;

// The car pictures of Graphics/Image/Large (50 x 100), by car picture number,
// and their masks.
extern QVector<TBitmap32> CarImages;
extern QVector<TBitmap32> CarMasks;

// The top view's parts. The weapon icons are strips of four 11 x 11 frames
// whose left edges 0, 12, 23 and 34 point up, right, down and left.
extern TBitmap32 AxisImage;
extern TBitmap32 WheelImage;
extern TBitmap32 FrameImage;
extern TBitmap32 AimImage;
extern TBitmap32 SmallBoreIcon;
extern TBitmap32 LargeBoreIcon;
extern TBitmap32 RocketIcon;
extern TBitmap32 LaserIcon;
extern TBitmap32 FlamethrowerIcon;
extern TBitmap32 DropperIcon;
extern TBitmap32 TurretIcon;
extern TBitmap32 EWPIcon;
extern TBitmap32 EWPLeftIcon;
extern TBitmap32 EWPRightIcon;
extern TBitmap32 RocketPlatformIcon;
// The icon strip of a weapon class; every dropped weapon and discharger
// takes the dropper's.
const TBitmap32& WeaponClassIcon(TWeaponClass weaponClass);

// The layout plan's parts, by body size where they come in sizes.
extern TSizePictures LayoutBody;
extern TSizePictures LayoutTire;       // 16 frames side by side, one per damage state
extern TSizePictures LayoutWheelGuard; // left half, one separating column, right half
extern TSizePictures LayoutWheelHub;   // split like the wheel guards
extern TBitmap32 LayoutCellEngines;    // frames 41 x 32, frame i for power plant Nr i
extern TBitmap32 LayoutGasEngines;     // frames 48 x 62, frame i for gas engine Nr i
extern TSizePictures LayoutRamplate;
extern TSizePictures LayoutAirdam;
extern TSizePictures LayoutSpoiler;
extern QVector<TBitmap32> LayoutAccessories; // by accessory number; empty where there is no picture
extern TBitmap32 LayoutTurret;
extern TLayoutWeapons LayoutWeapons;
extern TBitmap32 LayoutZeroSpaceTurret;
extern TBitmap32 LayoutEWP; // frames 75 x 38: left pod, right pod, top pod
extern TBitmap32 LayoutRocketPlatform;
extern TBitmap32 LayoutDP; // one damage-point box
extern TBitmap32 LayoutN2O;
extern TBitmap32 LayoutGasTank;
extern std::array<TBitmap32, 2> LayoutCrew;          // driver, gunner
extern std::array<TBitmap32, 7> LayoutCrewEquipment; // in the order of the crew seat's gear flags

// The size name of a body number as the per-size picture files are named.
QString BodySizeName(int size);
// The per-size picture index of a body number: bodies outside the nine sizes
// take the nearest one, so that no body indexes past the pictures.
int BodySizeIndex(int bodyNr);
// Whether a weapon abbreviation can name its picture file: no path
// separator, no "..", not empty.
bool IsPlainFileName(const QString& name);
// The file of a weapon's layout picture, or the fallback "UNKNOWN" picture
// when the abbreviation is no plain file name or has no file.
QString LayoutWeaponFile(const QString& abbreviation);

// Loads every part picture in a fixed order; needs the accessory and weapon
// tables. A picture that cannot be loaded (other than an accessory's, which
// stays empty) stops the loading with an EError naming the file.
void LoadGraphics();
// Releases every picture that LoadGraphics made.
void FreeGraphics();

// Loads a picture file into image with pure white made transparent: draw mode
// blend, master alpha 255, alpha 0 where the file was $FFFFFFFF and 255
// elsewhere. scratch receives the mask and is working space only.
void LoadImage(TBitmap32& image, TBitmap32& scratch, const QString& fileName);
// mask := the silhouette of image: $FF000000 where image is exactly
// $FFFFFFFF, $FFFFFFFF everywhere else.
void MakeMask(const TBitmap32& image, TBitmap32& mask);
// Draws src onto dst at (x, y): without a mask by src's own draw mode; with a
// mask only where the mask is white, with opacity alpha / 255.
void DrawImage(TBitmap32& dst, const TBitmap32& src, const TBitmap32* mask, int x, int y, int alpha);
// dst := src turned about its centre by angle degrees (counter-clockwise on
// the screen) on an opaque white ground. Both are squares of equal size.
void RotateImage(const TBitmap32& src, TBitmap32& dst, float angle);
// The point turned about the origin by angle radians, the same turn as
// RotateImage for a point relative to the centre.
void RotatePoint(int x, int y, double angle, int& rx, int& ry);
// Covers target with copies of tile from its top-left corner.
void TileImage(TBitmap32& target, const TBitmap32& tile);

// The hit marks of the firing test on a game car's body picture and mask.
void BlackenPixel(TBitmap32& image, TBitmap32& mask, int x, int y, bool alsoMask);
void DrawCrater(TBitmap32& image, TBitmap32& mask, int cx, int cy, int r);
void DrawSplatter(TBitmap32& image, const TBitmap32& mask, int cx, int cy, int count);
void DrawHitMark(TBitmap32& body, TBitmap32& bodyMask, int carX, int carY, int facing, int damage,
                 double px, double py, int kind, bool hasMetalArmor);
