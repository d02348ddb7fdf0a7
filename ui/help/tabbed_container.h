// A tabbed container in the manner of the classic tabbed-dialog control: a strip of tabs in one
// or more rows of fixed width above a page, and controls that belong to one tab each. The
// controls are children of the container itself, placed in its coordinates: a control moved
// upwards covers the tab strip, and only the container's outer edges clip it. Choosing a tab
// shows that tab's controls and hides the others'; nothing else changes.
//
// Assistive technology sees the container as a tab list whose first children are the tabs, each
// named by its caption and chosen by its press action, followed by the controls.
//
// (QTabWidget keeps one row of tabs and puts each tab's controls on a page of their own below
// the strip, which can show neither.)
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace thalmuro::help {

class TabbedContainer : public QWidget {
    Q_OBJECT
  public:
    // `tabCount` tabs, `tabsPerRow` to a row; every tab is 1/`tabsPerRow` of the width wide.
    // The first tab is chosen.
    TabbedContainer(int tabCount, int tabsPerRow, QWidget* parent);

    int count() const { return static_cast<int>(tabs_.size()); }
    int tabsPerRow() const { return tabsPerRow_; }
    int rowCount() const;
    // Rows are numbered from the top: tabs 0 to tabsPerRow − 1 form row 0.
    int rowOfTab(int tab) const { return tab / tabsPerRow_; }
    // The tab's rectangle in the strip, in pixels of the container.
    QRect tabRect(int tab) const;
    // The height of the strip, all rows together.
    int stripHeight() const;

    QString tabCaption(int tab) const { return tabs_.at(tab).caption; }
    void setTabCaption(int tab, const QString& caption);

    // Puts `control`, a child of this container, on `tab`; it shows only while `tab` is chosen.
    void addControl(int tab, QWidget* control);
    QList<QWidget*> controls(int tab) const { return tabs_.at(tab).controls; }

    int currentIndex() const { return current_; }
    void setCurrentIndex(int tab);

  signals:
    void currentChanged(int tab);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Tab {
        QString caption;
        QList<QWidget*> controls;
    };

    int tabAt(const QPoint& point) const;
    // Reports the chosen tab to assistive technology, which sees each tab as a page tab.
    void tellAssistiveTechnology();

    QList<Tab> tabs_;
    int tabsPerRow_;
    int current_ = 0;
};

}  // namespace thalmuro::help
