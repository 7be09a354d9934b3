#include "logimport/upf_mode_choices.h"

namespace upfmode {

const std::array<Button, 3>& buttons() {
    static const std::array<Button, 3> all{{
        {"Button1", "&Worked", kResultNo, ButtonRole::Default, ImportMode::Worked},
        {"Button2", "&Claim!", kResultYes, ButtonRole::Cancel, ImportMode::Claim},
        {"Button3", "&Abort", kResultCancel, ButtonRole::Plain, std::nullopt},
    }};
    return all;
}

const QStringList& memoLines() {
    static const QStringList lines{
        "Procedure to import islands, either worked or confirmed, ",
        "from *.upf file.",
        "",
        "Import rules:",
        "",
        "Multiple reference entries -> only first appearance will be imported!",
        "",
        "Selected input mode (\"Worked\", no qsl card received yet)",
        "",
        "        *.upf file                   database           action    ",
        "        NONE                      n/a                   - skip -",
        "        DELETED                n/a                   - skip -",
        "        IOTA-ref + Call         \"-\"                     overwrite with \"W\" + Call",
        "        IOTA-ref + Call         \"W\"orked          - skip -",
        "        IOTA-ref + Call         \"C\"laimed          - skip -",
        "        IOTA-ref + Call         \"A\"pproved       - skip -",
        "",
        "Selected input mode (\"Claim!\", qsl card received,",
        "                                    to be approved by checkpoint)",
        "",
        "        *.upf file                 database         action    ",
        "        NONE                    n/a                - skip -",
        "        DELETED              n/a                - skip -",
        "        IOTA-ref + Call       \"-\"                  overwrite with \"C\" + Call",
        "        IOTA-ref + Call       \"W\"orked        overwrite with \"C\" + Call",
        "        IOTA-ref + Call       \"C\"laimed      - skip -",
        "        IOTA-ref + Call       \"A\"pproved    - skip -",
        "",
        "",
    };
    return lines;
}

std::optional<ImportMode> modeForResult(int modalResult) {
    for (const Button& button : buttons())
        if (button.modalResult == modalResult) return button.mode;
    return std::nullopt;
}

}  // namespace upfmode
