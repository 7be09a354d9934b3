#pragma once

#include <QDialog>

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class Shell;
class THyperLink;

// The About box: the program's name, version, picture and notice, a link to the maker's web
// page and one that starts a mail to the maker. "OK", Enter and Esc close it, also while a
// link has the focus.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(Shell& shell, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramName = nullptr;
    QLabel* Version = nullptr;
    PictureBox* Image1 = nullptr;
    THyperLink* Link1 = nullptr;
    THyperLink* MailLink1 = nullptr;
    QPushButton* OKButton = nullptr;

private:
    void createPanel(Shell& shell);
    THyperLink* createLink(Shell& shell, const QString& caption, const QString& href, int top);
    void FormCreate();
};

// The address a "mailto:" target writes to: the text between "mailto:" and "?".
QString mailAddressOf(const QString& mailTarget);
