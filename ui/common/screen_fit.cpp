#include "screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMargins>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "twips.h"

namespace thalmuro {
namespace {

// The client area's stand-in inside the scroll area: it holds the controls at their places and
// paints the client area's background under them, from its own top-left corner.
class ScrolledClient : public QWidget {
  public:
    explicit ScrolledClient(BackgroundPainter paintBackground)
        : paintBackground_(std::move(paintBackground)) {}

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        if (paintBackground_) paintBackground_(this);
    }

  private:
    BackgroundPainter paintBackground_;
};

// The width of the window's frame on each side, as far as the window system has told it.
QMargins frameMarginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// The controls of a client area: its child widgets, without the windows it owns.
QList<QWidget*> controlsOf(const QWidget* client) {
    QList<QWidget*> controls;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) controls.append(child);
    }
    return controls;
}

// Gives `controls` to `parent` in their order, which is also the order in which they lie on one
// another, each at its place and hidden or not as it was.
void moveControls(const QList<QWidget*>& controls, QWidget* parent) {
    for (QWidget* control : controls) {
        const bool hidden = control->isHidden();
        control->setParent(parent);
        control->setVisible(!hidden);
    }
}

// The scroll value nearest to `value` at which a view `extent` long shows the stretch from
// `first` to `last`, or lies within it when the stretch is longer than the view.
int valueShowing(int value, int extent, int first, int last) {
    const int lastInView = last - extent + 1;  // the value that puts `last` at the view's end
    return std::clamp(value, std::min(first, lastInView), std::max(first, lastInView));
}

// Scrolls `area` just far enough to show the focus widget, when it lies in the area: the part
// of it that the client area holds, or as much of that as the visible part can take. A control
// already in view, one clicked among them, stays where it is.
void showFocusWidget(QScrollArea* area) {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* client = area->widget();
    if (focus == nullptr || !client->isAncestorOf(focus)) return;
    const QRect wanted = QRect(focus->mapTo(client, QPoint(0, 0)), focus->size()) & client->rect();
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    across->setValue(
        valueShowing(across->value(), area->viewport()->width(), wanted.left(), wanted.right()));
    down->setValue(
        valueShowing(down->value(), area->viewport()->height(), wanted.top(), wanted.bottom()));
}

