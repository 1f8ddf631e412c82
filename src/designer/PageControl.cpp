#include "designer/PageControl.h"

#include <QStackedWidget>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
    // Narrow tabs, so that every page of a box shows its tab at once.
    tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 5px; border: 1px solid palette(mid); border-bottom: none;"
        " background: palette(button); margin-top: 2px; }"
        " QTabBar::tab:selected { background: palette(window); margin-top: 0px; }"));
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int) { ShowActivePage(); });
    connect(this, &QTabWidget::currentChanged, this, [this](int) { ShowActivePage(); });
}

int TPageControl::ActivePageIndex() const
{
    return FNoActivePage ? -1 : currentIndex();
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < count()) {
        setCurrentIndex(index);
        ShowActivePage();
        return;
    }
    FNoActivePage = true;
    if (QWidget* page = currentWidget())
        page->hide();
}

void TPageControl::ShowActivePage()
{
    FNoActivePage = false;
    if (QWidget* page = currentWidget())
        page->show();
}
