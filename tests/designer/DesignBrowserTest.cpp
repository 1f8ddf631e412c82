#include "DesignerWindow.h"
#include "ModalAnswers.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

constexpr int FileColumn = 10;

class DesignBrowserTest : public DesignerWindowTest
{
protected:
    QString Design(const char* name) const { return Path(QStringLiteral("Designs/") + QLatin1String(name)); }

    void WriteFile(const QString& name, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(Path(name)).path());
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Three previews in the folder "Sorted": names that sort differently by
    // letter case, costs that sort differently as texts, one without figures.
    void WriteSortedFolder() const
    {
        WriteFile(QStringLiteral("Sorted/zed.vx"),
                  "[Text]\r\nName=Zed\r\nAuthor=Ann\r\n[Body]\r\nBodyType=Van\r\n"
                  "[Preview]\r\nYear=2030\r\nCost=10000\r\nWeight=5000\r\nHC=3\r\nMaxSpeed=100\r\nMaxAcc=5\r\n"
                  "Range=200\r\n");
        WriteFile(QStringLiteral("Sorted/alpha.vx"),
                  "[Text]\r\nName=alpha\r\n[Body]\r\nBodyType=Compact\r\n"
                  "[Preview]\r\nYear=2040\r\nCost=900\r\nWeight=3000\r\nHC=0\r\nMaxSpeed=90\r\nMaxAcc=0\r\n"
                  "Range=100\r\n");
        WriteFile(QStringLiteral("Sorted/beta.vx"), "[Text]\r\nName=Beta\r\n[Body]\r\nBodyType=Pickup\r\n");
    }

    static QStringList Column(const QTreeWidget* list, int column)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts.append(list->topLevelItem(i)->text(column));
        return texts;
    }

    static QTreeWidgetItem* RowOf(const QTreeWidget* list, const QString& file)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(FileColumn) == file)
                return list->topLevelItem(i);
        }
        return nullptr;
    }

    TModalAnswers User;
};

