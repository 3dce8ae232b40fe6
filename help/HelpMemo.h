#pragma once

class QPlainTextEdit;
class QString;
class QWidget;

// The editable text box of a help window, `HelpMemo`, filled from a UTF-8 text resource, one
// line of the box per line of the file, with a tab stop every spacesPerTab spaces. The user may
// change the text; nothing is saved.
QPlainTextEdit* createHelpMemo(const QString& resourcePath, int spacesPerTab, QWidget* parent);

// The text of a UTF-8 text resource without the final line break of its last line.
QString loadHelpText(const QString& resourcePath);
