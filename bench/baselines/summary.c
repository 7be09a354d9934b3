/* The award summary as `skerrydesk-cli summary [--groups]` prints it, and the printed summary's
 * table of `print-summary` (--printed): SQLite's C API alone. */
#include <string.h>

#include "plain_reads.h"

int main(int argc, char** argv) {
    const int groupsOnly = argc > 1 && strcmp(argv[1], "--groups") == 0;
    const int printed = argc > 1 && strcmp(argv[1], "--printed") == 0;
    sqlite3* db = open_data_folder();
    struct summary_row rows[kMaxSummaryRows];
    const int count = count_summary(db, !groupsOnly, groupsOnly || printed, rows);
    close_data_folder(db);
    print_summary_table(stdout, rows, count);
    return 0;
}
