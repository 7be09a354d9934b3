#pragma once

#include <QFrame>
#include <memory>

// The splash window shown around slow work: the program's picture, its name and "Loading...".
class TSplashForm : public QFrame {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget* parent = nullptr);
};

// One use of the splash window: a new window is shown and painted at once when the scope
// starts, before the slow work, and hidden and destroyed when the scope ends, also when the
// work fails.
class SplashScope {
public:
    SplashScope();
    ~SplashScope();
    SplashScope(const SplashScope&) = delete;
    SplashScope& operator=(const SplashScope&) = delete;

private:
    std::unique_ptr<TSplashForm> m_form;
};
