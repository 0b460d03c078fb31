#include <QMenuBar>

#include "Accessibility.h"
#include "Form1.h"

namespace {

void addItem(QMenu& menu, QAction& item, const char* name, const QString& caption,
             const char* shortcut) {
    item.setObjectName(QString::fromLatin1(name));
    item.setText(caption);
    item.setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    menu.addAction(&item);
}

void addCheckItem(QMenu& menu, QAction& item, const char* name, const QString& caption,
                  const char* shortcut, bool checked) {
    addItem(menu, item, name, caption, shortcut);
    item.setCheckable(true);
    item.setChecked(checked);
}

void addMenu(QMenuBar& bar, QMenu& menu, const char* name, const QString& caption) {
    presentMenu(menu);
    menu.setObjectName(QString::fromLatin1(name));
    menu.setTitle(caption);
    bar.addMenu(&menu);
}

}  // namespace

void Form1::buildMenus() {
    QMenuBar& bar = *menuBar();
    addMenu(bar, main, "main", QStringLiteral("&Program"));
    addCheckItem(main, slogo, "slogo", QStringLiteral("&Show Logo"), "Ctrl+L", true);
    addItem(main, options, "options", QStringLiteral("&Default options"), "F3");
    addItem(main, saytime, "saytime", QStringLiteral("&Say Time"), "Ctrl+S");
    addItem(main, esc, "esc", QStringLiteral("&Exit"), "Ctrl+Q");

    addMenu(bar, language, "language", QStringLiteral("&Language"));
    addCheckItem(language, eng, "eng", QStringLiteral("&English"), "F5", true);
    addCheckItem(language, rus, "rus", QStringLiteral("&Russian"), "F6", false);

    addMenu(bar, help, "help", QStringLiteral("&Help"));
    addItem(help, pravila, "pravila", QStringLiteral("&Help"), "F1");
    addItem(help, about, "about", QStringLiteral("&About program"), "F2");
}
