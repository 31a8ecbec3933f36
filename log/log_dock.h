#pragma once
// The bottom panel as a docking host for the log pane: the pane can be
// dragged out into a floating tool window and docked back, and stays the
// same widget with the same lines all the while.

class QBoxLayout;
class QDockWidget;
class QWidget;
class TLogPane;

// Puts `pane` into a dock at the top of `panel`'s `column` and returns the
// dock. Hiding or showing the pane hides or shows its dock, wherever it is.
QDockWidget* dockLogPane(QWidget* panel, QBoxLayout* column, TLogPane* pane);
