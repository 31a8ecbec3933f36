#pragma once
// TForm20: the small borderless window shown while the start-up replay
// reconnects and fetches the interrupted file; its button breaks the connection.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class TForm1;

class TForm20 : public QWidget {
    Q_OBJECT
public:
    explicit TForm20(TForm1* form);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr; // server name
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;  // file name
    QLabel* Label10 = nullptr; // status line
    QPushButton* zatrzymaj = nullptr;

    void FormActivate();
    void zatrzymajClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1* form_;
};
