#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// The first-run confirmation: explains why the owner data matters and shows the entered
// values; "&Confirm" accepts them, "&Repeat Entry" (also Esc and closing) asks again.
class TOKDialog : public QDialog {
    Q_OBJECT

public:
    explicit TOKDialog(QWidget* parent = nullptr);

    void appendLines(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_text;
};
