#pragma once

class CommandWindow;
class QslCardPanel;

// The QSL card of the island record double-clicked in the list, shown in the panel that covers
// the window while the menus wait.
class QslCardCommands {
public:
    // Watches the panel: a picture that cannot be loaded is reported while the panel stays open;
    // closing the panel gives the menus back.
    QslCardCommands(CommandWindow& window, QslCardPanel& panel);

    // `DBGrid1DblClick`: the card of the current record of an island view; nothing elsewhere.
    void showCard();

private:
    CommandWindow& m_window;
    QslCardPanel& m_panel;
};
