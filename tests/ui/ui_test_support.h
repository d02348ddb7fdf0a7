// Helpers shared by the window tests: finding controls by name, answering modal windows and
// reading back the files they write.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <utility>

namespace thalmuro::testing {

// The whole content of the file `path`; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The child of `parent` called `name`; null when there is none.
template <class T>
T* control(const QObject* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

// Answers the modal windows that a test action opens, one handler per window, in order. A
// timer looks for QApplication::activeModalWidget() at every turn of the event loop, so it
// works inside the nested loops of QDialog::exec() and of processEvents(). A modal window for
// which no handler is left is recorded as unexpected and rejected, so that a wrong message
// fails the test instead of blocking it.
class ModalAnswerer : public QObject {
  public:
    using Handler = std::function<void(QWidget*)>;

    ModalAnswerer() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    void then(Handler handler) { handlers_.push_back(std::move(handler)); }

    int answered() const { return answered_; }
    int unexpected() const { return unexpected_; }
    bool allAnswered() const { return handlers_.empty(); }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == last_) return;
        last_ = modal;
        if (handlers_.empty()) {
            ++unexpected_;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        const Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        ++answered_;
        handler(modal);
    }

    QTimer timer_;
    std::deque<Handler> handlers_;
    QPointer<QWidget> last_;
    int answered_ = 0;
    int unexpected_ = 0;
};

}  // namespace thalmuro::testing
