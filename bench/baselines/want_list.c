/* The want list as `skerrydesk-cli want-list [--worked]` prints it: per continent a heading, the
 * needed (and worked) references 19 to a line, an empty line. SQLite's C API alone. */
#include <stdio.h>
#include <string.h>

#include "plain_reads.h"

static const char* const kTables[7] = {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU", "IOTA-NA", "IOTA-OC", "IOTA-SA"};
static const char* const kHeadings[7] = {
    "Africa:", "Antarctica:", "Asia:", "Europe:", "Northamerica:", "Oceania:", "Southamerica:"};

int main(int argc, char** argv) {
    const int worked = argc > 1 && strcmp(argv[1], "--worked") == 0;
    sqlite3* db = open_data_folder();
    for (int t = 0; t < 7; ++t) {
        char sql[120];
        snprintf(sql, sizeof sql, "SELECT IOTA, Status FROM \"%s\" WHERE Status IN ('-', ?1) ORDER BY Key", kTables[t]);
        sqlite3_stmt* records = prepare(db, sql);
        sqlite3_bind_text(records, 1, worked ? "W" : "-", -1, SQLITE_STATIC);
        printf("%s\n", kHeadings[t]);
        int entries = 0;
        while (sqlite3_step(records) == SQLITE_ROW) {
            const char* reference = (const char*)sqlite3_column_text(records, 0);
            const char* status = (const char*)sqlite3_column_text(records, 1);
            if (++entries > 19) {
                putchar('\n');
                entries = 1;
            }
            if (strcmp(status, "W") == 0)
                printf(" (%s)", reference);
            else
                printf("  %s ", reference);
        }
        sqlite3_finalize(records);
        fputs("\n\n", stdout);
    }
    close_data_folder(db);
    return 0;
}
