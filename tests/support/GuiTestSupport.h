#pragma once
// Driving modal dialogs the way a person meets them: the action is queued
// before the dialog opens and runs once a modal widget is active.
#include <QString>
#include <QWidget>

#include <functional>

// Runs action on the next modal widget that becomes active (within timeoutMs),
// other than the one active now.
void whenModal(std::function<void(QWidget *)> action, int timeoutMs = 5000);
// Clicks the push button whose text is caption (or object name) in widget.
bool clickButton(QWidget *widget, const QString &captionOrName);
// Accepts an open dialog by typing path into its file-name field.
void chooseFileInDialog(QWidget *dialog, const QString &path);
// Cancels a dialog.
void cancelDialog(QWidget *dialog);
// The text shown by a message dialog or message box (header and text joined).
QString dialogText(QWidget *dialog);
