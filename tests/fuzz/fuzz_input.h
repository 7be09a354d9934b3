#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include "base/text_lines.h"

namespace fuzz {

// Puts the temporary folders (the input files, the shared data folder) on /dev/shm unless TMPDIR
// names a place: rewriting a file on a disk costs a flush on every input, several times the run
// of a reader.
void keepTemporaryFilesInMemory();

QByteArray inputBytes(const uint8_t* data, size_t size);

// The bytes as a file on disk, so readers take them exactly as they take a user's file. The same
// two files in one temporary folder are rewritten for every input.
QString inputFile(const uint8_t* data, size_t size);
QString secondFile();

// The lines of the bytes, read as every text file is read.
TextLines inputLines(const uint8_t* data, size_t size);

// Stops the run with the broken promise when the condition does not hold.
void require(bool condition, const char* promise);

// Runs one input through a reader. A Failure is the reader's refusal and must say what failed;
// any other exception travels on to the fuzzer. Returns 0, the value libFuzzer expects.
int runReader(const std::function<void()>& reader);

}  // namespace fuzz
