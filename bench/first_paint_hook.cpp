// Preloaded into a Qt program by startup_bench: ends the process as soon as its main window has
// been painted for the first time, so that the program's CPU time and peak memory are those of
// its start-up alone. The program itself is run unchanged.
//
// A startup function runs when the QApplication is constructed and installs an event filter on
// it. The first paint event of a QMainWindow or of anything inside it queues the exit, which then
// runs once the whole window has been painted and flushed. A program that shows nothing within
// the time limit ends with a failure status.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitPainted = 0;
constexpr int kExitTimedOut = 124;
constexpr int kTimeLimitMs = 30000;

class FirstPaintFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            if (qobject_cast<const QMainWindow*>(window) != nullptr) {
                painted_ = true;
                // Queued behind the paint in progress: the exit comes after the whole window is
                // painted and flushed. _Exit leaves out the teardown, which is not start-up.
                QMetaObject::invokeMethod(
                    this, [] { std::_Exit(kExitPainted); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

  private:
    bool painted_ = false;
};

void installFirstPaintFilter() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintFilter(application));
    QTimer::singleShot(kTimeLimitMs, application, [] {
        std::fputs("first_paint_hook: no main window painted in time\n", stderr);
        std::_Exit(kExitTimedOut);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintFilter)
