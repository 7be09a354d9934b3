#include "plain_reads.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

static const char* const kContinentTables[7] = {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU",
                                                "IOTA-NA", "IOTA-OC", "IOTA-SA"};
static const char* const kContinentKeys[7] = {"af", "an", "as", "eu", "na", "oc", "sa"};

/* A group award: its key, its ABW code and the tables that hold its islands. */
struct group_area {
    const char* key;
    const char* code;
    const char* tables[3];
};

static const struct group_area kGroups[3] = {
    {"ai", "A", {"IOTA-EU", "IOTA-AS", "IOTA-NA"}},
    {"bi", "B", {"IOTA-EU", NULL, NULL}},
    {"wi", "W", {"IOTA-NA", "IOTA-SA", NULL}},
};

static void fail(sqlite3* db, const char* what) {
    fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "out of memory");
    exit(1);
}

sqlite3* open_data_folder(void) {
    sqlite3* db = NULL;
    if (sqlite3_open_v2("Data/skerrydesk.db", &db, SQLITE_OPEN_READWRITE, NULL) != SQLITE_OK)
        fail(db, "Data/skerrydesk.db");
    return db;
}

void close_data_folder(sqlite3* db) {
    if (sqlite3_close(db) != SQLITE_OK) fail(db, "Data/skerrydesk.db");
}

sqlite3_stmt* prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = NULL;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, NULL) != SQLITE_OK) fail(db, sql);
    return statement;
}

/* Adds the status counts of one table, of one group's records when `code` is given. */
static void add_statuses(sqlite3* db, const char* table, const char* code, struct summary_row* row) {
    char sql[200];
    snprintf(sql, sizeof sql,
             "SELECT total(Status = 'A'), total(Status = 'C'), total(Status = 'W'), total(Status = '-') "
             "FROM \"%s\" WHERE ?1 IS NULL OR ABW = ?1",
             table);
    sqlite3_stmt* counts = prepare(db, sql);
    if (code) sqlite3_bind_text(counts, 1, code, -1, SQLITE_STATIC);
    if (sqlite3_step(counts) != SQLITE_ROW) fail(db, sql);
    const int a = sqlite3_column_int(counts, 0);
    const int c = sqlite3_column_int(counts, 1);
    const int w = sqlite3_column_int(counts, 2);
    const int needed = sqlite3_column_int(counts, 3);
    sqlite3_finalize(counts);
    row->a += a;
    row->c += c;
    row->w += w;
    row->ac += a + c;
    row->acw += a + c + w;
    row->tot += a + c + w + needed;
}

static void add_row(struct summary_row* sum, const struct summary_row* row) {
    sum->a += row->a;
    sum->c += row->c;
    sum->w += row->w;
    sum->ac += row->ac;
    sum->acw += row->acw;
    sum->tot += row->tot;
}

int count_summary(sqlite3* db, int continents, int groups, struct summary_row rows[kMaxSummaryRows]) {
    int count = 0;
    memset(rows, 0, sizeof(struct summary_row) * kMaxSummaryRows);
    if (continents) {
        struct summary_row* sum = &rows[7];
        for (int i = 0; i < 7; ++i) {
            rows[i].key = kContinentKeys[i];
            add_statuses(db, kContinentTables[i], NULL, &rows[i]);
            add_row(sum, &rows[i]);
        }
        sum->key = "tot";
        count = 8;
    }
    if (groups)
        for (int g = 0; g < 3; ++g, ++count) {
            rows[count].key = kGroups[g].key;
            for (int t = 0; t < 3 && kGroups[g].tables[t]; ++t)
                add_statuses(db, kGroups[g].tables[t], kGroups[g].code, &rows[count]);
        }
    return count;
}

/* The share in whole per cent as the award programme rounds it: the quotient and its product
 * with 100 in x86 extended precision, an exact half going to the even neighbour. */
static void print_percent(FILE* out, int count, int total) {
    if (total == 0) {
        fputs("\t-", out);
        return;
    }
    const long double product = (long double)count / (long double)total * 100.0L;
    const long double whole = floorl(product);
    const long double fraction = product - whole;
    const int up = fraction > 0.5L || (fraction == 0.5L && fmodl(whole, 2.0L) != 0.0L);
    fprintf(out, "\t%d", (int)(up ? whole + 1.0L : whole));
}

void print_summary_table(FILE* out, const struct summary_row* rows, int count) {
    fputs("area\ta\tc\tw\tac\tp\tacw\tpw\ttot\n", out);
    for (int i = 0; i < count; ++i) {
        const struct summary_row* row = &rows[i];
        fprintf(out, "%s\t%d\t%d\t%d\t%d", row->key, row->a, row->c, row->w, row->ac);
        print_percent(out, row->ac, row->tot);
        fprintf(out, "\t%d", row->acw);
        print_percent(out, row->acw, row->tot);
        fprintf(out, "\t%d\n", row->tot);
    }
}

void read_island_list(sqlite3* db, const char* table, const char* const* statuses, int status_count, island_sink sink,
                      void* context) {
    char sql[200];
    snprintf(sql, sizeof sql,
             "SELECT IOTA, Prefix, Island, Call, Comment, Status FROM \"%s\" WHERE Status IN (?1, ?2, ?3) "
             "ORDER BY Key",
             table);
    sqlite3_stmt* records = prepare(db, sql);
    for (int i = 0; i < status_count && i < 3; ++i) sqlite3_bind_text(records, i + 1, statuses[i], -1, SQLITE_STATIC);
    int step;
    while ((step = sqlite3_step(records)) == SQLITE_ROW) {
        const char* fields[6];
        for (int i = 0; i < 6; ++i) {
            const unsigned char* text = sqlite3_column_text(records, i);
            fields[i] = text ? (const char*)text : "";
        }
        sink(fields, context);
    }
    if (step != SQLITE_DONE) fail(db, sql);
    sqlite3_finalize(records);
}

void print_island_line(const char* const fields[6], void* out) {
    fprintf((FILE*)out, "%s\t%s\t%s\t%s\t%s\t%s\n", fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
}
