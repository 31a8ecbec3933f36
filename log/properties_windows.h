#pragma once
// The file properties windows: TForm11 for the current row of the remote
// list, TForm12 for the current local file. Both are borderless, stay on top,
// move when dragged anywhere and take Escape as OK.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cstdint>

class TForm1;

class TPropertiesWindow : public QDialog {
    Q_OBJECT
public:
    explicit TPropertiesWindow(TForm1* form);

    QLabel* panel2 = nullptr;
    QPushButton* Button1 = nullptr;

    virtual void Button1Click() = 0;

protected:
    // Escape acts as OK.
    void reject() override { Button1Click(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    virtual void FormActivate() = 0;
    // The main window's visible connection fields from their saved copies.
    void restoreConnectionFields();
    QLabel* caption(const char* name);
    QLabel* value(const char* name);

    TForm1* form_;

private:
    QPoint dragOffset_;
};

// What the remote window shows, gathered by the main window before it opens.
struct RemoteFileFacts {
    QString name;
    QString server;
    QString folder;
    int64_t size = -1; // -1 when the server did not tell
    QByteArray rawLine;
};

class TForm11 : public TPropertiesWindow {
    Q_OBJECT
public:
    explicit TForm11(TForm1* form);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLabel *w_serwer, *w_nazwa, *w_katalog, *w_rozmiar, *w_typ;
    QGroupBox *Atrybuty, *wlasciciel, *grupa, *inni;
    QCheckBox *w_r, *w_w, *W_e, *g_r, *g_w, *g_e, *o_r, *o_w, *o_e;

    // The file whose properties the next opening shows.
    void setFacts(const RemoteFileFacts& facts);
    void Atrybuty_plikow(const QByteArray& rawLine);
    void Button1Click() override;

protected:
    void FormActivate() override;

private:
    RemoteFileFacts facts_;
};

class TForm12 : public TPropertiesWindow {
    Q_OBJECT
public:
    explicit TForm12(TForm1* form);

    QLabel *Label2, *Label3, *Label4, *Label5, *lbl_modyfikowany;
    QLabel *w_nazwa, *w_katalog, *w_rozmiar, *w_typ, *modyfikowany;

    // The file whose properties the next opening shows.
    void setFile(const QString& folder, const QString& name);
    void Button1Click() override;

protected:
    void FormActivate() override;

private:
    QString folder_;
    QString name_;
};
