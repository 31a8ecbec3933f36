#include "transfers/queue_editor.h"

#include "app/main_window.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "transfers/queue_logic.h"
#include "transfers/queue_texts.h"
#include "transfers/transfer_state.h"

#include <QBoxLayout>
#include <QContextMenuEvent>

namespace {

QToolButton* flatButton(QWidget* parent, const char* name, const char* text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(text));
    button->setAutoRaise(true);
    return button;
}

QListWidget* list(QWidget* parent, const char* name) {
    auto* box = new QListWidget(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    // One line of one font per entry: without this every addition lays out
    // the whole list again, and queuing a large folder grows quadratically.
    box->setUniformItemSizes(true);
    return box;
}

// A list with its one-panel status bar under it.
QWidget* withStatus(QWidget* parent, QListWidget* box, TPanelStatusBar* status) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(box, 1);
    column->addWidget(status);
    return holder;
}

} // namespace

TForm21::TForm21(TForm1* form) : QWidget(form->logPanel), form_(form) {
    setObjectName(QStringLiteral("TForm21"));
    setWindowTitle(QString::fromUtf8(queuetext::kCaption.pl));
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("Panel1"));
    usun_jeden = flatButton(top, "usun_jeden", "Usuń zaznaczony");
    usun_jeden->setEnabled(false);
    usun_wszystkie = flatButton(top, "usun_wszystkie", "Usuń wszystkie");
    zamknij = flatButton(top, "zamknij", "Zamknij");
    auto* buttons = new QHBoxLayout(top);
    buttons->setContentsMargins(2, 0, 2, 0);
    buttons->addWidget(usun_jeden);
    buttons->addWidget(usun_wszystkie);
    buttons->addStretch(1);
    buttons->addWidget(zamknij);

    ListBox1 = list(this, "ListBox1");
    ListBox2 = list(this, "ListBox2");
    StatusBar1 = new TPanelStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addPanel(QString::fromUtf8("Zabuforowano plików:"), 200);
    StatusBar2 = new TPanelStatusBar(this);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->addPanel(QString::fromUtf8("Rozmiar całkowity:"), 200);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(withStatus(Splitter1, ListBox1, StatusBar1));
    Splitter1->addWidget(withStatus(Splitter1, ListBox2, StatusBar2));
    Splitter1->setStretchFactor(0, 3);
    Splitter1->setStretchFactor(1, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(top);
    column->addWidget(Splitter1, 1);

    menu_bufor = new QMenu(this);
    menu_bufor->setObjectName(QStringLiteral("menu_bufor"));
    menu_usun_jeden = menu_bufor->addAction(QString::fromUtf8("Usuń zaznaczony plik"));
    menu_usun_jeden->setObjectName(QStringLiteral("menu_usun_jeden"));
    menu_usun_jeden->setEnabled(false);
    menu_usun_wszystkie = menu_bufor->addAction(QString::fromUtf8("Usuń wszystkie pliki"));
    menu_usun_wszystkie->setObjectName(QStringLiteral("menu_usun_wszystkie"));
    menu_bufor->addSeparator();
    Zamknij1 = menu_bufor->addAction(QStringLiteral("Zamknij"));
    Zamknij1->setObjectName(QStringLiteral("Zamknij1"));

    connect(usun_jeden, &QToolButton::clicked, this, &TForm21::usun_jedenClick);
    connect(menu_usun_jeden, &QAction::triggered, this, &TForm21::usun_jedenClick);
    connect(usun_wszystkie, &QToolButton::clicked, this, &TForm21::usun_wszystkieClick);
    connect(menu_usun_wszystkie, &QAction::triggered, this, &TForm21::usun_wszystkieClick);
    connect(zamknij, &QToolButton::clicked, this, &TForm21::zamknijClick);
    connect(Zamknij1, &QAction::triggered, this, &TForm21::zamknijClick);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm21::ListBox1Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &TForm21::ListBox2Click);
    for (QListWidget* box : {ListBox1, ListBox2})
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
            menu_bufor->popup(box->viewport()->mapToGlobal(at));
        });

    // Docked in the bottom panel, in the place of the log.
    if (auto* dock = qobject_cast<QBoxLayout*>(form->logPanel->layout()))
        dock->insertWidget(dock->indexOf(form->logPanel->memo1) + 1, this, 1);
    hide();
}

void TForm21::openEditor() {
    if (!isVisible()) {
        logWasVisible_ = form_->logPanel->memo1->isVisible();
        panelHeight_ = form_->logPanel->height();
        form_->logPanel->memo1->hide();
        show();
        FormShow();
    }
    FormActivate();
}

void TForm21::FormShow() {
    // The bottom panel grows so that both lists have room; it returns to its
    // height when the editor closes.
    form_->logPanel->setFixedHeight(qMax(panelHeight_, 150));
}

