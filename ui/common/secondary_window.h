// Opening a secondary window: one instance at a time, modeless, without owner.
#pragma once

#include <QPointer>
#include <Qt>
#include <utility>

namespace thalmuro {

// Shows the window held in `window`: creates it from `args` when there is none (it then starts
// in its initial state) or brings the open one to the front as it is. The window destroys
// itself when closed, which clears `window`.
template <class Window, class... Args>
Window* showSecondaryWindow(QPointer<Window>& window, Args&&... args) {
    if (window.isNull()) {
        window = new Window(std::forward<Args>(args)...);
        window->show();
        return window;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace thalmuro