class ScreenFit : public QObject {
  public:
    ScreenFit(QWidget* window, QSize clientSize, WindowSizing sizing,
              BackgroundPainter paintBackground)
        : QObject(window),
          window_(window),
          clientSize_(clientSize),
          sizing_(sizing),
          paintBackground_(std::move(paintBackground)) {
        setWindowSize(windowSizeFor(clientSize_));
        window_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::Show) {
                watchScreens();
                fit();
            } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                       window_->isVisible() && frameMarginsOf(window_) != frameMargins_) {
                // The window system tells the frame's width only once the window is on the
                // screen.
                fit();
            }
        }
        if (!area_.isNull() && watched == area_->parentWidget() && event->type() == QEvent::Resize)
            area_->setGeometry(area_->parentWidget()->rect());
        return false;
    }

  private:
    // The widget whose area the controls fill: the central widget of a main window, otherwise
    // the window itself.
    QWidget* clientArea() const {
        const auto* main = qobject_cast<const QMainWindow*>(window_);
        return main != nullptr ? main->centralWidget() : window_;
    }

    // The height of a main window's bars at `width`: the menu bar above the client area and
    // the status bar, where there is one, below it.
    int barsHeight(int width) const {
        const auto* main = qobject_cast<const QMainWindow*>(window_);
        if (main == nullptr) return 0;
        const QWidget* menu = main->menuWidget();
        // QMainWindow::statusBar() would make one.
        const auto* status = main->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        return (menu != nullptr ? menu->heightForWidth(width) : 0) +
               (status != nullptr ? status->sizeHint().height() : 0);
    }

    // The window's size for a client area of `client`, between the bars at that width.
    QSize windowSizeFor(QSize client) const {
        return {client.width(), client.height() + barsHeight(client.width())};
    }

    void setWindowSize(QSize size) {
        if (sizing_ == WindowSizing::fixed) {
            window_->setFixedSize(size);
        } else {
            window_->resize(size);
        }
    }

    void watchScreens() {
        QWindow* handle = window_->windowHandle();
        if (handle == nullptr || handle == watchedWindow_) return;
        watchedWindow_ = handle;
        connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
            watchScreen(screen);
            fitIfShown();
        });
        watchScreen(handle->screen());
    }

    void watchScreen(QScreen* screen) {
        disconnect(availableGeometryChanged_);
        disconnect(dotsPerInchChanged_);
        if (screen == nullptr) return;
        availableGeometryChanged_ =
            connect(screen, &QScreen::availableGeometryChanged, this, [this] { fitIfShown(); });
        dotsPerInchChanged_ =
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { fitIfShown(); });
    }

    void fitIfShown() {
        if (window_->isVisible()) fit();
    }

    void fit() {
        const QScreen* screen = window_->screen();
        if (screen == nullptr) return;
        frameMargins_ = frameMarginsOf(window_);
        const QRect available = screen->availableGeometry();
        const QSize room = available.size().shrunkBy(frameMargins_);
        const QSize whole = windowSizeFor(clientSize_);
        if (whole.width() <= room.width() && whole.height() <= room.height()) {
            if (!area_.isNull()) {
                stopScrolling();
                setWindowSize(whole);
            }
            return;
        }
        if (area_.isNull()) startScrolling();
        setWindowSize(sizeWithin(room));
        keepWithin(available);
    }

    // The largest window size within `room` that needs no scroll bar beyond those the client
    // area needs. A scroll bar takes its width from the other direction, so that one may bring
    // the other: two rounds, from none, settle which the client area needs.
    QSize sizeWithin(QSize room) const {
        const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_);
        const auto widthWith = [&](bool down) {
            return std::min(clientSize_.width() + (down ? bar : 0), room.width());
        };
        bool across = false;  // a horizontal scroll bar
        bool down = false;    // a vertical scroll bar
        for (int round = 0; round < 2; ++round) {
            const bool needsAcross = widthWith(down) - (down ? bar : 0) < clientSize_.width();
            const bool needsDown =
                room.height() - barsHeight(widthWith(down)) - (across ? bar : 0) <
                clientSize_.height();
            across = needsAcross;
            down = needsDown;
        }
        const int width = widthWith(down);
        return {width, std::min(clientSize_.height() + barsHeight(width) + (across ? bar : 0),
                                room.height())};
    }

    // Moves the window, frame included, inside `available` where it reaches beyond it. A
    // window that cannot be made that small keeps its top-left corner, with the caption, there.
    void keepWithin(const QRect& available) {
        const QSize frame = window_->size().grownBy(frameMargins_);
        const QPoint at = window_->pos();
        const QPoint inside(
            std::max(available.left(), std::min(at.x(), available.right() + 1 - frame.width())),
            std::max(available.top(), std::min(at.y(), available.bottom() + 1 - frame.height())));
        if (inside != at) window_->move(inside);
    }

    void startScrolling() {
        QWidget* client = clientArea();
        QWidget* focus = window_->focusWidget();
        const QList<QWidget*> controls = controlsOf(client);

        area_ = new QScrollArea(client);
        area_->setObjectName(QStringLiteral("clientScrollArea"));
        area_->setFrameShape(QFrame::NoFrame);
        area_->setFocusPolicy(Qt::NoFocus);
        area_->setWidgetResizable(true);
        auto* scrolled = new ScrolledClient(paintBackground_);
        scrolled->setObjectName(QStringLiteral("scrolledClientArea"));
        // Never smaller than the client area, larger with a larger window, as the client area.
        scrolled->setMinimumSize(clientSize_);
        scrolled->setBackgroundRole(client->backgroundRole());
        scrolled->setAutoFillBackground(client->autoFillBackground());
        area_->setWidget(scrolled);
        moveControls(controls, scrolled);
        area_->setGeometry(client->rect());
        area_->show();
        if (client != window_) client->installEventFilter(this);
        restoreFocus(focus);

        // Queued, so that the control is shown where it stands once everything else the focus
        // change sets off has moved it (the main window's section table scrolls its rows).
        QScrollArea* area = area_;
        connect(qApp, &QApplication::focusChanged, area, [area](QWidget* /*old*/, QWidget* now) {
            if (now != nullptr && area->widget()->isAncestorOf(now)) {
                QMetaObject::invokeMethod(
                    area, [area] { showFocusWidget(area); }, Qt::QueuedConnection);
            }
        });
    }

    void stopScrolling() {
        QWidget* client = clientArea();
        QWidget* focus = window_->focusWidget();
        moveControls(controlsOf(area_->widget()), client);
        if (client != window_) client->removeEventFilter(this);
        delete area_.data();
        restoreFocus(focus);
    }

    // A control that loses the focus while it changes parent takes it back.
    void restoreFocus(QWidget* focus) {
        if (focus != nullptr && window_->focusWidget() != focus) focus->setFocus();
    }

    QWidget* const window_;
    const QSize clientSize_;
    const WindowSizing sizing_;
    const BackgroundPainter paintBackground_;
    QPointer<QScrollArea> area_;
    QMargins frameMargins_;
    QPointer<QWindow> watchedWindow_;
    QMetaObject::Connection availableGeometryChanged_;
    QMetaObject::Connection dotsPerInchChanged_;
};

}  // namespace

void setClientSize(QWidget* window, int widthTwips, int heightTwips, WindowSizing sizing,
                   BackgroundPainter paintBackground) {
    new ScreenFit(window, QSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips)), sizing,
                  std::move(paintBackground));
}

}  // namespace thalmuro
