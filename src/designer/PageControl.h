#pragma once

#include <QTabWidget>

// A tab control that, like the page controls the settings file remembers,
// may show no page at all: an index that is not one of its pages leaves it
// without an active page (index -1) until the user picks a tab.
class TPageControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

private:
    void ShowActivePage();

    bool FNoActivePage = false;
};
