#pragma once

#include <QDialog>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The import-mode dialog "Enter Import Mode (UPF)": the import rules in a read-only memo above
// the buttons "&Worked", "&Claim!" and "&Abort". The memo has the focus when the dialog opens
// and takes Enter and Esc itself; with the focus on a button, Esc presses "&Claim!". Abort and
// closing the dialog give Cancel.
class TUPF_mode : public QDialog {
    Q_OBJECT

public:
    explicit TUPF_mode(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool focusOnButton() const;

    QPushButton* m_cancelButton = nullptr;
};
