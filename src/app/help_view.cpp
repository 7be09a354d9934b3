#include "app/help_view.h"

#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

#include "window/dialogs.h"

HelpView::HelpView(QWidget* owner) : QTextBrowser(owner) {
    setObjectName(QStringLiteral("HelpView"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    resize(560, 600);
    // Esc closes the help, as it closes the program's dialogs.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void HelpView::showTopic(QWidget* owner, Dialogs& dialogs, const QString& fileName, const QString& topic) {
    const QFileInfo file(fileName);
    if (!file.isFile()) {
        dialogs.message(QStringLiteral("Help"),
                        QStringLiteral("Cannot find the help file %1.").arg(QDir::toNativeSeparators(fileName)),
                        QMessageBox::Warning);
        return;
    }
    HelpView* view = owner->findChild<HelpView*>(QString(), Qt::FindDirectChildrenOnly);
    if (!view) view = new HelpView(owner);
    QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    source.setFragment(topic);
    view->setSource(source, QTextDocument::HtmlResource);
    view->setWindowTitle(view->documentTitle());
    view->show();
    view->raise();
    view->activateWindow();
}
