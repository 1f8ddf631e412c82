#include "DesignerWindow.h"
#include "WholeCaptions.h"

#include "designer/AboutForm.h"
#include "designer/DataUsedForm.h"
#include "designer/DesignBrowser.h"
#include "designer/DesignLimits.h"
#include "designer/DesignOptions.h"
#include "designer/ImportForm.h"
#include "model/Global.h"
#include "printing/PrintForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

class WholeCaptionsTest : public DesignerWindowTest
{
protected:
    static void ExpectWhole(QWidget* form)
    {
        const QStringList cut = CutCaptions(form);
        EXPECT_TRUE(cut.isEmpty()) << form->objectName().toStdString() << ":\n"
                                   << cut.join(QLatin1Char('\n')).toStdString();
    }

    // Every list of the window shows its longest entry, as chosen by the
    // user, and a weapon of the longest abbreviation has its rows.
    void ChooseTheLongestTexts(TfrmMain& window)
    {
        for (QComboBox* list : window.findChildren<QComboBox*>()) {
            if (!list->isVisibleTo(&window) || list->count() == 0)
                continue;
            int longest = 0;
            for (int i = 1; i < list->count(); ++i) {
                if (list->itemText(i).size() > list->itemText(longest).size())
                    longest = i;
            }
            if (list->currentIndex() != longest) {
                list->setCurrentIndex(longest);
                emit list->activated(longest);
            }
        }
        int weapon = 0;
        for (int i = 1; i < window.cbWeapon->count(); ++i) {
            if (WeaponTypes.Items[i].Abbreviation.size() > WeaponTypes.Items[weapon].Abbreviation.size())
                weapon = i;
        }
        window.pcWeaponSelect->SetActivePageIndex(0);
        // Rows with every control: a gun with extra ammunition and a list of
        // it, a laser with both options, and the longest abbreviation.
        for (const QString& entry : {QStringLiteral("Machine Gun (MG)"), QStringLiteral("Laser (L)"),
                                     window.cbWeapon->itemText(weapon)}) {
            Choose(window.cbWeapon, entry);
            for (int i = 0; i < 4; ++i)
                window.btnAddWeapon[0]->click();
        }
    }
};

TEST_F(WholeCaptionsTest, EveryPageOfTheMainWindowShowsEveryCaptionWholeInBothLayouts)
{
    TfrmMain& window = Start();
    window.show();
    ChooseTheLongestTexts(window);
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        window.SetUpResolution(compact);
        ExpectWhole(&window);
    }
}

TEST_F(WholeCaptionsTest, EveryFormShowsEveryCaptionWhole)
{
    TfrmMain& window = Start();
    window.show();
    TfrmDesign options(&window);
    TfrmConfig limits(&window);
    TfrmDataUsed sources(&window);
    TfrmAbout about(&window);
    for (QWidget* form : std::initializer_list<QWidget*>{&options, &limits, &sources, &about, frmLoad, frmImport,
                                                          frmPrint}) {
        form->show();
        ExpectWhole(form);
        form->hide();
    }
}

// The check itself finds a caption cut on any page.
TEST(WholeCaptionsCheckTest, FindsEveryKindOfCutCaption)
{
    QWidget form;
    form.resize(300, 200);
    auto* narrow = new QLabel(QStringLiteral("A label far too long for its width"), &form);
    narrow->setObjectName(QStringLiteral("narrow"));
    narrow->setGeometry(0, 0, 40, 20);
    auto* box = new QCheckBox(QStringLiteral("A check box caption"), &form);
    box->setObjectName(QStringLiteral("box"));
    box->setGeometry(0, 30, 60, 20);
    auto* low = new QLabel(QStringLiteral("A wrapping label with more words than one line holds"), &form);
    low->setObjectName(QStringLiteral("low"));
    low->setWordWrap(true);
    low->setGeometry(0, 60, 80, 16);
    auto* outside = new QPushButton(QStringLiteral("OK"), &form);
    outside->setObjectName(QStringLiteral("outside"));
    outside->setGeometry(280, 90, 80, 24);
    auto* under = new QCheckBox(QStringLiteral("Under"), &form);
    under->setObjectName(QStringLiteral("under"));
    under->setGeometry(100, 0, 100, 20);
    auto* over = new QWidget(&form);
    over->setObjectName(QStringLiteral("over"));
    over->setGeometry(130, 0, 100, 20);
    auto* pages = new QTabWidget(&form);
    pages->setGeometry(0, 120, 300, 80);
    pages->addTab(new QWidget, QStringLiteral("One"));
    auto* second = new QWidget;
    pages->addTab(second, QStringLiteral("Two"));
    auto* hidden = new QLabel(QStringLiteral("A label on the second page, cut"), second);
    hidden->setObjectName(QStringLiteral("onPageTwo"));
    hidden->setGeometry(0, 0, 30, 20);
    form.show();
    QStringList names;
    for (const QString& line : CutCaptions(&form))
        names << line.section(QLatin1Char(' '), 0, 0);
    names.removeDuplicates();
    names.sort();
    EXPECT_EQ(names, (QStringList{"box", "low", "narrow", "onPageTwo", "outside", "under"})) << names.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(pages->currentIndex(), 0);
}

} // namespace
