/* An island list as `skerrydesk-cli island-list AREA SELECTION` prints it, for a continent:
 * island_list TABLE STATUS... (at most three statuses). SQLite's C API alone. */
#include <stdio.h>

#include "plain_reads.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        fputs("usage: island_list TABLE STATUS...\n", stderr);
        return 2;
    }
    sqlite3* db = open_data_folder();
    read_island_list(db, argv[1], (const char* const*)argv + 2, argc - 2, print_island_line, stdout);
    close_data_folder(db);
    return 0;
}