TEST_F(DesignBrowserTest, ListsTheSampleDesignsWithTheirSavedFiguresAndOpensTheChosenOne)
{
    TfrmMain& window = Start();
    ASSERT_TRUE(DetailLoad);
    // Saved anew, the file's preview holds what the accounting gives now.
    TVehicle gadfly;
    QString err;
    gadfly.Load(Design("Gadfly.vx"), err);
    ASSERT_TRUE(gadfly.Save(Design("Gadfly.vx")));
    QStringList list;
    const QStringList expected = {gadfly.Name,
                                  gadfly.Author,
                                  gadfly.Body.Name,
                                  QString::number(gadfly.GetYear(list)),
                                  QString::number(gadfly.GetCost(list)),
                                  QString::number(gadfly.GetWeight(list)),
                                  QString::number(gadfly.GetHC()),
                                  QString::number(gadfly.GetTopSpeed()),
                                  QString::number(gadfly.GetAcceleration()),
                                  QString::number(gadfly.GetRange()),
                                  QStringLiteral("Gadfly.vx")};

    User.Browse = [&](TfrmLoad& browser) {
        // No design is open: the browser starts in Designs beside the program.
        EXPECT_EQ(browser.Path(), Path(QStringLiteral("Designs")));
        EXPECT_EQ(browser.gbFiles->title(), QStringLiteral("5 vehicles in this directory"));
        EXPECT_EQ(Column(browser.lvVehicles, 0),
                  QStringList({"Brickhouse", "Gadfly", "Lightbringer", "Thunderwagon", "Veze Ridiv"}));
        EXPECT_FALSE(browser.btnOK->isEnabled());
        QTreeWidgetItem* row = RowOf(browser.lvVehicles, QStringLiteral("Gadfly.vx"));
        ASSERT_NE(row, nullptr);
        for (int column = 0; column <= FileColumn; ++column)
            EXPECT_EQ(row->text(column), expected[column]) << column;
        browser.lvVehicles->setCurrentItem(row);
        EXPECT_TRUE(browser.btnOK->isEnabled());
        browser.btnOK->click();
    };
    window.acLoad->trigger();
    EXPECT_EQ(User.Browse, nullptr);
    EXPECT_EQ(FileName, Design("Gadfly.vx"));
    EXPECT_EQ(window.Vehicle().Name, gadfly.Name);
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(DesignBrowserTest, TheTreeShowsTheDesignsFolderChosenAndInView)
{
    // Folders enough before Designs to push it below the tree's bottom.
    for (int i = 0; i < 60; ++i)
        QDir().mkpath(Path(QStringLiteral("Archive%1").arg(i, 2, 10, QLatin1Char('0'))));
    TfrmMain& window = Start();
    User.Browse = [&](TfrmLoad& browser) {
        QTreeView* tree = browser.tvDir;
        const QPersistentModelIndex designs = tree->currentIndex();
        EXPECT_EQ(browser.Path(), Path(QStringLiteral("Designs")));
        EXPECT_TRUE(tree->selectionModel()->isSelected(designs));
        // In view, also once the folders around it are read and sorted.
        const auto inView = [tree, designs] { return tree->viewport()->rect().contains(tree->visualRect(designs)); };
        EXPECT_TRUE(QTest::qWaitFor(inView, 5000));
        QTest::qWait(200);
        EXPECT_TRUE(inView());
        EXPECT_EQ(QModelIndex(designs), tree->currentIndex());
        browser.btnCancel->click();
    };
    window.acLoad->trigger();
    EXPECT_EQ(User.Browse, nullptr);
}

TEST_F(DesignBrowserTest, CancelNeverOpensAnythingEvenWithARowChosen)
{
    TfrmMain& window = Start();
    User.Browse = [](TfrmLoad& browser) {
        browser.lvVehicles->setCurrentItem(browser.lvVehicles->topLevelItem(0));
        browser.btnCancel->click();
    };
    window.acLoad->trigger();
    EXPECT_EQ(User.Browse, nullptr);
    EXPECT_EQ(frmLoad->FileName, TfrmLoad::NoFileSelected);
    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
}

TEST_F(DesignBrowserTest, ClickingBesideTheRowsKeepsTheChosenFileAndTheCloseButtonOpensIt)
{
    TfrmMain& window = Start();
    User.Browse = [this](TfrmLoad& browser) {
        browser.lvVehicles->setCurrentItem(RowOf(browser.lvVehicles, QStringLiteral("Brickhouse.vx")));
        browser.lvVehicles->clearSelection();
        EXPECT_TRUE(browser.btnOK->isEnabled());
        EXPECT_EQ(browser.FileName, Design("Brickhouse.vx"));
        browser.close();
    };
    window.acLoad->trigger();
    EXPECT_EQ(FileName, Design("Brickhouse.vx"));
    EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Brickhouse"));
}

TEST_F(DesignBrowserTest, ADoubleClickBesideTheRowsBeforeAnyChoiceOpensNothing)
{
    TfrmMain& window = Start();
    bool shown = false;
    User.Browse = [&shown](TfrmLoad& browser) {
        shown = true;
        QWidget* rows = browser.lvVehicles->viewport();
        QTest::mouseDClick(rows, Qt::LeftButton, {}, QPoint(5, rows->height() - 5));
        EXPECT_FALSE(browser.isVisible());
    };
    window.acLoad->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(FileName.isEmpty());
}

TEST_F(DesignBrowserTest, TheBrowserStartsInTheFolderOfTheOpenDesign)
{
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("Mine"))));
    ASSERT_TRUE(QFile::copy(Design("Gadfly.vx"), Path(QStringLiteral("Mine/Gadfly.vx"))));
    TfrmMain& window = Start({Path(QStringLiteral("Mine/Gadfly.vx"))});
    User.Browse = [this](TfrmLoad& browser) {
        EXPECT_EQ(browser.Path(), Path(QStringLiteral("Mine")));
        EXPECT_EQ(browser.gbFiles->title(), QStringLiteral("Only one vehicle in this directory"));
        browser.btnCancel->click();
    };
    window.acLoad->trigger();
    EXPECT_EQ(User.Browse, nullptr);
}

