// Every visible command of the main window either runs something or is
// disabled until it is built: each menu item, each button and each key,
// walked before and after connecting to a real server. A key is judged by
// what its handler visibly does, never by how it is wired.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/app/shown_main_window.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/user_input.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMetaMethod>
#include <QToolButton>

#include <filesystem>

namespace {

// Receivers of a signal. QObject keeps this to itself; a pointer to its
// member taken through a subclass is the lawful way to ask.
struct Receivers : QObject {
    template <typename Signal> static int of(const QObject* sender, Signal signal) {
        const QByteArray name =
            QByteArray("2") +
            QMetaMethod::fromSignal(signal).methodSignature(); // as SIGNAL() spells it
        return (sender->*(&Receivers::receivers))(name.constData());
    }
};

// Receivers of a menu item's signals other than the ones Qt connects itself:
// every menu showing the item, and its action group, listen to `triggered`.
int ownReceivers(const QAction* action) {
    int internal = action->actionGroup() ? 1 : 0;
    for (const QObject* shownIn : action->associatedObjects())
        if (qobject_cast<const QMenu*>(shownIn))
            ++internal;
    return Receivers::of(action, &QAction::triggered) - internal +
           Receivers::of(action, &QAction::toggled);
}

// Menus of the main window itself, submenus included (not those of its dialogs).
bool ownMenu(const QMenu* menu, const QWidget* form) {
    for (const QObject* up = menu->parent(); up; up = up->parent()) {
        if (up == form)
            return true;
        if (!qobject_cast<const QMenu*>(up))
            return false;
    }
    return false;
}

struct CommandWalk : ShownMainWindow {
    // Whether a control is connected to a handler of its own.
    bool runsSomething(const QObject* control) const {
        if (const auto* action = qobject_cast<const QAction*>(control))
            return action->menu() || ownReceivers(action) > 0 ||
                   (action->actionGroup() &&
                    Receivers::of(action->actionGroup(), &QActionGroup::triggered) > 0);
        if (const auto* tool = qobject_cast<const QToolButton*>(control);
            tool && (tool->menu() || tool->defaultAction()))
            return true;
        // A tool button listens to its own presses; clicks and toggles are ours.
        const auto* button = static_cast<const QAbstractButton*>(control);
        return Receivers::of(button, &QAbstractButton::clicked) > 0 ||
               Receivers::of(button, &QAbstractButton::toggled) > 0;
    }

    // The menu items and buttons a user can see in the main window.
    QList<QObject*> visibleControls() const {
        QList<QObject*> controls;
        for (QMenu* menu : form->findChildren<QMenu*>())
            if (ownMenu(menu, form.get()))
                for (QAction* action : menu->actions())
                    if (!action->isSeparator() && action->isVisible())
                        controls.append(action);
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
            if (button->window() == form.get() && button->isVisibleTo(form.get()) &&
                !button->objectName().startsWith(QLatin1String("qt_")))
                controls.append(button);
        return controls;
    }

    void expectNoEnabledControlRunsNothing(const char* state) {
        int walked = 0;
        for (QObject* control : visibleControls()) {
            const bool enabled = qobject_cast<QAction*>(control)
                                     ? static_cast<QAction*>(control)->isEnabled()
                                     : static_cast<QWidget*>(control)->isEnabled();
            ++walked;
            if (enabled) {
                EXPECT_TRUE(runsSomething(control))
                    << state << ": " << control->objectName().toStdString()
                    << " is enabled and runs nothing";
            }
        }
        EXPECT_GT(walked, 100) << state;
    }

