#include <chrono>

#include "base/failure.h"
#include "cli/drawing.h"
#include "cli/update_lines.h"
#include "listupdate/http_client.h"
#include "listupdate/listed_islands.h"

namespace {

// Nobody can press Stop on the command line: a download not done by then is broken off.
constexpr int kDefaultTimeoutSeconds = 120;

// What a fetched answer without island lines is, for the message that refuses it.
QString whatTheAnswerIs(const QString& text) {
    if (text.trimmed().isEmpty()) return QStringLiteral("it is empty");
    // Decoded as UTF-8 or Windows-1252, a text in UTF-16 or UTF-32 is full of NUL characters.
    if (text.contains(QChar(u'\0')))
        return QStringLiteral("it is not a text in UTF-8 or Windows-1252 (UTF-16, perhaps) or no text at all");
    if (text.contains(QLatin1String("<html"), Qt::CaseInsensitive)) return QStringLiteral("it is an HTML page");
    return QStringLiteral("none of its lines is an island line");
}

// The lines of a fetched update text; an answer that lists no island is refused, as `init --list`
// refuses such a text, so that a wrong address cannot pass for an update.
TextLines updateLines(const QString& address, const QString& text) {
    TextLines lines = TextLines::ofText(text);
    if (listedIslands(lines).empty())
        throw Failure(QStringLiteral("The answer from %1 is no island list update text: %2; nothing was changed")
                          .arg(address, whatTheAnswerIs(text)));
    return lines;
}

}  // namespace

// Fetches before taking the data folder, so that a slow server never keeps the window out.
void drawing::updateFromUrl(const Arguments& arguments, QTextStream& out) {
    const BatchWrite batch(arguments, "update-url");
    QtHttpClient client(std::chrono::seconds(arguments.wholeNumber("--timeout").value_or(kDefaultTimeoutSeconds)));
    applyUpdateLines(batch, updateLines(arguments[0], client.get(arguments[0])), out);
}
