#pragma once

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QGroupBox;
class QItemSelection;
class QPushButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

// The preview of one design file: what the browser shows of it without
// loading the design. Comment is read but not shown.
struct TCarData {
    QString Name;
    QString Author;
    QString Comment;
    QString BodyType;
    int Year = 0;
    int Cost = 0;
    int Weight = 0;
    int HC = 0;
    int MaxSpeed = 0;
    int MaxAcc = 0;
    int Range = 0;
};

// A preview figure: its digits when above 0, else "?" (not stored, or no
// class reached).
QString PreviewIntToStr(int Value);

// The design browser: a folder tree and, for the chosen folder, one row per
// design file with its name, author, body and the figures saved with it,
// sortable by any column. FileName is the result: the full path of the
// chosen file, or NoFileSelected.
class TfrmLoad : public QDialog
{
    Q_OBJECT

public:
    static const QString NoFileSelected;

    explicit TfrmLoad(QWidget* owner);

    static void GetVehicleData(const QString& FileName, TCarData& Data);
    // Dir without a trailing "/".
    void ReadDirectory(const QString& Dir);
    void Resort();

    // The folder tree's current folder, without a trailing "/"; empty when
    // it shows none. Setting it reads that folder's designs.
    QString Path() const;
    void SetPath(const QString& Dir);
    void CollapseTree();

    void tvDirChange();
    void lvVehiclesSelectItem(const QTreeWidgetItem* Item);
    void lvVehiclesDblClick();
    void lvVehiclesColumnClick(int Column);
    // Negative when Item1 comes first in the current sort order.
    int lvVehiclesCompare(const QTreeWidgetItem* Item1, const QTreeWidgetItem* Item2) const;
    void btnOKClick();
    void btnCancelClick();

    QString FileName = NoFileSelected;
    int LastSortColumn = -2;
    // -1 the Name column, 0 to 9 the columns after it.
    int SortColumn = -1;
    bool SortDescending = false;

    QGroupBox* gbDir = nullptr;
    QTreeView* tvDir = nullptr;
    QGroupBox* gbFiles = nullptr;
    QTreeWidget* lvVehicles = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    // Scrolls the tree until the chosen folder stands in view.
    void ShowChosenFolder();

    QFileSystemModel* FFolders = nullptr;
    // The list is kept sorted only while the browser is shown.
    bool FCompareBound = false;
    // From each showing until the user scrolls or clicks the tree.
    bool FKeepChosenInView = false;
};

// Made by the main window's start-up, released by its shutdown.
extern TfrmLoad* frmLoad;
