#pragma once

#include <QStringList>
#include <optional>

// The URLs used for island list updates, kept in "history.dat" beside the program file: one URL
// a line, in the order of the URL list, lines ended with CR LF.
inline constexpr const char* kUrlHistoryFileName = "history.dat";

// The URLs of the history file, empty lines left out; nothing when the file does not exist,
// which is no error (the URL list then keeps what it holds). Fails naming the file when it
// exists but cannot be read.
std::optional<QStringList> readUrlHistory(const QString& fileName);

// Appends an address to the URL list unless the list holds it already in any letter case; what
// the user typed is kept whatever it is (the download itself refuses what it cannot fetch).
// Tells whether it was appended.
bool addToUrlHistory(QStringList& urls, const QString& address);

// Writes the URL list as the whole history file, as every text file is written, replacing it
// only once the new file is complete. Fails naming the file when it cannot be written.
void writeUrlHistory(const QString& fileName, const QStringList& urls);
