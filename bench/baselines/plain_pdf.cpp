// A plain Qt Gui program beside `skerrydesk-cli print-summary --pdf FILE` and `skerrydesk-cli
// island-list AREA SELECTION --pdf FILE`: it prints the same lines, read with SQLite's C API, and
// writes their texts to FILE with plain QPdfWriter/QPainter calls.
//   plain_pdf FILE summary
//   plain_pdf FILE island-list TABLE STATUS...
#include <QGuiApplication>
#include <cstring>

#include "plain_pdf_page.h"
#include "plain_reads.h"

namespace {

void collectIslandLine(const char* const fields[6], void* lines) {
    print_island_line(fields, stdout);
    QStringList line;
    for (int i = 0; i < 6; ++i) line << QString::fromUtf8(fields[i]);
    static_cast<std::vector<QStringList>*>(lines)->push_back(line);
}

std::vector<QStringList> summaryLines(sqlite3* db) {
    summary_row rows[kMaxSummaryRows];
    const int count = count_summary(db, 1, 1, rows);
    print_summary_table(stdout, rows, count);
    std::vector<QStringList> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({QString::fromUtf8(rows[i].key), QString::number(rows[i].tot), QString::number(rows[i].c)});
    return lines;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const bool summary = argc == 3 && std::strcmp(argv[2], "summary") == 0;
    const bool islandList = argc >= 5 && argc <= 7 && std::strcmp(argv[2], "island-list") == 0;
    if (!summary && !islandList) {
        std::fputs("usage: plain_pdf FILE summary | plain_pdf FILE island-list TABLE STATUS...\n", stderr);
        return 2;
    }
    sqlite3* db = open_data_folder();
    std::vector<QStringList> lines;
    if (summary)
        lines = summaryLines(db);
    else
        read_island_list(db, argv[3], argv + 4, argc - 4, collectIslandLine, &lines);
    close_data_folder(db);
    std::fflush(stdout);
    plainPdf(QString::fromLocal8Bit(argv[1]), summary ? QStringLiteral("Summary") : QString::fromLocal8Bit(argv[3]),
             lines);
    return 0;
}
