#include "DesignerWindow.h"
#include "WholeCaptions.h"

namespace {

using WholeCaptionsTest = DesignerWindowTest;

TEST_F(WholeCaptionsTest, TheMainWindowShowsEveryCaptionWhole)
{
    TfrmMain& window = Start();
    window.show();
    EXPECT_TRUE(CutCaptions(&window).isEmpty()) << CutCaptions(&window).join(QLatin1Char('\n')).toStdString();
    window.SetUpResolution(true);
    EXPECT_TRUE(CutCaptions(&window).isEmpty()) << CutCaptions(&window).join(QLatin1Char('\n')).toStdString();
}

} // namespace
