#include "designer/PageControl.h"

#include <QStackedWidget>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
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