TEST_F(DesignBrowserTest, AFolderWithoutDesignsLeavesOKDisabled)
{
    Start();
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("Empty"))));
    frmLoad->show();
    frmLoad->SetPath(Path(QStringLiteral("Empty")));
    EXPECT_EQ(frmLoad->lvVehicles->topLevelItemCount(), 0);
    EXPECT_EQ(frmLoad->gbFiles->title(), QStringLiteral("No .VX vehicles in this directory"));
    EXPECT_FALSE(frmLoad->btnOK->isEnabled());
    frmLoad->hide();
}

TEST_F(DesignBrowserTest, FiguresNotStoredShowAQuestionMark)
{
    Start();
    WriteSortedFolder();
    frmLoad->SetPath(Path(QStringLiteral("Sorted")));
    const QTreeWidgetItem* beta = RowOf(frmLoad->lvVehicles, QStringLiteral("beta.vx"));
    const QTreeWidgetItem* alpha = RowOf(frmLoad->lvVehicles, QStringLiteral("alpha.vx"));
    ASSERT_NE(beta, nullptr);
    ASSERT_NE(alpha, nullptr);
    for (int column = 3; column <= 9; ++column)
        EXPECT_EQ(beta->text(column), QStringLiteral("?")) << column;
    // A handling class of 0 and no acceleration class.
    EXPECT_EQ(alpha->text(6), QStringLiteral("?"));
    EXPECT_EQ(alpha->text(8), QStringLiteral("?"));
    EXPECT_EQ(alpha->text(4), QStringLiteral("900"));
}

TEST_F(DesignBrowserTest, HeaderClicksSortAscendingThenDescendingByNumbersOrByCaseSensitiveText)
{
    const int name = 0;
    const int year = 3;
    const int cost = 4;
    const struct {
        const char* What;
        std::vector<int> Clicks;
        QStringList Order;
    } cases[] = {
        {"on showing, by name", {}, {"Beta", "Zed", "alpha"}},
        {"name", {name}, {"Beta", "Zed", "alpha"}},
        {"name twice", {name, name}, {"alpha", "Zed", "Beta"}},
        {"cost", {cost}, {"Beta", "alpha", "Zed"}},
        {"year", {year}, {"Beta", "Zed", "alpha"}},
        {"year twice", {year, year}, {"alpha", "Zed", "Beta"}},
        {"year three times", {year, year, year}, {"Beta", "Zed", "alpha"}},
        {"year then cost", {year, cost}, {"Beta", "alpha", "Zed"}},
    };
    Start();
    WriteSortedFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        frmLoad->LastSortColumn = -2;
        frmLoad->SortColumn = -1;
        frmLoad->SortDescending = false;
        frmLoad->SetPath(Path(QStringLiteral("Sorted")));
        frmLoad->show();
        for (int column : c.Clicks)
            emit frmLoad->lvVehicles->header()->sectionClicked(column);
        EXPECT_EQ(Column(frmLoad->lvVehicles, 0), c.Order);
        frmLoad->hide();
    }
}

TEST_F(DesignBrowserTest, TheSortStateComesFromTheSettingsButTheFirstClickSortsAscending)
{
    // Sub-item 3 is the Cost column.
    WriteSettings("[GUI]\r\nLoadSort=3\r\nLoadSortInv=1\r\n");
    Start();
    EXPECT_EQ(frmLoad->SortColumn, 3);
    EXPECT_TRUE(frmLoad->SortDescending);
    WriteSortedFolder();
    frmLoad->SetPath(Path(QStringLiteral("Sorted")));
    frmLoad->show();
    EXPECT_EQ(Column(frmLoad->lvVehicles, 0), QStringList({"Zed", "alpha", "Beta"}));
    emit frmLoad->lvVehicles->header()->sectionClicked(4);
    EXPECT_EQ(Column(frmLoad->lvVehicles, 0), QStringList({"Beta", "alpha", "Zed"}));
    frmLoad->hide();
    Shutdown();
    EXPECT_TRUE(ReadSettings().contains("LoadSort=3\r\nLoadSortInv=0\r\n")) << ReadSettings().toStdString();
}