void TForm21::FormActivate() {
    const int flag = languageFlag();
    ListBox1->clear();
    ListBox2->clear();
    for (qsizetype i = 0;
         i < form_->transfers->lista_bufor.size() && i < form_->transfers->lista_bufor2.size(); ++i)
        ListBox1->addItem(form_->transfers->lista_bufor[i] + form_->transfers->lista_bufor2[i]);
    ListBox2->addItems(form_->transfers->lista_bufor3);
    setWindowTitle(lang::pick(queuetext::kCaption, flag));
    usun_jeden->setText(lang::pick(queuetext::kRemoveSelected, flag));
    usun_wszystkie->setText(lang::pick(queuetext::kRemoveAll, flag));
    menu_usun_jeden->setText(lang::pick(queuetext::kMenuRemoveSelected, flag));
    menu_usun_wszystkie->setText(lang::pick(queuetext::kMenuRemoveAll, flag));
    zamknij->setText(lang::pick(queuetext::kClose, flag));
    Zamknij1->setText(lang::pick(queuetext::kMenuClose, flag));
    updateRemoveOne();
    showCounts(flag);
}

void TForm21::showCounts(int language) {
    StatusBar1->setPanelText(0, lang::pick(queuetext::kCount, language) +
                                    QString::number(ListBox1->count()));
    StatusBar2->setPanelText(0, lang::pick(queuetext::kTotal, language) +
                                    queue::totalText(queueTotal));
}

void TForm21::appendEntry(const QString& line, const QString& sizeText, int64_t kilobytes) {
    queueTotal += kilobytes;
    ListBox1->addItem(line);
    ListBox2->addItem(sizeText);
    // Painted at the next turn of the event loop, which "add all" gives after
    // every file: a forced repaint here costs more than the file's SIZE.
    showCounts(1);
}

void TForm21::clearEntries() {
    queueTotal = 0;
    ListBox1->clear();
    ListBox2->clear();
    updateRemoveOne();
}

void TForm21::selectRow(int row) {
    // The two lists are one table: a line chosen in either is chosen in both.
    for (QListWidget* box : {ListBox1, ListBox2}) {
        const QSignalBlocker quiet(box);
        if (row >= 0 && row < box->count())
            box->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        else
            box->clearSelection();
    }
    updateRemoveOne();
}

void TForm21::ListBox1Click() {
    const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
    selectRow(chosen.isEmpty() ? -1 : ListBox1->row(chosen.first()));
}

void TForm21::ListBox2Click() {
    const QList<QListWidgetItem*> chosen = ListBox2->selectedItems();
    selectRow(chosen.isEmpty() ? -1 : ListBox2->row(chosen.first()));
}

void TForm21::updateRemoveOne() {
    const bool chosen = !ListBox1->selectedItems().isEmpty();
    usun_jeden->setEnabled(chosen && !locked_);
    menu_usun_jeden->setEnabled(chosen && !locked_);
}

void TForm21::usun_jedenClick() {
    const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
    if (locked_ || chosen.isEmpty())
        return;
    const int row = ListBox1->row(chosen.first());
    const QString sizeText = row < ListBox2->count() ? ListBox2->item(row)->text() : QString();
    for (QStringList* queued : {&form_->transfers->lista_bufor, &form_->transfers->lista_bufor2,
                                &form_->transfers->lista_bufor3})
        if (row < queued->size())
            queued->removeAt(row);
    delete ListBox1->takeItem(row);
    if (row < ListBox2->count())
        delete ListBox2->takeItem(row);
    selectRow(-1);
    const int flag = languageFlag();
    StatusBar1->setPanelText(0, lang::pick(queuetext::kCount, flag) +
                                    QString::number(ListBox1->count()));
    Oblicz_rozmiar(sizeText);
}

void TForm21::Oblicz_rozmiar(const QString& sizeText) {
    queueTotal -= queue::kilobytesOf(sizeText);
    StatusBar2->setPanelText(0, lang::pick(queuetext::kTotal, languageFlag()) +
                                    queue::totalText(queueTotal));
}

void TForm21::usun_wszystkieClick() {
    if (locked_)
        return;
    form_->usun_buforClick();
    showCounts(languageFlag());
}

void TForm21::setRemoveCommandsEnabled(bool enabled) {
    locked_ = !enabled;
    usun_wszystkie->setEnabled(enabled);
    menu_usun_wszystkie->setEnabled(enabled);
    updateRemoveOne();
}

void TForm21::zamknijClick() {
    closeEditor();
}

void TForm21::closeEditor() {
    if (!isVisible())
        return;
    hide();
    form_->logPanel->setFixedHeight(panelHeight_);
    form_->logPanel->memo1->setVisible(logWasVisible_);
}
