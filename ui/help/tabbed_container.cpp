#include "tabbed_container.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

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

// One tab of the strip as assistive technology sees it: a page tab named by its caption,
// selected while it is the chosen one, whose press action chooses it as a click does.
class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleTab(TabbedContainer* container, int tab) : container_(container), tab_(tab) {}

    bool isValid() const override { return !container_.isNull() && tab_ < container_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(container_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text which) const override {
        if (which != QAccessible::Name || !isValid()) return {};
        return container_->tabCaption(tab_).trimmed();
    }
    void setText(QAccessible::Text /*which*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect tab = container_->tabRect(tab_);
        return {container_->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.selectable = true;
        state.selected = container_->currentIndex() == tab_;
        state.focusable = true;
        state.focused = state.selected && container_->hasFocus();
        state.invisible = !container_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) container_->setCurrentIndex(tab_);
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  private:
    QPointer<TabbedContainer> container_;
    int tab_;
};

// The container as assistive technology sees it: a tab list named after its window, whose
// children are its tabs followed by the controls of the pages.
class AccessibleTabList : public QAccessibleWidget {
  public:
    explicit AccessibleTabList(TabbedContainer* container)
        : QAccessibleWidget(container, QAccessible::PageTabList) {}
    ~AccessibleTabList() override {
        for (const QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->window()->windowTitle();
        return QAccessibleWidget::text(which);
    }

    int childCount() const override {
        return container()->count() + QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override {
        const int tabs = container()->count();
        if (index < 0) return nullptr;
        if (index >= tabs) return QAccessibleWidget::child(index - tabs);
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new AccessibleTab(container(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto tab = tabs_.cbegin(); tab != tabs_.cend(); ++tab) {
            if (QAccessible::accessibleInterface(tab.value()) == child) return tab.key();
        }
        const int control = QAccessibleWidget::indexOfChild(child);
        return control < 0 ? -1 : container()->count() + control;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = container()->mapFromGlobal(QPoint(x, y));
        for (int tab = 0; tab < container()->count(); ++tab) {
            if (container()->tabRect(tab).contains(point)) return child(tab);
        }
        return QAccessibleWidget::childAt(x, y);
    }

  private:
    TabbedContainer* container() const { return static_cast<TabbedContainer*>(widget()); }

    // The tabs' interfaces by tab, made when first asked for and deleted with the list's.
    mutable QMap<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* accessibleTabList(const QString& className, QObject* object) {
    if (className != QLatin1String(TabbedContainer::staticMetaObject.className())) return nullptr;
    return new AccessibleTabList(static_cast<TabbedContainer*>(object));
}

}  // namespace

TabbedContainer::TabbedContainer(int tabCount, int tabsPerRow, QWidget* parent)
    : QWidget(parent), tabs_(tabCount), tabsPerRow_(tabsPerRow) {
    setFocusPolicy(Qt::StrongFocus);
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(&accessibleTabList), true);
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
    if (tabs_.at(tab).caption == caption) return;
    tabs_[tab].caption = caption;
    update(tabRect(tab));
    // A tab renamed in another language is announced by its new name.
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        renamed.setChild(tab);
        QAccessible::updateAccessibility(&renamed);
    }
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
    tellAssistiveTechnology();
    emit currentChanged(current_);
}

void TabbedContainer::tellAssistiveTechnology() {
    if (!QAccessible::isActive()) return;
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current_);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(current_);
    QAccessible::updateAccessibility(&selection);
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