TEST_F(DesignBrowserTest, AStoredSortColumnThatIsNoColumnSortsByNameAndIsKept)
{
    WriteSettings("[GUI]\r\nLoadSort=42\r\n");
    Start();
    WriteSortedFolder();
    frmLoad->SetPath(Path(QStringLiteral("Sorted")));
    frmLoad->show();
    EXPECT_EQ(Column(frmLoad->lvVehicles, 0), QStringList({"Beta", "Zed", "alpha"}));
    frmLoad->hide();
    Shutdown();
    EXPECT_TRUE(ReadSettings().contains("LoadSort=42\r\n"));
}

TEST_F(DesignBrowserTest, AnUnreadableFileGivesARowOfDefaults)
{
    Start();
    WriteFile(QStringLiteral("Broken/broken.vx"), QByteArray("\x00\xff\xfe[Preview\r\nCost=abc\r\n[Text\x00]", 26));
    WriteFile(QStringLiteral("Broken/figures.vx"), "[Preview]\r\nCost=12x\r\nYear=99999999999\r\n");
    frmLoad->SetPath(Path(QStringLiteral("Broken")));
    ASSERT_EQ(frmLoad->lvVehicles->topLevelItemCount(), 2);
    for (const char* file : {"broken.vx", "figures.vx"}) {
        SCOPED_TRACE(file);
        const QTreeWidgetItem* row = RowOf(frmLoad->lvVehicles, QLatin1String(file));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->text(0), QStringLiteral("<Text.Name not found>"));
        EXPECT_EQ(row->text(1), QString());
        EXPECT_EQ(row->text(4), QStringLiteral("?"));
        EXPECT_EQ(row->text(3), QStringLiteral("?"));
    }
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

// A file far larger than a design, however well formed, is listed as one
// that cannot be read; a design of the largest size still shows.
TEST_F(DesignBrowserTest, AFileFarLargerThanAnyDesignIsListedAsUnreadable)
{
    Start();
    const QByteArray design = "[Text]\r\nName=Padded\r\n[Preview]\r\nCost=900\r\n[Padding]\r\n";
    const qint64 largest = qint64(4) << 20;
    const auto padded = [&design](qint64 size) {
        QByteArray bytes = design;
        const QByteArray line = "; a comment line to fill the file\r\n";
        while (bytes.size() + line.size() <= size)
            bytes += line;
        return bytes + QByteArray(size - bytes.size(), ';');
    };
    WriteFile(QStringLiteral("Large/largest.vx"), padded(largest));
    WriteFile(QStringLiteral("Large/larger.vx"), padded(largest + 1));
    frmLoad->SetPath(Path(QStringLiteral("Large")));
    ASSERT_EQ(frmLoad->lvVehicles->topLevelItemCount(), 2);
    const struct {
        const char* File;
        const char* Name;
        const char* Cost;
    } rows[] = {{"largest.vx", "Padded", "900"}, {"larger.vx", "<Text.Name not found>", "?"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.File);
        const QTreeWidgetItem* row = RowOf(frmLoad->lvVehicles, QLatin1String(r.File));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->text(0), QLatin1String(r.Name));
        EXPECT_EQ(row->text(4), QLatin1String(r.Cost));
    }
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST(PreviewIntToStr, ShowsDigitsAboveZeroAndAQuestionMarkOtherwise)
{
    EXPECT_EQ(PreviewIntToStr(1), QStringLiteral("1"));
    EXPECT_EQ(PreviewIntToStr(10000), QStringLiteral("10000"));
    EXPECT_EQ(PreviewIntToStr(0), QStringLiteral("?"));
    EXPECT_EQ(PreviewIntToStr(-3), QStringLiteral("?"));
}

} // namespace
