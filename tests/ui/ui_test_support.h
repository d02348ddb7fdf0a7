// Helpers shared by the window tests: finding controls by name, answering modal windows and
// reading back the files they write.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <functional>
#include <utility>

namespace thalmuro::testing {

// The whole content of the file `path`; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes `bytes` the whole content of the file `path`; a file that cannot be written fails the
// test.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
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

// A home folder of the test's own, with an empty documents folder, for as long as it exists: the
// folder where the main window writes a report named without a folder when no problem file is
// open and no report folder is remembered. The program's settings stay in Qt's test location.
// HOME names it on POSIX systems; on Windows, where the user's folders come from the profile,
// THALMURO_TEST_HOME does.
class TemporaryHome {
  public:
    TemporaryHome() : previous_(qgetenv("HOME")), previousTest_(qgetenv("THALMURO_TEST_HOME")) {
        QStandardPaths::setTestModeEnabled(true);
        // Qt finds the settings file once in a process: found before HOME changes, it stays in
        // the test location of the real home for every test of the program.
        QSettings(QStringLiteral("thalmuro"), QCoreApplication::applicationName()).sync();
        qputenv("HOME", QFile::encodeName(folder_.path()));
        qputenv("THALMURO_TEST_HOME", QFile::encodeName(folder_.path()));
        QDir(folder_.path()).mkdir(QStringLiteral("Documents"));
    }
    ~TemporaryHome() {
        qputenv("HOME", previous_);
        qputenv("THALMURO_TEST_HOME", previousTest_);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    bool isValid() const { return folder_.isValid(); }
    QString path() const { return folder_.path(); }
    QString documents() const { return folder_.filePath(QStringLiteral("Documents")); }

  private:
    QTemporaryDir folder_;
    QByteArray previous_;
    QByteArray previousTest_;
};

}  // namespace thalmuro::testing
