#pragma once

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QUrl>

#include "Form1Fixture.h"
#include "platform/LinkLauncher.h"
#include "windows/Form2.h"
#include "windows/HelpWindows.h"
#include "windows/LinkLabel.h"
#include "windows/Форма1.h"

// Takes the addresses the desktop is asked to open, in place of a browser or
// mail program, through Qt's own URL-handler mechanism.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    UrlCatcher() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QStringList opened;

  public slots:
    void open(const QUrl& url) { opened.append(url.toString(QUrl::FullyEncoded)); }
};

// The main window with its About and Rules items wired to the real windows.
class HelpWindowsTest : public Form1Test {
  protected:
    HelpWindowsTest() { connectHelpWindows(form, launcher); }
    ~HelpWindowsTest() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (dynamic_cast<HelpWindow*>(window) || qobject_cast<QMessageBox*>(window))
                delete window;
    }

    template <typename Window>
    Window* find() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = dynamic_cast<Window*>(window); found && found->isVisible())
                return found;
        return nullptr;
    }
    Form2* openAbout() {
        form.about.trigger();
        return find<Form2>();
    }
    Форма1* openRules() {
        form.pravila.trigger();
        return find<Форма1>();
    }
    // Closing unloads the window once control is back in the event loop.
    static bool unloaded(QPointer<QWidget> window) {
        return QTest::qWaitFor([&] { return window.isNull(); }, 2000);
    }

    static QPoint centreOf(const QWidget& control) { return control.geometry().center(); }
    // Pointer and keys go through the window system's delivery, which finds the
    // control under the pointer and the control with the focus.
    static void click(QWidget& window, QPoint at) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
    }
    static void moveOver(QWidget& window, QPoint at) {
        QTest::mouseMove(window.windowHandle(), at);
    }
    static void press(QWidget& window, Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

    // The messages shown to the user since the last call; their boxes are closed.
    static QStringList messagesShown() {
        QStringList texts;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                texts.append(box->text());
                box->close();
            }
        return texts;
    }

    // Processes this test program has started and not yet reaped.
    static int childProcesses() {
        int count = 0;
        for (const QString& task :
             QDir(u"/proc/self/task"_qs).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(u"/proc/self/task/%1/children"_qs.arg(task));
            if (children.open(QIODevice::ReadOnly))
                count += children.readAll().split(' ').count() - 1;
        }
        return count;
    }

    UrlCatcher urls;
    DesktopLinkLauncher launcher;
};

const QColor kWhite = bgr(0xFFFFFF);
const QColor kRed = bgr(0x0000FF);
const QColor kGreen = bgr(0x00FF00);
const QColor kYellow = bgr(0x00FFFF);
