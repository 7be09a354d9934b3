#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "logimport/upf_decision.h"

// The import-mode dialog `TUPF_mode` as data: the window builds it from these rows and reads
// the mode back from the modal result.
namespace upfmode {

inline constexpr const char* kCaption = "Enter Import Mode (UPF)";
inline constexpr int kLeft = 1;
inline constexpr int kTop = -1;
inline constexpr int kWidth = 465;
inline constexpr int kHeight = 382;

// Modal results as the dialog gives them; closing it by its title bar also gives Cancel.
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

// Enter presses the default button; Esc, with the focus on a button, the cancel button.
enum class ButtonRole { Default, Cancel, Plain };

struct Button {
    const char* name;
    const char* caption;
    int modalResult;
    ButtonRole role;
    std::optional<ImportMode> mode;  // nothing: the import is abandoned
};

// The buttons in tab order after the memo: Worked, Claim! (which Esc presses) and Abort.
const std::array<Button, 3>& buttons();

// The 29 lines of the read-only memo above the buttons, empty lines included.
const QStringList& memoLines();

// The mode chosen by a modal result; nothing for Abort or a closed dialog.
std::optional<ImportMode> modeForResult(int modalResult);

}  // namespace upfmode
