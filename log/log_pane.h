#pragma once
// The log pane `memo1` at the bottom of the main window: an owner-drawn list
// of protocol and status lines, coloured by kind.

#include <QListView>
#include <QString>
#include <QStringList>

class LogLinesModel;

class TLogPane : public QListView {
    Q_OBJECT
public:
    explicit TLogPane(QWidget* parent = nullptr);

    // Adds one line as it is (status lines, explanatory lines). The pane is
    // emptied first when it already holds the capacity.
    void addLine(const QString& line);

    // The protocol-log hook's callback: masks a sent password when
    // `hidePassword`, adds the line, scrolls to it and keeps the original
    // text as the last log item.
    void logItem(const QString& line, bool hidePassword);

    void clear();
    int count() const;
    QString line(int row) const;
    QStringList lines() const;
    // All lines joined by line breaks, as the log window shows them.
    QString plainText() const;

    // The text of the most recent protocol-log item, kept across clears.
    const QString& lastLogItem() const { return lastItem; }

private:
    void appendShown(const QString& text);

    LogLinesModel* lines_;
    QString lastItem;
};
