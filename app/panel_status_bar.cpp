#include "app/panel_status_bar.h"

TPanelStatusBar::TPanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
}

void TPanelStatusBar::addPanel(const QString& text, int width) {
    auto* label = new QLabel(text, this);
    // The design width is what the panel asks for; it may shrink with its window.
    label->setMinimumWidth(qMin(width, 24));
    label->resize(width, label->height());
    label->setFrameShape(QFrame::StyledPanel);
    panels_.append(label);
    addWidget(label);
}

void TPanelStatusBar::setPanelText(int index, const QString& text) {
    if (index >= 0 && index < panels_.size())
        panels_[index]->setText(text);
}

QString TPanelStatusBar::panelText(int index) const {
    return index >= 0 && index < panels_.size() ? panels_[index]->text() : QString();
}

TMainStatusBar::TMainStatusBar(QWidget* parent) : TPanelStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    addPanel(QStringLiteral("Status..."), 150);
    addPanel(QStringLiteral("Data:"), 110);
    addPanel(QStringLiteral("Kategoria:"), 230);
    addPanel(QStringLiteral("Wybrany serwer z Kategorii: BRAK"), 250);
    addPanel(QStringLiteral("N-BUF"), 50);
}
