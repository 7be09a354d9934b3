#pragma once

#include <QString>

// Opens a web or "mailto:" address with the desktop's default handler. The answer is not
// examined: a target that cannot be opened gives no message. Tests record the targets instead.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& target) = 0;
};

// The desktop's handlers.
class DesktopShell : public Shell {
public:
    void open(const QString& target) override;
};
