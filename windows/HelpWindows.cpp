#include "windows/HelpWindows.h"

#include <QPointer>

#include "windows/Form2.h"
#include "windows/Форма1.h"

namespace {

// Shows the open window again, or loads a new one: each close unloads it.
template <typename Window>
std::function<void()> opener(Form1& main, LinkLauncher& launcher) {
    return [&main, &launcher, window = QPointer<Window>()]() mutable {
        if (!window) window = new Window(main, launcher);
        window->show();
        window->raise();
        window->activateWindow();
    };
}

}  // namespace

void connectHelpWindows(Form1& main, LinkLauncher& launcher) {
    main.showAbout = opener<Form2>(main, launcher);
    main.showRules = opener<Форма1>(main, launcher);
}
