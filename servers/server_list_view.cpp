#include "servers/server_list_view.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "local/local_panel.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "servers/server_list_logic.h"
#include "session/security_modes.h"

#include <QApplication>
#include <QStyle>

namespace servers_ui {
namespace {

constexpr int kLineIndexRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
constexpr int kSecurityColumn = 3;

} // namespace

void clearEntries(TForm1& form) {
    form.serverPanel->ftp_lista->clear();
    form.serverDirectory->ListBox2.clear();
    form.serverDirectory->ListBox2Category.clear();
}

void showEntries(TForm1& form, QList<servers::ServerEntry> entries) {
    if (form.serverDirectory->serverListSorted)
        servers::sortEntries(entries);
    QStringList lines;
    QList<int> categories;
    lines.reserve(entries.size());
    categories.reserve(entries.size());
    QList<QTreeWidgetItem*> rows;
    rows.reserve(entries.size());
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon);
    const int language = languageFlag();
    const QStringList securityLines = textfile::readLines(
        platform::programFileAnyCase(QString::fromLatin1(session::kSecurityFileName)));
    for (const servers::ServerEntry& e : entries) {
        if (e.listed()) {
            auto* row = new QTreeWidgetItem(servers::rowColumns(e, language));
            const TIdSecurityMode mode =
                session::securityModeIn(securityLines, {e.user(), e.host(), e.port()});
            row->setText(kSecurityColumn, session::securityModeMark(mode));
            row->setToolTip(kSecurityColumn, lang::pick(session::securityModeName(mode), language));
            row->setIcon(0, icon);
            row->setData(0, kLineIndexRole, int(lines.size()));
            row->setData(0, kLineRole, e.line);
            rows.append(row);
        }
        lines.append(e.line);
        categories.append(e.sourceCategory);
    }
    form.serverPanel->ftp_lista->clear();
    form.serverDirectory->ListBox2 = std::move(lines);
    form.serverDirectory->ListBox2Category = std::move(categories);
    form.serverPanel->ftp_lista->addTopLevelItems(rows);
}

QList<servers::ServerEntry> shownEntries(const TForm1& form) {
    QList<servers::ServerEntry> entries;
    entries.reserve(form.serverDirectory->ListBox2.size());
    for (qsizetype i = 0; i < form.serverDirectory->ListBox2.size(); ++i)
        entries.append(servers::parseEntry(form.serverDirectory->ListBox2[i],
                                           i < form.serverDirectory->ListBox2Category.size()
                                               ? form.serverDirectory->ListBox2Category[i]
                                               : -1));
    return entries;
}

void removeEntry(TForm1& form, QTreeWidgetItem* row) {
    const int index = lineIndexOf(row);
    if (index < 0 || index >= form.serverDirectory->ListBox2.size())
        return;
    // Lines and positions first, so that the selection change the removal
    // causes already sees a consistent list.
    form.serverDirectory->ListBox2.removeAt(index);
    if (index < form.serverDirectory->ListBox2Category.size())
        form.serverDirectory->ListBox2Category.removeAt(index);
    for (int i = 0; i < form.serverPanel->ftp_lista->topLevelItemCount(); ++i) {
        QTreeWidgetItem* other = form.serverPanel->ftp_lista->topLevelItem(i);
        const int at = lineIndexOf(other);
        if (other != row && at > index)
            other->setData(0, kLineIndexRole, at - 1);
    }
    row->setData(0, kLineIndexRole, -1);
    delete row;
}

QString lineOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kLineRole).toString() : QString();
}

int lineIndexOf(const QTreeWidgetItem* item) {
    if (!item)
        return -1;
    bool ok = false;
    const int index = item->data(0, kLineIndexRole).toInt(&ok);
    return ok ? index : -1;
}

QToolButton* categoryButton(TForm1& form, int code) {
    QToolButton* buttons[] = {form.localPanel->f2,  form.localPanel->M2,  form.localPanel->s2,
                              form.localPanel->p2,  form.localPanel->mu2, form.localPanel->U2,
                              form.localPanel->Pr2, form.localPanel->In2, form.localPanel->W2};
    return code >= 0 && code <= servers::kAllServers ? buttons[code] : nullptr;
}

QAction* categoryItem(TForm1& form, int code) {
    QAction* items[] = {form.Panstwa,  form.Miasta,      form.szkoly,
                        form.Programy, form.Muzyka,      form.Ulubione,
                        form.Prywatne, form.wszystkie_s, form.pokaz_wszystkie};
    return code >= 0 && code <= servers::kAllServers ? items[code] : nullptr;
}

void markCategoryButton(TForm1& form, int code) {
    for (int c = 0; c <= servers::kAllServers; ++c) {
        QToolButton* button = categoryButton(form, c);
        if (!button)
            continue;
        button->setCheckable(true);
        button->setChecked(c == code);
    }
}

void checkCategoryItem(TForm1& form, int code) {
    for (int c = 0; c <= servers::kAllServers; ++c)
        if (QAction* item = categoryItem(form, c)) {
            item->setCheckable(true);
            item->setChecked(c == code);
        }
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

void pumpMessages() {
    QCoreApplication::processEvents();
}

} // namespace servers_ui
