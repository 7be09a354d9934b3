/* The baselines' reading of ./Data/skerrydesk.db with SQLite's C API alone: one prepared statement
 * per table, no layer of the program. The CLI must print what these print, byte for byte. */
#pragma once

#include <sqlite3.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The database of ./Data, opened for reading and writing as any SQLite program opens it; exits
 * naming the file when it cannot. */
sqlite3* open_data_folder(void);
void close_data_folder(sqlite3* db);

/* A prepared statement; exits naming the statement when SQLite refuses it. */
sqlite3_stmt* prepare(sqlite3* db, const char* sql);

/* One row of a summary: its key and the island records counted by status. */
struct summary_row {
    const char* key;
    int a, c, w, ac, acw, tot;
};

enum { kMaxSummaryRows = 11 };

/* The rows of the summary: the seven continents and their sum when `continents` is set, then the
 * three group awards when `groups` is set. Returns the number of rows. */
int count_summary(sqlite3* db, int continents, int groups, struct summary_row rows[kMaxSummaryRows]);

/* The summary as a tab-separated table: a header of column keys, a row per area, the two
 * percentage columns as whole numbers ("-" for a row without islands). */
void print_summary_table(FILE* out, const struct summary_row* rows, int count);

/* Gets the six fields an island-list line shows: IOTA, Prefix, Island, Call, Comment, Status. */
typedef void (*island_sink)(const char* const fields[6], void* context);

/* Hands each record of the island table whose status is one of `statuses` to the sink, in key
 * order. */
void read_island_list(sqlite3* db, const char* table, const char* const* statuses, int status_count, island_sink sink,
                      void* context);

/* An island-list line: the six fields tab-separated. */
void print_island_line(const char* const fields[6], void* out);

#ifdef __cplusplus
}
#endif
