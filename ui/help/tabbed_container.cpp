#include "tabbed_container.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace thalmuro::help {
namespace {

// The height of one row of tabs, in pixels.
constexpr int kRowHeight = 24;

// Light and shadow of the raised edges, as on a button.
void raisedEdges(QPainter& painter, const QRect& r, const QPalette& palette, bool bottom) {
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.drawLine(r.topLeft(), r.topRight());
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(r.topRight(), r.bottomRight());
    if (bottom) painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, bottom ? -1 : 0));
    if (bottom) painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
}

}  // namespace

TabbedContainer::TabbedContainer(int tabCount, int tabsPerRow, QWidget* parent)
    : QWidget(parent), tabs_(tabCount), tabsPerRow_(tabsPerRow) {
    setFocusPolicy(Qt::StrongFocus);
}

int TabbedContainer::rowCount() const {
    return (count() + tabsPerRow_ - 1) / tabsPerRow_;
}

int TabbedContainer::stripHeight() const {
    return rowCount() * kRowHeight;
}

QRect TabbedContainer::tabRect(int tab) const {
    const int column = tab % tabsPerRow_;
    const int left = width() * column / tabsPerRow_;
    const int right = width() * (column + 1) / tabsPerRow_;
    return {left, rowOfTab(tab) * kRowHeight, right - left, kRowHeight};
}

void TabbedContainer::setTabCaption(int tab, const QString& caption) {
    tabs_[tab].caption = caption;
    update(tabRect(tab));
}

void TabbedContainer::addControl(int tab, QWidget* control) {
    tabs_[tab].controls.append(control);
    control->setVisible(tab == current_);
}

void TabbedContainer::setCurrentIndex(int tab) {
    if (tab < 0 || tab >= count() || tab == current_) return;
    // Hide first, so that the controls of two tabs never show together.
    for (QWidget* control : tabs_.at(current_).controls)
        control->hide();
    current_ = tab;
    for (QWidget* control : tabs_.at(current_).controls)
        control->show();
    update();
    emit currentChanged(current_);
}

int TabbedContainer::tabAt(const QPoint& point) const {
    for (int tab = 0; tab < count(); ++tab) {
        if (tabRect(tab).contains(point)) return tab;
    }
    return -1;
}

void TabbedContainer::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor face = colours.color(QPalette::Window);
    painter.fillRect(rect(), face);

    // The page below the strip, raised.
    raisedEdges(painter, QRect(0, stripHeight(), width(), height() - stripHeight()), colours, true);

    // The tabs. The chosen one has the page's colour, a bold caption and no line below it
    // where it stands on the page; the others are a shade darker.
    for (int tab = 0; tab < count(); ++tab) {
        const bool chosen = tab == current_;
        const QRect r = tabRect(tab).adjusted(0, chosen ? 0 : 2, 0, 0);
        painter.fillRect(r.adjusted(1, 1, -1, 0), chosen ? face : face.darker(110));
        raisedEdges(painter, r, colours, false);
        const bool onPage = rowOfTab(tab) == rowCount() - 1;
        if (!(chosen && onPage)) {
            painter.setPen(colours.color(QPalette::Light));
            painter.drawLine(r.bottomLeft() + QPoint(0, 1), r.bottomRight() + QPoint(0, 1));
        }
        QFont captionFont = font();
        captionFont.setBold(chosen);
        painter.setFont(captionFont);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextSingleLine,
                         tabs_.at(tab).caption);
        if (chosen && hasFocus()) {
            const QRect textRect = painter.boundingRect(r.adjusted(4, 0, -4, 0), Qt::AlignCenter,
                                                        tabs_.at(tab).caption);
            painter.setPen(QPen(colours.color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(textRect.adjusted(-2, 0, 1, 0));
        }
    }
}

void TabbedContainer::mousePressEvent(QMouseEvent* event) {
    const int tab = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && tab >= 0) {
        setFocus(Qt::MouseFocusReason);
        setCurrentIndex(tab);
        return;
    }
    QWidget::mousePressEvent(event);
}

void TabbedContainer::keyPressEvent(QKeyEvent* event) {
    // Left and right step through the tabs, round the end.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        const int step = event->key() == Qt::Key_Left ? count() - 1 : 1;
        setCurrentIndex((current_ + step) % count());
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace thalmuro::help
