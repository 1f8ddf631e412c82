// The design browser: choosing a design by what its file says of it.

#include "designer/DesignBrowser.h"

#include "model/ErrorReport.h"
#include "model/Vehicle.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <charconv>
#include <exception>

TfrmLoad* frmLoad = nullptr;

const QString TfrmLoad::NoFileSelected = QStringLiteral("<No File Selected");

namespace {

// The column of the file's own name, the last one.
constexpr int FileColumn = 10;

// A row of the list; the browser decides the order of two rows.
class TVehicleRow : public QTreeWidgetItem
{
public:
    explicit TVehicleRow(const TfrmLoad& form) : FForm(form) {}

    bool operator<(const QTreeWidgetItem& other) const override
    {
        return FForm.lvVehiclesCompare(this, &other) < 0;
    }

private:
    const TfrmLoad& FForm;
};

// A number column's value for sorting: "?" and anything unreadable count as 0.
int PreviewNumber(const QString& text)
{
    const QByteArray digits = text.toLatin1();
    int value = 0;
    std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
    return value;
}

} // namespace

QString PreviewIntToStr(int Value)
{
    return Value > 0 ? QString::number(Value) : QStringLiteral("?");
}

TfrmLoad::TfrmLoad(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmLoad"));
    setWindowTitle(QStringLiteral("Select a vehicle to load"));
    // A window of its own takes the main window's font only when given it.
    setFont(owner->font());
    resize(1000, 594);

    gbDir = new QGroupBox(QStringLiteral(" Directory "), this);
    gbDir->setObjectName(QStringLiteral("gbDir"));
    gbDir->setFixedWidth(276);
    tvDir = new QTreeView(gbDir);
    tvDir->setObjectName(QStringLiteral("tvDir"));
    FFolders = new QFileSystemModel(this);
    FFolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    FFolders->setRootPath(QDir::rootPath());
    tvDir->setModel(FFolders);
    for (int column = 1; column < FFolders->columnCount(); ++column)
        tvDir->hideColumn(column);
    tvDir->setHeaderHidden(true);
    tvDir->setRootIsDecorated(false);
    (new QVBoxLayout(gbDir))->addWidget(tvDir);

    gbFiles = new QGroupBox(QStringLiteral(" Vehicles in this directory "), this);
    gbFiles->setObjectName(QStringLiteral("gbFiles"));
    lvVehicles = new QTreeWidget(gbFiles);
    lvVehicles->setObjectName(QStringLiteral("lvVehicles"));
    lvVehicles->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Author"), QStringLiteral("Type"),
                                 QStringLiteral("Year"), QStringLiteral("Cost"), QStringLiteral("Weight"),
                                 QStringLiteral("HC"), QStringLiteral("Speed"), QStringLiteral("Acc"),
                                 QStringLiteral("Range"), QStringLiteral("File")});
    lvVehicles->setRootIsDecorated(false);
    lvVehicles->setAllColumnsShowFocus(true);
    lvVehicles->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvVehicles->setSelectionMode(QAbstractItemView::SingleSelection);
    lvVehicles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = lvVehicles->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    const int widths[] = {75, 37, 50, 50, 28, 45, 40, 45, 100};
    for (int column = 2; column <= FileColumn; ++column)
        header->resizeSection(column, widths[column - 2]);
    (new QVBoxLayout(gbFiles))->addWidget(lvVehicles);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* right = new QVBoxLayout;
    right->addWidget(gbFiles);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(gbDir);
    layout->addLayout(right);

    connect(tvDir->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { tvDirChange(); });
    // The tree fills in and sorts itself as the folders are read, which
    // moves the chosen folder: it is brought back into view each time, until
    // the user takes the tree in hand.
    const auto keepInView = [this] {
        if (FKeepChosenInView && isVisible())
            ShowChosenFolder();
    };
    connect(FFolders, &QFileSystemModel::rowsInserted, this, keepInView);
    connect(FFolders, &QFileSystemModel::layoutChanged, this, keepInView);
    tvDir->viewport()->installEventFilter(this);
    connect(tvDir->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { FKeepChosenInView = false; });
    connect(lvVehicles->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmLoad::SelectionChanged);
    connect(header, &QHeaderView::sectionClicked, this, &TfrmLoad::lvVehiclesColumnClick);
    // A double-click counts on an empty part of the list as well.
    lvVehicles->viewport()->installEventFilter(this);
    connect(btnOK, &QPushButton::clicked, this, &TfrmLoad::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmLoad::btnCancelClick);
}

void TfrmLoad::GetVehicleData(const QString& FileName, TCarData& Data)
{
    try {
        const QString text = QStringLiteral("Text");
        const QString preview = QStringLiteral("Preview");
        // Only the three sections shown are kept, whatever else the file
        // holds; a file far larger than any design is not read at all and
        // shows as one that cannot be read.
        const TProfileFile ini = QFileInfo(FileName).size() > LargestDesignFile
            ? TProfileFile::NewFile(FileName)
            : TProfileFile(FileName, {text, QStringLiteral("Body"), preview});
        Data.Name = ini.ReadString(text, QStringLiteral("Name"), QStringLiteral("<Text.Name not found>"));
        Data.Author = ini.ReadString(text, QStringLiteral("Author"), QString());
        Data.Comment = ini.ReadString(text, QStringLiteral("Comment"), QString());
        Data.BodyType = ini.ReadString(QStringLiteral("Body"), QStringLiteral("BodyType"), QString());
        Data.Year = ini.ReadInteger(preview, QStringLiteral("Year"), 0);
        Data.Cost = ini.ReadInteger(preview, QStringLiteral("Cost"), 0);
        Data.Weight = ini.ReadInteger(preview, QStringLiteral("Weight"), 0);
        Data.HC = ini.ReadInteger(preview, QStringLiteral("HC"), 0);
        Data.MaxSpeed = ini.ReadInteger(preview, QStringLiteral("MaxSpeed"), 0);
        Data.MaxAcc = ini.ReadInteger(preview, QStringLiteral("MaxAcc"), 0);
        Data.Range = ini.ReadInteger(preview, QStringLiteral("Range"), 0);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("GetVehicleData"), 2);
    }
}

