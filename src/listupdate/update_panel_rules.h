#pragma once

#include <QStringList>
#include <optional>

// The update panel `InternetPanel` as data: the texts its controls start with and the button
// states that each moment of its use sets. The window only applies them to its widgets.
namespace updatepanel {

// The initial text of the URL combo box `cbURL`.
inline constexpr const char* kUrlPrompt = "Select URL to update from and press Go!";

// The seven lines that the memo `memoHTML` shows until the first download.
const QStringList& initialMemoLines();

enum class Moment { Opened, DownloadRunning, DownloadEnded, StopPressed, ImportRunning };

// Whether each button is enabled at a moment; nothing leaves it as it was.
struct ButtonStates {
    std::optional<bool> go;
    std::optional<bool> stop;
    std::optional<bool> importUrl;
    std::optional<bool> abort;
    bool hourglass;  // the mouse pointer; otherwise the normal one
};

// The states that the handlers set at a moment: opening the panel, a download running, a
// download ended with or without success, Stop pressed, an import running.
const ButtonStates& buttonStates(Moment moment);

}  // namespace updatepanel
