#pragma once

#include <QString>

class CommandWindow;
class ListUpdateCommands;
struct FileQuestion;

// The log imports of the window: worked or claimed references from a log's UPF file, the
// confirmed contacts of the headquarters' CSV file, and the QSOs of an ADIF log after a preview.
class LogImportCommands {
public:
    // The CSV import starts as the text-file list updates do, with the update panel's buttons.
    LogImportCommands(CommandWindow& window, ListUpdateCommands& listUpdates)
        : m_window(window), m_listUpdates(listUpdates) {}

    // "&5 Import UPF" (`ImportUPFClick`).
    void importUpfLog();
    // "&7 HQ Import" (`N7HQImport1Click`).
    void importHqFile();
    // "8 More > Import ADIF" (`ImportADIFClick`).
    void importAdifLog();

private:
    // The steps the UPF and ADIF imports share around their own: the window locked, the table
    // writable and unfiltered, the log asked for, and the window given back.
    void importLog(const FileQuestion& question, void (LogImportCommands::*import)(const QString& fileName));
    void importUpfFile(const QString& fileName);
    void importAdifFile(const QString& fileName);

    CommandWindow& m_window;
    ListUpdateCommands& m_listUpdates;
};
