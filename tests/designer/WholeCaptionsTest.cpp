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

#include <QComboBox>
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
        Choose(window.cbWeapon, window.cbWeapon->itemText(weapon));
        for (int i = 0; i < 11; ++i)
            window.btnAddWeapon[0]->click();
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

} // namespace