    // Everything a handler can be seen to do: ask the platform (a message, a
    // question, a dialog, a file opened), write to the log, connect or
    // disconnect, move to another folder, change a list, its current row, a
    // count or a status.
    QStringList observable() const {
        QStringList seen{QString::number(services.calls.size()),
                         QString::number(form->logPanel->memo1->count()),
                         QString::number(form->connected()),
                         form->topPanel->CurrentDirEdit->text(),
                         form->localPanel->katalog->directory(),
                         QString::number(form->serverPanel->l3->rowCount()),
                         QString::number(form->localPanel->pliki->count()),
                         QString::number(form->serverPanel->ftp_lista->topLevelItemCount()),
                         QString::number(form->serverPanel->l3->currentIndex().row()),
                         QString::number(form->localPanel->pliki->currentRow()),
                         form->StatusBar1->panelText(0)};
        for (const TPanelStatusBar* bar :
             {form->serverPanel->status_ftp, form->localPanel->status_lokal,
              form->localPanel->Status_kat})
            for (int i = 0; i < bar->panelCount(); ++i)
                seen.append(bar->panelText(i));
        seen.append(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot));
        return seen;
    }

    // Presses a key through the window's own event path; returns whether it
    // was taken (it never reached the focused list) and whether its handler
    // did anything a user could notice, a window shown included.
    struct KeyOutcome {
        bool taken = false;
        bool ran = false;
    };
    KeyOutcome press(QWidget* focus, Qt::Key key) {
        // On the focused list itself: the window takes its keys before any
        // filter of the list sees them.
        struct Reached : QObject {
            bool reached = false;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::KeyPress)
                    reached = true;
                return false;
            }
        } probe;
        struct WindowShown : QObject {
            bool shown = false;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Show && watched->isWidgetType() &&
                    static_cast<QWidget*>(watched)->isWindow())
                    shown = true;
                return false;
            }
        } windows;
        const QStringList before = observable();
        focus->setFocus();
        focus->installEventFilter(&probe);
        qApp->installEventFilter(&windows);
        QTest::keyClick(focus, key);
        qApp->removeEventFilter(&windows);
        focus->removeEventFilter(&probe);
        KeyOutcome outcome;
        outcome.taken = !probe.reached;
        outcome.ran = windows.shown || observable() != before;
        return outcome;
    }

    void expectEveryTakenKeyRuns(QWidget* focus, const char* state) {
        for (Qt::Key key :
             {Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3,
              Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9}) {
            const KeyOutcome outcome = press(focus, key);
            if (outcome.taken) {
                EXPECT_TRUE(outcome.ran)
                    << state << ": key " << QKeySequence(key).toString().toStdString()
                    << " is taken and runs nothing";
            }
            QApplication::setActiveWindow(form.get());
        }
    }
};

TEST_F(CommandWalk, EveryEnabledMenuItemButtonAndKeyRunsSomething) {
    ftptest::TempDir root;
    ftptest::writeFile(root.file("remote.txt"), "remote");
    std::filesystem::create_directory(root.file("inside"));
    ftptest::writeFile(root.file("inside/deeper.txt"), "deeper");
    ftptest::PyFtpServer server(root.path());
    home.writeBytes(QStringLiteral("local.txt"), "local");
    open(1, server.port());

    expectNoEnabledControlRunsNothing("not connected");
    // The local list clicked last: Del means the local files.
    form->localPanel->pliki->refresh();
    clickRow(form->localPanel->pliki, form->localPanel->pliki->model()->index(0, 0));
    expectEveryTakenKeyRuns(form->localPanel->pliki, "not connected");

    // Connected through the server list, as a user does.
    selectServer();
    QTest::keyClick(form->serverPanel->ftp_lista, Qt::Key_F5);
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    expectNoEnabledControlRunsNothing("connected");
    // The folder row clicked last: Enter opens it, Escape leads back up.
    const QModelIndex folder = userinput::indexOf(form->serverPanel->l3, QStringLiteral("inside"));
    ASSERT_TRUE(folder.isValid());
    clickRow(form->serverPanel->l3, folder);
    expectEveryTakenKeyRuns(form->serverPanel->l3, "connected");
    EXPECT_TRUE(form->connected());
    // A download batch enables its controls wholesale at its end.
    const QModelIndex file =
        userinput::indexOf(form->serverPanel->l3, QStringLiteral("remote.txt"));
    ASSERT_TRUE(file.isValid());
    clickRow(form->serverPanel->l3, file);
    QTest::keyClick(form->serverPanel->l3, Qt::Key_F7);
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("remote.txt"))));
    expectNoEnabledControlRunsNothing("after a download");
}

} // namespace