void TfrmLoad::ReadDirectory(const QString& Dir)
{
    lvVehicles->clear();
    if (!Dir.isEmpty()) {
        const QDir folder(Dir);
        const QStringList names = folder.entryList({QStringLiteral("*.vx")},
                                                   QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
        for (const QString& name : names) {
            // Each file starts from an empty preview, so that a file that
            // fails to read never shows another design's figures.
            TCarData data;
            GetVehicleData(folder.filePath(name), data);
            auto* row = new TVehicleRow(*this);
            row->setText(0, data.Name);
            row->setText(1, data.Author);
            row->setText(2, data.BodyType);
            int column = 3;
            for (int value : {data.Year, data.Cost, data.Weight, data.HC, data.MaxSpeed, data.MaxAcc, data.Range})
                row->setText(column++, PreviewIntToStr(value));
            row->setText(FileColumn, name);
            lvVehicles->addTopLevelItem(row);
        }
    }
    const int count = lvVehicles->topLevelItemCount();
    if (count == 0)
        gbFiles->setTitle(QStringLiteral("No .VX vehicles in this directory"));
    else if (count == 1)
        gbFiles->setTitle(QStringLiteral("Only one vehicle in this directory"));
    else
        gbFiles->setTitle(Format(QStringLiteral("%d vehicles in this directory"), {count}));
    Resort();
}

void TfrmLoad::Resort()
{
    if (FCompareBound)
        lvVehicles->sortItems(0, Qt::AscendingOrder);
}

QString TfrmLoad::Path() const
{
    const QModelIndex current = tvDir->currentIndex();
    return current.isValid() ? QDir::cleanPath(FFolders->filePath(current)) : QString();
}

void TfrmLoad::SetPath(const QString& Dir)
{
    const QModelIndex folder =
        FFolders->index(QFileInfo(ResolvePath(QDir::cleanPath(Dir))).absoluteFilePath());
    // The list shows the folder as it is now, also when the tree stood there
    // already.
    if (folder == tvDir->currentIndex())
        tvDirChange();
    else
        tvDir->setCurrentIndex(folder);
    tvDir->scrollTo(folder);
}

void TfrmLoad::ShowChosenFolder()
{
    tvDir->scrollTo(tvDir->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TfrmLoad::CollapseTree()
{
    tvDir->collapseAll();
}

void TfrmLoad::tvDirChange()
{
    ReadDirectory(Path());
}

void TfrmLoad::SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    // A row that loses the selection names the file as well: clicking beside
    // the rows keeps the last row's file.
    for (const QItemSelection* rows : {&deselected, &selected}) {
        for (const QModelIndex& index : rows->indexes()) {
            if (index.column() == 0)
                lvVehiclesSelectItem(lvVehicles->topLevelItem(index.row()));
        }
    }
}

void TfrmLoad::lvVehiclesSelectItem(const QTreeWidgetItem* Item)
{
    FileName = QDir(Path()).filePath(Item->text(FileColumn));
    btnOK->setEnabled(true);
}

void TfrmLoad::lvVehiclesDblClick()
{
    accept();
}

void TfrmLoad::lvVehiclesColumnClick(int Column)
{
    SortColumn = Column - 1;
    SortDescending = LastSortColumn == SortColumn && !SortDescending;
    LastSortColumn = SortColumn;
    Resort();
}

int TfrmLoad::lvVehiclesCompare(const QTreeWidgetItem* Item1, const QTreeWidgetItem* Item2) const
{
    const int sign = SortDescending ? -1 : 1;
    // A sort column from the settings file that is no column sorts by name.
    const int sub = SortColumn >= -1 && SortColumn < FileColumn ? SortColumn : -1;
    const QString text1 = Item1->text(sub + 1);
    const QString text2 = Item2->text(sub + 1);
    int order = 0;
    if (sub >= 2 && sub <= 8) {
        const int value1 = PreviewNumber(text1);
        const int value2 = PreviewNumber(text2);
        order = value1 < value2 ? -1 : value1 > value2 ? 1 : 0;
    } else {
        order = QString::compare(text1, text2, Qt::CaseSensitive);
    }
    return order < 0 ? -sign : order > 0 ? sign : 0;
}

void TfrmLoad::btnOKClick()
{
    accept();
}

void TfrmLoad::btnCancelClick()
{
    FileName = NoFileSelected;
    reject();
}

void TfrmLoad::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLoad::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        FormClose();
    QDialog::hideEvent(event);
}

void TfrmLoad::keyPressEvent(QKeyEvent* event)
{
    // Esc cancels; the title bar's close button keeps the chosen row.
    if (event->key() == Qt::Key_Escape) {
        btnCancelClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmLoad::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tvDir->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel))
        FKeepChosenInView = false;
    if (watched == lvVehicles->viewport() && event->type() == QEvent::MouseButtonDblClick)
        lvVehiclesDblClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmLoad::FormShow()
{
    // Only a shown tree knows where its rows lie.
    FKeepChosenInView = true;
    ShowChosenFolder();
    FileName = NoFileSelected;
    btnOK->setEnabled(false);
    FCompareBound = true;
    Resort();
}

void TfrmLoad::FormClose()
{
    FCompareBound = false;
}
