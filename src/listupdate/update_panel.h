#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

class HttpClient;
class QComboBox;
class QHideEvent;
class QPlainTextEdit;
class QPushButton;

namespace updatepanel {
enum class Moment;
}

// The controls of the update panel `InternetPanel`, laid out to fill it: the URL box `cbURL`
// with the URL history, the memo `memoHTML` with the fetched text, and the buttons "&Go!",
// "&Stop!", "&Import" and "&Abort". It also holds the HTTP client of the downloads: a download
// still running when the panel goes out of sight is broken off.
class UpdatePanel : public QWidget {
    Q_OBJECT

public:
    explicit UpdatePanel(QWidget* parent);
    ~UpdatePanel() override;

    // Sets the buttons and the mouse pointer as the moment of the panel's use asks.
    void showMoment(updatepanel::Moment moment);

    // The URL list of `cbURL`. Replacing it keeps the text in the box.
    QStringList urls() const;
    void replaceUrls(const QStringList& urls);
    // Appends the text in the box to the list unless the list holds it in any letter case.
    void addTypedUrl();

    // The memo's text, one entry a memo line; showing a text splits it at its line ends.
    QStringList memoLines() const;
    void showText(const QString& text);

    HttpClient& http() { return *m_http; }
    void setHttpClient(std::unique_ptr<HttpClient> client);

    QComboBox* cbURL = nullptr;
    QPlainTextEdit* memoHTML = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* ImportURL = nullptr;
    QPushButton* Abort = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void showHourglass(bool shown);

    std::unique_ptr<HttpClient> m_http;
    bool m_hourglass = false;
};
