#include "session/replay_window.h"

#include "app/main_window.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/replay_texts.h"
#include "session/session_state.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QScreen>

namespace {

QLabel* label(QWidget* parent, const char* name, const Msg& text) {
    auto* l = new QLabel(QString::fromUtf8(text.pl), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

TForm20::TForm20(TForm1* form) : QWidget(form, Qt::Window | Qt::FramelessWindowHint), form_(form) {
    setObjectName(QStringLiteral("TForm20"));
    setFixedSize(597, 109);
    setStyleSheet(QStringLiteral("TForm20 { border: 1px solid #404040; }"));
    Label1 = label(this, "Label1", replaytext::kHeading);
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setStyleSheet(QStringLiteral("color: #C00000;"));
    Label2 = label(this, "Label2", replaytext::kBroken);
    Label3 = label(this, "Label3", replaytext::kAutomatic);
    Label5 = label(this, "Label5", replaytext::kTrying);
    Label4 = label(this, "Label4", {"Ftp", "Ftp"});
    Label8 = label(this, "Label8", replaytext::kNotFinished);
    Label9 = label(this, "Label9", {"Ftp", "Ftp"});
    Label10 = label(this, "Label10", replaytext::kStatus);
    zatrzymaj = new QPushButton(QString::fromUtf8(replaytext::kStop.pl), this);
    zatrzymaj->setObjectName(QStringLiteral("zatrzymaj"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(0);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1, 1, 2);
    grid->addWidget(Label3, 1, 0, 1, 3);
    grid->addWidget(Label5, 2, 0, 1, 2);
    grid->addWidget(Label4, 2, 2);
    grid->addWidget(Label8, 3, 0, 1, 2);
    grid->addWidget(Label9, 3, 2);
    grid->addWidget(Label10, 4, 0, 1, 2);
    grid->addWidget(zatrzymaj, 4, 2, Qt::AlignRight);
    grid->setColumnStretch(2, 1);

    connect(zatrzymaj, &QPushButton::clicked, this, &TForm20::zatrzymajClick);
}

void TForm20::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = form_->screen())
        move(screen->geometry().center() - rect().center());
    FormActivate();
}

void TForm20::FormActivate() {
    if (languageFlag() != 0)
        return;
    const std::pair<QLabel*, const Msg*> captions[] = {
        {Label1, &replaytext::kHeading},     {Label2, &replaytext::kBroken},
        {Label3, &replaytext::kAutomatic},   {Label5, &replaytext::kTrying},
        {Label8, &replaytext::kNotFinished}, {Label10, &replaytext::kStatus},
    };
    for (const auto& [widget, text] : captions)
        widget->setText(QString::fromUtf8(text->en));
    zatrzymaj->setText(QString::fromUtf8(replaytext::kStop.en));
}

void TForm20::zatrzymajClick() {
    try {
        if (form_->connected()) {
            // The connect or download waiting on the engine unwinds as the user's wish.
            if (form_->session->sessionCallDepth > 0)
                form_->session->userClosedSession = true;
            if (form_->FTP->DataChannel())
                form_->FTP->AbortTransfer();
            form_->FTP->CloseConnection();
        }
        QCoreApplication::processEvents();
    } catch (const std::exception&) {
        platform::services().messageBox(lang::pick(replaytext::kStopped, languageFlag()),
                                        QString::fromLatin1(replaytext::kCaption),
                                        platform::DlgButtons::Ok, platform::BoxKind::Plain);
    }
}
