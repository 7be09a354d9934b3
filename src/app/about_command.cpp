// The "&Info" button's About box.
#include "app/about_box_dialog.h"
#include "app/main_window.h"
#include "window/dialogs.h"

// The box belongs to the application, not to the main window, and lives for this one showing.
void TForm1::InfoButtonClick() {
    TAboutBox AboutBox(m_shell);
    m_dialogs.exec(AboutBox);
}
